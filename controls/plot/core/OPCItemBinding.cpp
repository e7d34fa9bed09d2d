#include "controls/plot/core/OPCItemBinding.h"

namespace korvan::plot {

namespace {
OPCItemListFactory& Factory() {
    static OPCItemListFactory factory;
    return factory;
}
} // namespace

void SetOPCItemListFactory(OPCItemListFactory factory) {
    Factory() = std::move(factory);
}

std::unique_ptr<IiOPCItemList> MakeOPCItemList(const OPCItemListHost& host) {
    return Factory() ? Factory()(host) : nullptr;
}

} // namespace korvan::plot
