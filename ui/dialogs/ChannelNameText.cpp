#include "ui/dialogs/ChannelNameText.h"

#include "platform/text/AnsiText.h"

namespace korvan {

std::string ShownChannelName(std::string_view stored) {
    return text::FromAnsiField(stored.substr(0, ChannelNameLength));
}

std::string StoredChannelName(std::string_view typed) {
    return text::ToAnsiField(typed, ChannelNameLength, '\0');
}

std::string WithoutTrailingBlanks(std::string_view name) {
    const std::size_t end = name.find_last_not_of(" \r");
    return end == std::string_view::npos ? std::string() : std::string(name.substr(0, end + 1));
}

std::string ChannelTitle(int ch) {
    return ch < 4 ? "In" + std::string(1, char('A' + ch)) : "Out" + std::to_string(ch - 3);
}

} // namespace korvan
