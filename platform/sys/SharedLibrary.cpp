#include "platform/sys/SharedLibrary.h"

#include <dlfcn.h>

namespace korvan::sys {

SharedLibrary::SharedLibrary(const std::string& fileName) : fileName_(fileName) {
    // Local symbols: a second library of the same interface (a test's fake)
    // must not see the first one's names.
    handle_ = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        loadError_ = reason != nullptr ? reason : "cannot open " + fileName;
    }
}

SharedLibrary::~SharedLibrary() {
    if (handle_ != nullptr)
        dlclose(handle_);
}

void* SharedLibrary::Symbol(const std::string& name) const {
    if (handle_ == nullptr)
        return nullptr;
    return dlsym(handle_, name.c_str());
}

} // namespace korvan::sys
