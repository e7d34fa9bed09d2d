#pragma once
// An optional shared library opened by name at run time. The name is looked
// up the system's way (a bare name on the library search path, a path as it
// stands). A library that cannot be opened leaves the object empty; nothing
// is raised. Destroying it closes the library.

#include <memory>
#include <string>

namespace korvan::sys {

class SharedLibrary {
public:
    explicit SharedLibrary(const std::string& fileName);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool IsLoaded() const { return handle_ != nullptr; }
    // The name the library was asked for.
    const std::string& FileName() const { return fileName_; }
    // The system's reason when the open failed (empty when it succeeded).
    const std::string& LoadError() const { return loadError_; }
    // The address the library exports under `name`; null when it exports no
    // such name or is not loaded.
    void* Symbol(const std::string& name) const;

private:
    std::string fileName_;
    std::string loadError_;
    void* handle_ = nullptr;
};

} // namespace korvan::sys
