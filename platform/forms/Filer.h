#pragma once
// The form stream: a sequence of values written by TWriter and read back
// by TReader, with the framework's markers (list begin and end, collection,
// set, identifiers, strings, floats, binary blocks). FormText.h turns it
// into and out of the text form:
//
//   object Form1: TForm1
//     Caption = 'Hello'#13#10'world'
//     Font.Style = [fsBold]
//     Items = <
//       item
//         Value = 1.5
//       end>
//     Data = {0A0B}
//     object Button1: TButton
//       Kind = bkOK
//     end
//   end
//
// Reading sets each property in stream order while the component is
// loading, then calls Loaded on every component read, in the order met.

#include "platform/forms/Component.h"

#include <cstdint>
#include <string>
#include <vector>

class TCollection;

enum TValueType {
    vaNull = 0, // end of a list
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
    vaUTF8String = 20,
    vaDouble = 21
};

namespace korvan::forms {

// One element of the stream: a value (with its marker), a name (property
// names and set elements; an empty name ends a set) or an object header.
struct FormToken {
    enum class Kind { Value, Name, Header };
    Kind kind = Kind::Value;
    TValueType type = vaNull;
    std::int64_t integer = 0;
    double number = 0;
    std::string text;      // strings, identifiers, names; the object name of a header
    std::string className; // headers
    std::vector<std::uint8_t> bytes;
};

using FormTokens = std::vector<FormToken>;

} // namespace korvan::forms

class TWriter : public TFiler {
public:
    explicit TWriter(korvan::forms::FormTokens& out) : out_(out) {}

    void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                        const std::function<void(TWriter&)>& writeData, bool hasData) override;
    void DefineBinaryProperty(const std::string& name,
                              const std::function<void(const std::vector<std::uint8_t>&)>& readData,
                              const std::function<std::vector<std::uint8_t>()>& writeData,
                              bool hasData) override;
    TComponent* Root() const override { return root_; }
    void SetRoot(TComponent* root) { root_ = root; }

    // Writes the root with its properties and its children.
    void WriteRootComponent(TComponent* root);
    void WriteComponent(TComponent* component);
    // Every stored published property that has a getter and a setter, then
    // the object's defined properties.
    void WriteProperties(TPersistent* instance);
    void WriteCollection(TCollection* collection);

    void WriteValue(TValueType type);
    void WriteListBegin() { WriteValue(vaList); }
    void WriteListEnd() { WriteValue(vaNull); }
    void WritePropName(const std::string& name);
    void WriteInteger(std::int64_t value);
    void WriteFloat(double value);
    void WriteString(const std::string& value);
    void WriteIdent(const std::string& ident);
    void WriteBoolean(bool value);
    void WriteBinary(const std::vector<std::uint8_t>& bytes);
    void WriteSet(const std::vector<std::string>& elements);

private:
    void WriteObjectProperties(const ObjectRef& object, TPersistent* persistent);
    void WriteProperty(const ObjectRef& object, const TPropInfo& prop);
    std::string ComponentPath(TComponent* component) const;

    korvan::forms::FormTokens& out_;
    TComponent* root_ = nullptr;
    std::string prefix_;
};

class TReader : public TFiler {
public:
    explicit TReader(const korvan::forms::FormTokens& in) : in_(in) {}

    void DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                        const std::function<void(TWriter&)>& writeData, bool hasData) override;
    void DefineBinaryProperty(const std::string& name,
                              const std::function<void(const std::vector<std::uint8_t>&)>& readData,
                              const std::function<std::vector<std::uint8_t>()>& writeData,
                              bool hasData) override;
    TComponent* Root() const override { return root_; }

    // Reads the stream into `root`: the header's class must match; owned
    // components named in the stream are reused, others are created from
    // the registered classes with the root as owner. Loaded follows for
    // every component read, in the order met.
    void ReadRootComponent(TComponent* root);
    // Reads the properties of `instance` until the end of the list.
    void ReadProperties(TPersistent* instance);
    void ReadProperty(TPersistent* instance);
    // Reads items until the end of the list (after the collection marker).
    void ReadCollection(TCollection* collection);

    TValueType ReadValue();
    TValueType NextValue() const;
    bool EndOfList() const;
    void ReadListBegin();
    void ReadListEnd();
    std::string ReadName();
    std::int64_t ReadInteger();
    double ReadFloat();
    std::string ReadString();
    std::string ReadIdent();
    bool ReadBoolean();
    std::vector<std::uint8_t> ReadBinary();
    void SkipValue();

private:
    struct Fixup {
        ObjectRef object;
        const TPropInfo* prop;
        std::string name;
    };
    const korvan::forms::FormToken& Peek() const;
    const korvan::forms::FormToken& Take();
    TComponent* ReadComponent(TComponent* parent);
    // Whether `component` is `parent` or above it, in the stream being read
    // or in the parents it already has.
    bool IsAncestor(const TComponent* component, const TComponent* parent) const;
    void ReadObjectProperty(const ObjectRef& object, TPersistent* persistent, const std::string& path);
    void ReadPropValue(const ObjectRef& object, const TPropInfo& prop);
    std::int64_t ReadSetValue(const TPropInfo& prop);
    void ResolveFixups();
    [[noreturn]] void Invalid() const;

    const korvan::forms::FormTokens& in_;
    size_t pos_ = 0;
    TComponent* root_ = nullptr;
    std::vector<TComponent*> loaded_;
    std::vector<TComponent*> reading_; // the root and the components whose children are being read
    std::vector<Fixup> fixups_;
    std::string pendingName_; // the defined property DefineProperties should read
    bool pendingDone_ = false;
    int depth_ = 0;
};
