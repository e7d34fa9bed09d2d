// Serial port names in scan order: the input's lines as port names, sorted;
// the result holds the same names, each keyed name before every unkeyed one
// and the keyed ones in order of their keys.

#include "fuzz/FuzzTarget.h"
#include "ui/dialogs/ScanPortOrder.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> names;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        names.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    (void)korvan::ComPortKey(text);
    std::vector<std::string> sorted = names;
    korvan::SortScanPorts(sorted);
    std::vector<std::string> a = names, b = sorted;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    FuzzCheck(a == b);
    bool unkeyedSeen = false;
    std::optional<korvan::ScanPortKey> last;
    for (const std::string& name : sorted) {
        const auto key = korvan::ScanPortSortKey(name);
        if (!key) {
            unkeyedSeen = true;
            continue;
        }
        FuzzCheck(!unkeyedSeen);
        FuzzCheck(!last || !(*key < *last));
        last = key;
    }
    return 0;
}
