#include "controls/plot/opc/OPCItemManager.h"
#include "controls/plot/opc/OPCLibrary.h"
#include "controls/plot/opc/OPCManager.h"

#include <cstdlib>

namespace korvan::plot::opc {

void RegisterOPCClasses() {
    static const bool done = [] {
        RegisterClass(TiOPCManager::StaticClassInfo());
        return true;
    }();
    (void)done;
}

void StartOPCBinding() {
    const char* named = std::getenv(kOPCLibraryEnvironment);
    const std::string fileName = named != nullptr && *named != '\0' ? named : kOPCLibraryFileName;
    InstallOPCLibrary(std::make_unique<OPCLibrary>(fileName));
    SetOPCItemListFactory([](const OPCItemListHost& host) -> std::unique_ptr<IiOPCItemList> {
        return std::make_unique<TiOPCItemManager>(host);
    });
    RegisterOPCClasses();
}

} // namespace korvan::plot::opc
