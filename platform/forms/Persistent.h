#pragma once
// Objects that can be assigned to one another and streamed.

#include "platform/forms/Object.h"
#include "platform/forms/TypeInfo.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TReader;
class TWriter;

// What DefineProperties talks to: a reader or a writer. A defined property
// is a stored value that is not a published property, read and written by
// the object's own routines.
class TFiler {
public:
    virtual ~TFiler() = default;
    virtual void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                                const std::function<void(TWriter&)>& writeData, bool hasData) = 0;
    virtual void DefineBinaryProperty(const std::string& name,
                                      const std::function<void(const std::vector<std::uint8_t>&)>& readData,
                                      const std::function<std::vector<std::uint8_t>()>& writeData,
                                      bool hasData) = 0;
    // The component being read or written as a whole (the form).
    virtual TComponent* Root() const = 0;
};

class TPersistent : public TObject {
    KORVAN_CLASS(TPersistent)
public:
    // Copies Source into this object. The base asks Source to assign itself
    // (AssignTo) and fails with "Cannot assign a <Source> to a <this>".
    virtual void Assign(TPersistent* source);
    virtual std::string GetNamePath() const;
    // The object that owns this one for streaming and name paths.
    virtual TPersistent* GetOwner() const { return nullptr; }
    // Defines the stored values that are not published properties.
    virtual void DefineProperties(TFiler& filer) { (void)filer; }

protected:
    virtual void AssignTo(TPersistent* dest);
    [[noreturn]] void AssignError(TPersistent* source);
};
