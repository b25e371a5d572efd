#include "cli/Tekenmodule.h"

#include "common/DataFolder.h"
#include "common/Exception.h"

#include <filesystem>

#include <dlfcn.h>

namespace vkt::cli {

const TTekenfuncties& Tekenfuncties()
{
    static const TTekenfuncties* functies = nullptr;
    if (functies != nullptr)
        return *functies;
    const std::filesystem::path map = ProgrammaMap();
    std::string waarom;
    const std::filesystem::path plaatsen[] = {map / kTekenmodule, map / VKT_TEKENMODULE_GEINSTALLEERD / kTekenmodule};
    for (const std::filesystem::path& bestand : plaatsen) {
        void* module = dlopen(bestand.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            waarom = dlerror(); // the installed place is tried last
            continue;
        }
        using TVraag = const TTekenfuncties* (*)();
        if (auto vraag = reinterpret_cast<TVraag>(dlsym(module, "vkt_tekenfuncties"))) {
            functies = vraag();
            return *functies;
        }
        waarom = dlerror();
    }
    throw Exception("de tekenmodule voor PDF, ODT en afbeeldingen kan niet worden geladen: " + waarom);
}

} // namespace vkt::cli
