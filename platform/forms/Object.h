#pragma once
// The root of the framework's classes.

#include <functional>
#include <string>

struct TClassInfo;

class TObject {
public:
    virtual ~TObject() = default;
    // The class registry; null for classes that publish nothing.
    virtual const TClassInfo* ClassInfo() const { return nullptr; }
    std::string ClassName() const;
    bool InheritsFrom(const TClassInfo& info) const;
};

using TNotifyEvent = std::function<void(TObject* sender)>;
