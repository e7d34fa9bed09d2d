#include "platform/sys/hid/HidReportDescriptor.h"

#include <algorithm>
#include <map>
#include <utility>

namespace korvan::sys::hid {
namespace {

// Limits that keep a hostile descriptor from making us allocate or loop
// without bound. Real descriptors stay far below them.
constexpr std::size_t kMaxDescriptorSize = 64 * 1024;
constexpr std::size_t kMaxStackDepth = 32;
constexpr std::size_t kMaxLocalUsages = 1024;
constexpr std::size_t kMaxControls = 8192;
constexpr std::size_t kMaxCollections = 1024;
constexpr std::uint32_t kMaxReportBits = 16384 * 8;
constexpr std::uint32_t kMaxFieldBits = 32;

enum ItemType { kMain = 0, kGlobal = 1, kLocal = 2, kReserved = 3 };

enum MainTag { kInput = 0x8, kOutput = 0x9, kFeature = 0xB, kCollection = 0xA, kEndCollection = 0xC };

enum GlobalTag {
    kUsagePage = 0x0,
    kLogicalMin = 0x1,
    kLogicalMax = 0x2,
    kPhysicalMin = 0x3,
    kPhysicalMax = 0x4,
    kUnitExponent = 0x5,
    kUnit = 0x6,
    kReportSize = 0x7,
    kReportId = 0x8,
    kReportCount = 0x9,
    kPush = 0xA,
    kPop = 0xB,
};

enum LocalTag {
    kUsage = 0x0,
    kUsageMin = 0x1,
    kUsageMax = 0x2,
    kDesignatorIndex = 0x3,
    kDesignatorMin = 0x4,
    kDesignatorMax = 0x5,
    kStringIndex = 0x7,
    kStringMin = 0x8,
    kStringMax = 0x9,
    kDelimiter = 0xA,
};

struct GlobalState {
    std::uint32_t usagePage = 0;
    std::int64_t logicalMin = 0, logicalMax = 0;
    std::int64_t physicalMin = 0, physicalMax = 0;
    std::uint32_t logicalMaxRaw = 0, physicalMaxRaw = 0;
    int logicalMaxSize = 0, physicalMaxSize = 0;
    std::uint32_t unitExp = 0, unit = 0;
    std::uint32_t reportSize = 0, reportCount = 0;
    std::uint8_t reportId = 0;
};

// One usage or usage range named by local items; page 0 means the global
// usage page at the main item.
struct UsageEntry {
    std::uint32_t page = 0;
    std::uint32_t min = 0, max = 0;
    bool isRange = false;
};

struct LocalState {
    std::vector<UsageEntry> usages;
    bool haveUsageMin = false;
    std::uint32_t usageMin = 0;
    std::uint32_t usageMinPage = 0;
    std::uint32_t designatorMin = 0, designatorMax = 0, stringMin = 0, stringMax = 0;
    bool designatorRange = false, stringRange = false;
};

std::uint32_t Unsigned(const std::uint8_t* p, int size) {
    std::uint32_t v = 0;
    for (int i = 0; i < size; ++i)
        v |= std::uint32_t(p[i]) << (8 * i);
    return v;
}

std::int64_t Signed(std::uint32_t raw, int size) {
    switch (size) {
    case 1:
        return std::int8_t(raw);
    case 2:
        return std::int16_t(raw);
    case 4:
        return std::int32_t(raw);
    default:
        return 0;
    }
}

// Extents are signed, except that a maximum read as negative above a
// non-negative minimum was meant unsigned (common in real descriptors).
std::int64_t Maximum(std::int64_t min, std::uint32_t raw, int size) {
    std::int64_t max = Signed(raw, size);
    if (max < min && min >= 0)
        max = raw;
    return max;
}

std::int32_t Clamp32(std::int64_t v) {
    return std::int32_t(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

class Parser {
public:
    std::optional<HidPreparsedData> Run(const std::uint8_t* data, std::size_t size, std::string& error);

private:
    bool Fail(std::string why) {
        error_ = std::move(why);
        return false;
    }
    bool Main(int tag, std::uint32_t value);
    bool Global(int tag, std::uint32_t value, int size);
    bool Local(int tag, std::uint32_t value, int size);
    bool DataItem(HIDP_REPORT_TYPE type, std::uint32_t bits);
    bool OpenCollection(std::uint32_t type);
    void FinishCollections();
    bool AssignDataIndices();
    USAGE PageOf(const UsageEntry& e) const { return USAGE(e.page ? e.page : global_.usagePage); }

    HidPreparsedData out_;
    GlobalState global_;
    std::vector<GlobalState> stack_;
    LocalState local_;
    std::vector<std::uint16_t> open_;                   // indices of open collections
    std::map<std::pair<int, int>, std::uint32_t> bits_; // (type, report ID) -> bits so far
    std::uint32_t groups_ = 0;
    std::string error_;
};

std::optional<HidPreparsedData> Parser::Run(const std::uint8_t* data, std::size_t size, std::string& error) {
    if (size > kMaxDescriptorSize) {
        error = "descriptor too long";
        return std::nullopt;
    }
    std::size_t pos = 0;
    while (pos < size) {
        const std::uint8_t prefix = data[pos];
        if (prefix == 0xFE) { // long item: size byte, tag byte, data
            if (pos + 3 > size || pos + 3 + data[pos + 1] > size) {
                error = "long item runs past the end";
                return std::nullopt;
            }
            pos += 3 + data[pos + 1];
            continue;
        }
        const int sizeCode = prefix & 0x3;
        const int itemSize = sizeCode == 3 ? 4 : sizeCode;
        const int type = (prefix >> 2) & 0x3;
        const int tag = prefix >> 4;
        if (pos + 1 + itemSize > size) {
            error = "item runs past the end";
            return std::nullopt;
        }
        const std::uint32_t value = Unsigned(data + pos + 1, itemSize);
        pos += 1 + itemSize;
        bool ok = true;
        switch (type) {
        case kMain:
            ok = Main(tag, value);
            break;
        case kGlobal:
            ok = Global(tag, value, itemSize);
            break;
        case kLocal:
            ok = Local(tag, value, itemSize);
            break;
        default:
            break; // reserved items carry nothing we use
        }
        if (!ok) {
            error = error_;
            return std::nullopt;
        }
    }
    if (!open_.empty()) {
        error = "collection not closed";
        return std::nullopt;
    }
    FinishCollections();
    if (!AssignDataIndices()) {
        error = error_;
        return std::nullopt;
    }
    for (auto& [key, bits] : bits_) {
        const auto type = std::size_t(key.first);
        const auto bytes = std::uint16_t((bits + 7) / 8 + 1);
        out_.reportByteLength[type] = std::max(out_.reportByteLength[type], bytes);
        out_.reportIds[type].insert(std::uint8_t(key.second));
    }
    return std::move(out_);
}

bool Parser::Main(int tag, std::uint32_t value) {
    bool ok = true;
    switch (tag) {
    case kInput:
        ok = DataItem(HidP_Input, value);
        break;
    case kOutput:
        ok = DataItem(HidP_Output, value);
        break;
    case kFeature:
        ok = DataItem(HidP_Feature, value);
        break;
    case kCollection:
        ok = OpenCollection(value & 0xFF);
        break;
    case kEndCollection:
        if (open_.empty())
            return Fail("end collection without collection");
        open_.pop_back();
        break;
    default:
        return Fail("unknown main item");
    }
    local_ = LocalState{};
    return ok;
}

bool Parser::Global(int tag, std::uint32_t value, int size) {
    switch (tag) {
    case kUsagePage:
        global_.usagePage = value & 0xFFFF;
        break;
    case kLogicalMin:
        global_.logicalMin = Signed(value, size);
        global_.logicalMax = Maximum(global_.logicalMin, global_.logicalMaxRaw, global_.logicalMaxSize);
        break;
    case kLogicalMax:
        global_.logicalMaxRaw = value;
        global_.logicalMaxSize = size;
        global_.logicalMax = Maximum(global_.logicalMin, value, size);
        break;
    case kPhysicalMin:
        global_.physicalMin = Signed(value, size);
        global_.physicalMax = Maximum(global_.physicalMin, global_.physicalMaxRaw, global_.physicalMaxSize);
        break;
    case kPhysicalMax:
        global_.physicalMaxRaw = value;
        global_.physicalMaxSize = size;
        global_.physicalMax = Maximum(global_.physicalMin, value, size);
        break;
    case kUnitExponent:
        global_.unitExp = value;
        break;
    case kUnit:
        global_.unit = value;
        break;
    case kReportSize:
        if (value > kMaxReportBits)
            return Fail("report size too large");
        global_.reportSize = value;
        break;
    case kReportId:
        if (value == 0 || value > 0xFF)
            return Fail("report ID out of range");
        global_.reportId = std::uint8_t(value);
        out_.usesReportIds = true;
        break;
    case kReportCount:
        if (value > kMaxReportBits)
            return Fail("report count too large");
        global_.reportCount = value;
        break;
    case kPush:
        if (stack_.size() >= kMaxStackDepth)
            return Fail("push stack overflow");
        stack_.push_back(global_);
        break;
    case kPop:
        if (stack_.empty())
            return Fail("pop without push");
        global_ = stack_.back();
        stack_.pop_back();
        break;
    default:
        break;
    }
    return true;
}

bool Parser::Local(int tag, std::uint32_t value, int size) {
    // A four-byte usage carries its page in the high half.
    const std::uint32_t page = size == 4 ? value >> 16 : 0;
    const std::uint32_t id = value & 0xFFFF;
    switch (tag) {
    case kUsage:
        if (local_.usages.size() >= kMaxLocalUsages)
            return Fail("too many usages");
        local_.usages.push_back({page, id, id, false});
        break;
    case kUsageMin:
        local_.haveUsageMin = true;
        local_.usageMin = id;
        local_.usageMinPage = page;
        break;
    case kUsageMax:
        if (!local_.haveUsageMin)
            return Fail("usage maximum without minimum");
        if (id < local_.usageMin)
            return Fail("usage maximum below minimum");
        if (local_.usages.size() >= kMaxLocalUsages)
            return Fail("too many usages");
        local_.usages.push_back(
            {local_.usageMinPage ? local_.usageMinPage : page, local_.usageMin, id, true});
        local_.haveUsageMin = false;
        break;
    case kDesignatorIndex:
        local_.designatorMin = local_.designatorMax = value;
        break;
    case kDesignatorMin:
        local_.designatorMin = value;
        local_.designatorRange = true;
        break;
    case kDesignatorMax:
        local_.designatorMax = value;
        local_.designatorRange = true;
        break;
    case kStringIndex:
        local_.stringMin = local_.stringMax = value;
        break;
    case kStringMin:
        local_.stringMin = value;
        local_.stringRange = true;
        break;
    case kStringMax:
        local_.stringMax = value;
        local_.stringRange = true;
        break;
    default:
        break; // delimiters and unknown locals: the usages inside still count
    }
    return true;
}

bool Parser::OpenCollection(std::uint32_t type) {
    if (out_.collections.size() >= kMaxCollections)
        return Fail("too many collections");
    HIDP_LINK_COLLECTION_NODE node;
    node.CollectionType = std::uint8_t(type);
    if (!local_.usages.empty()) {
        node.LinkUsage = USAGE(local_.usages.front().min);
        node.LinkUsagePage = PageOf(local_.usages.front());
    } else {
        node.LinkUsagePage = USAGE(global_.usagePage);
    }
    // A later top-level collection hangs below the first one, so that the
    // nodes always form one tree rooted at node 0.
    node.Parent = open_.empty() ? 0 : open_.back();
    out_.collections.push_back(node);
    open_.push_back(std::uint16_t(out_.collections.size() - 1));
    return true;
}

bool Parser::DataItem(HIDP_REPORT_TYPE type, std::uint32_t bits) {
    const std::uint64_t fieldBits = std::uint64_t(global_.reportSize) * global_.reportCount;
    std::uint32_t& offset = bits_[{int(type), int(global_.reportId)}];
    if (offset + fieldBits > kMaxReportBits)
        return Fail("report too long");
    const std::uint32_t itemOffset = offset;
    offset += std::uint32_t(fieldBits);

    const bool constant = bits & 0x01;
    const bool variable = bits & 0x02;
    if (constant || fieldBits == 0)
        return true; // padding
    if (global_.reportSize > kMaxFieldBits)
        return true; // wider than any value we can hand out: reserved like padding

    std::vector<UsageEntry> usages = local_.usages;
    if (usages.empty())
        usages.push_back({0, 0, 0, false});

    HidControl base;
    base.reportType = type;
    base.reportId = global_.reportId;
    base.isButton = !variable || global_.reportSize == 1;
    base.isArray = !variable;
    base.isAbsolute = !(bits & 0x04);
    base.hasNull = bits & 0x40;
    base.bitField = std::uint16_t(bits & 0x1FF);
    base.linkCollection = open_.empty() ? 0 : open_.back();
    base.bitSize = std::uint16_t(global_.reportSize);
    base.logicalMin = Clamp32(global_.logicalMin);
    base.logicalMax = Clamp32(global_.logicalMax);
    base.physicalMin = Clamp32(global_.physicalMin);
    base.physicalMax = Clamp32(global_.physicalMax);
    base.units = global_.unit;
    base.unitsExp = global_.unitExp;
    base.group = groups_++;
    base.isStringRange = local_.stringRange;
    base.isDesignatorRange = local_.designatorRange;
    base.stringMin = std::uint16_t(local_.stringMin);
    base.stringMax = std::uint16_t(local_.stringMax);
    base.designatorMin = std::uint16_t(local_.designatorMin);
    base.designatorMax = std::uint16_t(local_.designatorMax);

    if (out_.controls.size() + usages.size() > kMaxControls)
        return Fail("too many controls");

    if (!variable) {
        // Array: every field may hold any of the usages, selected by value.
        std::int64_t valueMin = global_.logicalMin;
        for (const UsageEntry& u : usages) {
            HidControl c = base;
            c.usagePage = PageOf(u);
            c.usageMin = USAGE(u.min);
            c.usageMax = USAGE(u.max);
            c.isRange = u.isRange;
            c.bitOffset = itemOffset;
            c.reportCount = std::uint16_t(global_.reportCount);
            c.arrayValueMin = valueMin;
            valueMin += std::int64_t(u.max) - u.min + 1;
            out_.controls.push_back(c);
        }
        return true;
    }

    // Variable: usages take the fields in order; the last one takes what is
    // left (a value array, or a repeated button).
    std::uint32_t field = 0;
    for (std::size_t i = 0; i < usages.size() && field < global_.reportCount; ++i) {
        const UsageEntry& u = usages[i];
        const std::uint32_t want = u.max - u.min + 1;
        const bool last = i + 1 == usages.size();
        const std::uint32_t left = global_.reportCount - field;
        const std::uint32_t take = last ? left : std::min(want, left);
        HidControl c = base;
        c.usagePage = PageOf(u);
        c.usageMin = USAGE(u.min);
        c.usageMax = USAGE(u.isRange ? u.min + std::min(want, take) - 1 : u.min);
        c.isRange = u.isRange;
        c.bitOffset = itemOffset + field * global_.reportSize;
        c.reportCount = std::uint16_t(take);
        out_.controls.push_back(c);
        field += take;
    }
    return true;
}

void Parser::FinishCollections() {
    auto& nodes = out_.collections;
    if (nodes.empty())
        nodes.push_back(HIDP_LINK_COLLECTION_NODE{});
    std::vector<std::uint16_t> lastChild(nodes.size(), 0);
    for (std::size_t i = 1; i < nodes.size(); ++i) {
        HIDP_LINK_COLLECTION_NODE& parent = nodes[nodes[i].Parent];
        ++parent.NumberOfChildren;
        if (parent.FirstChild == 0)
            parent.FirstChild = std::uint16_t(i);
        else
            nodes[lastChild[nodes[i].Parent]].NextSibling = std::uint16_t(i);
        lastChild[nodes[i].Parent] = std::uint16_t(i);
    }
}

bool Parser::AssignDataIndices() {
    for (HidControl& c : out_.controls) {
        std::uint16_t& next = out_.dataIndexCount[c.reportType];
        // Ranges give one index per usage; a single usage (a value array or a
        // repeated button among them) gives one.
        const std::uint32_t count = c.isRange ? std::uint32_t(c.usageMax - c.usageMin + 1) : 1;
        if (next + count > 0xFFFF)
            return Fail("too many data indices");
        c.dataIndexMin = next;
        c.dataIndexMax = std::uint16_t(next + count - 1);
        next = std::uint16_t(next + count);
    }
    return true;
}

} // namespace

std::optional<HidPreparsedData> ParseReportDescriptor(const std::uint8_t* data, std::size_t size,
                                                      std::string* error) {
    std::string why;
    if (data == nullptr && size != 0) {
        if (error)
            *error = "no descriptor";
        return std::nullopt;
    }
    auto result = Parser{}.Run(data, size, why);
    if (!result && error)
        *error = why;
    return result;
}

} // namespace korvan::sys::hid
