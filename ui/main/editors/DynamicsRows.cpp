#include "ui/main/editors/DynamicsRows.h"

#include "ui/main/RefreshTexts.h"

namespace korvan::editors {

namespace {

constexpr DynamicsRow GateRows[] = {
    {"GateThreshold", false, EntryKind::Threshold, ThresholdText},
    {"GateAttack", false, EntryKind::Time, GateTimeText},
    {"GateRelease", false, EntryKind::Time, GateTimeText},
    {"GateHold", false, EntryKind::Time, GateTimeText},
};

constexpr DynamicsRow CompRows[] = {
    {"CompThreshold", false, EntryKind::Threshold, ThresholdText},
    {"CompAttack", false, EntryKind::Time, DynamicsTimeText},
    {"CompRelease", false, EntryKind::Time, DynamicsTimeText},
    {"CompRatio", true, EntryKind::Ratio, RatioText},
    {"CompKnee", true, EntryKind::Knee, KneeText},
};

constexpr DynamicsRow LimitRows[] = {
    {"LimitThreshold", false, EntryKind::Threshold, ThresholdText},
    {"LimitAttack", false, EntryKind::Time, DynamicsTimeText},
    {"LimitRelease", false, EntryKind::Time, DynamicsTimeText},
    {"LimitKnee", true, EntryKind::Knee, KneeText},
};

} // namespace

std::span<const DynamicsRow> DynamicsRows(Dynamics kind) {
    switch (kind) {
    case Dynamics::Gate:
        return GateRows;
    case Dynamics::Comp:
        return CompRows;
    case Dynamics::Limit:
        return LimitRows;
    }
    return {};
}

const DynamicsRow* DynamicsRowOf(Dynamics kind, int k) {
    const auto rows = DynamicsRows(kind);
    return k >= 0 && std::size_t(k) < rows.size() ? &rows[std::size_t(k)] : nullptr;
}

} // namespace korvan::editors
