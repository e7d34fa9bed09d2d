#include "controls/plot/opc/OPCItemManager.h"
#include "controls/plot/opc/OPCLibrary.h"

#include <cstdlib>

namespace korvan::plot::opc {

void StartOPCBinding() {
    const char* named = std::getenv(kOPCLibraryEnvironment);
    const std::string fileName = named != nullptr && *named != '\0' ? named : kOPCLibraryFileName;
    InstallOPCLibrary(std::make_unique<OPCLibrary>(fileName));
    SetOPCItemListFactory([](const OPCItemListHost& host) -> std::unique_ptr<IiOPCItemList> {
        return std::make_unique<TiOPCItemManager>(host);
    });
}

} // namespace korvan::plot::opc
