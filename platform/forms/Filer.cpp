#include "platform/forms/Filer.h"

#include "platform/forms/Collection.h"
#include "platform/text/Exception.h"
#include "platform/text/Format.h"
#include "platform/text/StrUtils.h"

#include <algorithm>
#include <cmath>
#include <limits>

using korvan::forms::FormToken;

namespace {

bool IsIntType(TValueType t) {
    return t == vaInt8 || t == vaInt16 || t == vaInt32 || t == vaInt64;
}
bool IsStringType(TValueType t) {
    return t == vaString || t == vaLString || t == vaWString || t == vaUTF8String;
}
bool IsFloatType(TValueType t) {
    return t == vaExtended || t == vaDouble || t == vaSingle || t == vaCurrency || t == vaDate;
}

FormToken ValueToken(TValueType type) {
    FormToken t;
    t.type = type;
    return t;
}

} // namespace

// ---------------------------------------------------------------- writer

void TWriter::DefineProperty(const std::string& name, const std::function<void(TReader&)>&,
                             const std::function<void(TWriter&)>& writeData, bool hasData) {
    if (!hasData || !writeData)
        return;
    WritePropName(name);
    writeData(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name,
                                   const std::function<void(const std::vector<std::uint8_t>&)>&,
                                   const std::function<std::vector<std::uint8_t>()>& writeData,
                                   bool hasData) {
    if (!hasData || !writeData)
        return;
    WritePropName(name);
    WriteBinary(writeData());
}

void TWriter::WriteRootComponent(TComponent* root) {
    root_ = root;
    WriteComponent(root);
}

void TWriter::WriteComponent(TComponent* component) {
    component->SetWritingState(true);
    try {
        FormToken header;
        header.kind = FormToken::Kind::Header;
        header.className = component->ClassName();
        header.text = component->Name();
        out_.push_back(header);
        const std::string savedPrefix = prefix_;
        prefix_.clear();
        WriteProperties(component);
        prefix_ = savedPrefix;
        WriteListEnd();
        component->GetChildren([this](TComponent* child) { WriteComponent(child); }, root_);
        WriteListEnd();
    } catch (...) {
        component->SetWritingState(false);
        throw;
    }
    component->SetWritingState(false);
}

void TWriter::WriteProperties(TPersistent* instance) {
    WriteObjectProperties(ObjectRefOf(instance), instance);
}

void TWriter::WriteObjectProperties(const ObjectRef& object, TPersistent* persistent) {
    if (object.Class)
        for (const TPropInfo* prop : object.Class->Properties())
            if (prop->HasGetter() && prop->HasSetter() && prop->IsStored(object.Ptr))
                WriteProperty(object, *prop);
    if (persistent)
        persistent->DefineProperties(*this);
}

std::string TWriter::ComponentPath(TComponent* component) const {
    if (!component->Owner() || component->Owner() == root_)
        return component->Name();
    return component->Owner()->Name() + "." + component->Name();
}

void TWriter::WriteProperty(const ObjectRef& object, const TPropInfo& prop) {
    if (IsOrdinalKind(prop.Kind)) {
        const std::int64_t v = GetOrdProp(object, prop);
        if (prop.HasDefault && v == prop.Default)
            return;
        WritePropName(prop.Name);
        std::string ident;
        if (prop.Kind == tkEnumeration && prop.TypeName == "Boolean")
            WriteBoolean(v != 0);
        else if (prop.Kind == tkEnumeration && v >= 0 && v < std::int64_t(prop.Names.size()))
            WriteIdent(prop.Names[size_t(v)]);
        else if (prop.Kind == tkSet) {
            std::vector<std::string> elements;
            for (size_t bit = 0; bit < prop.Names.size() && bit < 64; ++bit)
                if (std::uint64_t(v) & (std::uint64_t(1) << bit))
                    elements.push_back(prop.Names[bit]);
            WriteSet(elements);
        } else if (IntToIdent(prop.TypeName, v, ident))
            WriteIdent(ident);
        else
            WriteInteger(v);
        return;
    }
    if (prop.Kind == tkFloat) {
        const double v = GetFloatProp(object, prop);
        if (v == 0)
            return;
        WritePropName(prop.Name);
        WriteFloat(v);
        return;
    }
    if (IsStringKind(prop.Kind)) {
        const std::string v = GetStrProp(object, prop);
        if (v.empty())
            return;
        WritePropName(prop.Name);
        WriteString(v);
        return;
    }
    if (prop.Kind != tkClass)
        return;
    const ObjectRef sub = GetObjectProp(object, prop);
    if (!sub)
        return;
    if (auto* collection = dynamic_cast<TCollection*>(sub.Object)) {
        if (collection->Count() == 0)
            return;
        WritePropName(prop.Name);
        WriteCollection(collection);
        return;
    }
    if (auto* component = dynamic_cast<TComponent*>(sub.Object)) {
        if (component->Name().empty())
            return;
        WritePropName(prop.Name);
        WriteIdent(ComponentPath(component));
        return;
    }
    const std::string saved = prefix_;
    prefix_ += prop.Name + ".";
    WriteObjectProperties(sub, dynamic_cast<TPersistent*>(sub.Object));
    prefix_ = saved;
}

void TWriter::WriteCollection(TCollection* collection) {
    WriteValue(vaCollection);
    const std::string saved = prefix_;
    prefix_.clear();
    for (int i = 0; i < collection->Count(); ++i) {
        WriteListBegin();
        WriteProperties(collection->Items(i));
        WriteListEnd();
    }
    prefix_ = saved;
    WriteListEnd();
}

void TWriter::WriteValue(TValueType type) {
    out_.push_back(ValueToken(type));
}

void TWriter::WritePropName(const std::string& name) {
    FormToken t;
    t.kind = FormToken::Kind::Name;
    t.text = prefix_ + name;
    out_.push_back(t);
}

void TWriter::WriteInteger(std::int64_t value) {
    FormToken t = ValueToken(value >= std::numeric_limits<std::int32_t>::min() &&
                                     value <= std::numeric_limits<std::int32_t>::max()
                                 ? vaInt32
                                 : vaInt64);
    t.integer = value;
    out_.push_back(t);
}

void TWriter::WriteFloat(double value) {
    FormToken t = ValueToken(vaExtended);
    t.number = value;
    out_.push_back(t);
}

void TWriter::WriteString(const std::string& value) {
    FormToken t = ValueToken(vaString);
    t.text = value;
    out_.push_back(t);
}

void TWriter::WriteIdent(const std::string& ident) {
    if (SameText(ident, "False"))
        WriteValue(vaFalse);
    else if (SameText(ident, "True"))
        WriteValue(vaTrue);
    else if (SameText(ident, "nil"))
        WriteValue(vaNil);
    else {
        FormToken t = ValueToken(vaIdent);
        t.text = ident;
        out_.push_back(t);
    }
}

void TWriter::WriteBoolean(bool value) {
    WriteValue(value ? vaTrue : vaFalse);
}

void TWriter::WriteBinary(const std::vector<std::uint8_t>& bytes) {
    FormToken t = ValueToken(vaBinary);
    t.bytes = bytes;
    out_.push_back(t);
}

void TWriter::WriteSet(const std::vector<std::string>& elements) {
    WriteValue(vaSet);
    for (const auto& e : elements) {
        FormToken t;
        t.kind = FormToken::Kind::Name;
        t.text = e;
        out_.push_back(t);
    }
    FormToken end;
    end.kind = FormToken::Kind::Name;
    out_.push_back(end);
}

// ---------------------------------------------------------------- reader

void TReader::Invalid() const {
    throw EReadError("Invalid property value");
}

const FormToken& TReader::Peek() const {
    if (pos_ >= in_.size())
        throw EReadError("Stream read error");
    return in_[pos_];
}

const FormToken& TReader::Take() {
    const FormToken& t = Peek();
    ++pos_;
    return t;
}

void TReader::DefineProperty(const std::string& name, const std::function<void(TReader&)>& readData,
                             const std::function<void(TWriter&)>&, bool) {
    if (!pendingDone_ && readData && SameText(name, pendingName_)) {
        pendingDone_ = true;
        readData(*this);
    }
}

void TReader::DefineBinaryProperty(const std::string& name,
                                   const std::function<void(const std::vector<std::uint8_t>&)>& readData,
                                   const std::function<std::vector<std::uint8_t>()>&, bool) {
    if (!pendingDone_ && readData && SameText(name, pendingName_)) {
        pendingDone_ = true;
        readData(ReadBinary());
    }
}

TValueType TReader::ReadValue() {
    const FormToken& t = Take();
    if (t.kind != FormToken::Kind::Value)
        Invalid();
    return t.type;
}

TValueType TReader::NextValue() const {
    const FormToken& t = Peek();
    return t.kind == FormToken::Kind::Value ? t.type : vaIdent;
}

bool TReader::EndOfList() const {
    const FormToken& t = Peek();
    return t.kind == FormToken::Kind::Value && t.type == vaNull;
}

void TReader::ReadListBegin() {
    if (ReadValue() != vaList)
        Invalid();
}

void TReader::ReadListEnd() {
    if (ReadValue() != vaNull)
        Invalid();
}

std::string TReader::ReadName() {
    const FormToken& t = Take();
    if (t.kind != FormToken::Kind::Name)
        Invalid();
    return t.text;
}

std::int64_t TReader::ReadInteger() {
    const FormToken& t = Take();
    if (t.kind != FormToken::Kind::Value || !IsIntType(t.type))
        Invalid();
    return t.integer;
}

double TReader::ReadFloat() {
    const FormToken& t = Take();
    if (t.kind == FormToken::Kind::Value && IsFloatType(t.type))
        return t.number;
    if (t.kind == FormToken::Kind::Value && IsIntType(t.type))
        return double(t.integer);
    if (t.kind == FormToken::Kind::Value && t.type == vaIdent) {
        if (SameText(t.text, "INF"))
            return std::numeric_limits<double>::infinity();
        if (SameText(t.text, "-INF"))
            return -std::numeric_limits<double>::infinity();
        if (SameText(t.text, "NAN"))
            return std::numeric_limits<double>::quiet_NaN();
    }
    Invalid();
}

std::string TReader::ReadString() {
    const FormToken& t = Take();
    if (t.kind != FormToken::Kind::Value || !IsStringType(t.type))
        Invalid();
    return t.text;
}

std::string TReader::ReadIdent() {
    const FormToken& t = Take();
    if (t.kind != FormToken::Kind::Value)
        Invalid();
    switch (t.type) {
    case vaIdent:
        return t.text;
    case vaFalse:
        return "False";
    case vaTrue:
        return "True";
    case vaNil:
        return "nil";
    case vaNull:
        return "Null";
    default:
        Invalid();
    }
}

bool TReader::ReadBoolean() {
    const TValueType t = ReadValue();
    if (t != vaTrue && t != vaFalse)
        Invalid();
    return t == vaTrue;
}

std::vector<std::uint8_t> TReader::ReadBinary() {
    const FormToken& t = Take();
    if (t.kind != FormToken::Kind::Value || t.type != vaBinary)
        Invalid();
    return t.bytes;
}

void TReader::SkipValue() {
    switch (ReadValue()) {
    case vaList:
        while (!EndOfList())
            SkipValue();
        ReadListEnd();
        break;
    case vaCollection:
        while (!EndOfList()) {
            if (IsIntType(NextValue()))
                ReadValue();
            ReadListBegin();
            while (!EndOfList()) {
                ReadName();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadListEnd();
        break;
    case vaSet:
        while (!ReadName().empty()) {
        }
        break;
    default:
        break;
    }
}

void TReader::ReadRootComponent(TComponent* root) {
    root_ = root;
    loaded_.clear();
    fixups_.clear();
    reading_.assign(1, root);
    try {
        const FormToken& header = Take();
        if (header.kind != FormToken::Kind::Header)
            Invalid();
        if (!SameText(header.className, root->ClassName()))
            throw EReadError(Format("Stream holds a %s, not a %s", {header.className, root->ClassName()}));
        if (root->Name().empty() && !header.text.empty())
            root->SetName(header.text);
        root->SetLoadingState(true);
        root->SetReadingState(true);
        loaded_.push_back(root);
        ReadProperties(root);
        ReadListEnd();
        while (!EndOfList())
            ReadComponent(root);
        ReadListEnd();
        ResolveFixups();
    } catch (...) {
        for (TComponent* c : loaded_) {
            c->SetReadingState(false);
            c->SetLoadingState(false);
        }
        throw;
    }
    for (TComponent* c : loaded_)
        c->SetReadingState(false);
    for (TComponent* c : loaded_)
        c->Loaded();
}

TComponent* TReader::ReadComponent(TComponent* parent) {
    if (++depth_ > 200)
        throw EReadError("Stream nesting too deep");
    const FormToken& header = Take();
    if (header.kind != FormToken::Kind::Header)
        Invalid();
    TComponent* component = root_->FindComponent(header.text);
    if (!component) {
        const TClassInfo* info = FindClass(header.className);
        if (!info || !info->Create)
            throw EClassNotFound(Format("Class %s not found", {header.className}));
        TObject* object = info->Create(root_);
        component = dynamic_cast<TComponent*>(object);
        if (!component) {
            delete object;
            throw EClassNotFound(Format("Class %s not found", {header.className}));
        }
        component->SetName(header.text);
    }
    // Made the child of its own descendant, it would close a parent cycle.
    if (IsAncestor(component, parent))
        throw EReadError(Format("Component %s is nested in itself", {header.text}));
    component->SetLoadingState(true);
    component->SetReadingState(true);
    loaded_.push_back(component);
    component->SetParentComponent(parent);
    ReadProperties(component);
    ReadListEnd();
    reading_.push_back(component);
    while (!EndOfList())
        ReadComponent(component);
    reading_.pop_back();
    ReadListEnd();
    --depth_;
    return component;
}

bool TReader::IsAncestor(const TComponent* component, const TComponent* parent) const {
    if (std::find(reading_.begin(), reading_.end(), component) != reading_.end())
        return true;
    for (const TComponent* up = parent; up; up = up->GetParentComponent())
        if (up == component)
            return true;
    return false;
}

void TReader::ReadProperties(TPersistent* instance) {
    while (!EndOfList())
        ReadProperty(instance);
}

void TReader::ReadProperty(TPersistent* instance) {
    const std::string name = ReadName();
    ReadObjectProperty(ObjectRefOf(instance), instance, name);
}

void TReader::ReadObjectProperty(const ObjectRef& object, TPersistent* persistent, const std::string& path) {
    auto notFound = [&] {
        const std::string owner = persistent ? persistent->GetNamePath() : std::string();
        throw EReadError(Format("Error reading %s.%s: Property %s does not exist", {owner, path, path}));
    };
    // True when one of the instance's defined properties took the whole path.
    auto readDefined = [&] {
        if (!persistent)
            return false;
        pendingName_ = path;
        pendingDone_ = false;
        persistent->DefineProperties(*this);
        return pendingDone_;
    };
    const size_t dot = path.find('.');
    if (dot != std::string::npos) {
        const TPropInfo* prop = GetPropInfo(object, path.substr(0, dot));
        if (!prop || prop->Kind != tkClass || !prop->GetObj) {
            // A defined property may carry a dotted name ("Picture.Data").
            if (readDefined())
                return;
            notFound();
        }
        const ObjectRef sub = GetObjectProp(object, *prop);
        if (!sub)
            notFound();
        ReadObjectProperty(sub, dynamic_cast<TPersistent*>(sub.Object), path.substr(dot + 1));
        return;
    }
    if (const TPropInfo* prop = GetPropInfo(object, path);
        prop && (prop->HasSetter() || prop->Kind == tkClass)) {
        ReadPropValue(object, *prop);
        return;
    }
    if (!readDefined())
        notFound();
}

std::int64_t TReader::ReadSetValue(const TPropInfo& prop) {
    if (ReadValue() != vaSet)
        Invalid();
    std::int64_t bits = 0;
    for (std::string e = ReadName(); !e.empty(); e = ReadName()) {
        const int bit = GetEnumValue(prop, e);
        if (bit < 0 || bit >= 64)
            Invalid();
        bits |= std::int64_t(1) << bit;
    }
    return bits;
}

void TReader::ReadPropValue(const ObjectRef& object, const TPropInfo& prop) {
    if (IsOrdinalKind(prop.Kind)) {
        std::int64_t v = 0;
        const TValueType next = NextValue();
        if (prop.Kind == tkSet) {
            v = ReadSetValue(prop);
        } else if (prop.Kind == tkEnumeration && (next == vaFalse || next == vaTrue || next == vaIdent)) {
            v = GetEnumValue(prop, ReadIdent());
            if (v < 0)
                Invalid();
        } else if (next == vaIdent) {
            if (!IdentToInt(prop.TypeName, ReadIdent(), v))
                Invalid();
        } else if (IsStringType(next) && (prop.Kind == tkChar || prop.Kind == tkWChar)) {
            const std::string s = ReadString();
            if (s.size() != 1)
                Invalid();
            v = static_cast<unsigned char>(s[0]);
        } else {
            v = ReadInteger();
            // A number given for an enumeration names one of its values or
            // none: a value past them is no value of the type at all.
            if (prop.Kind == tkEnumeration && !prop.Names.empty() &&
                (v < 0 || v >= std::int64_t(prop.Names.size())))
                Invalid();
        }
        SetOrdProp(object, prop, v);
    } else if (prop.Kind == tkFloat) {
        SetFloatProp(object, prop, ReadFloat());
    } else if (IsStringKind(prop.Kind)) {
        SetStrProp(object, prop, ReadString());
    } else if (prop.Kind == tkClass) {
        const TValueType next = NextValue();
        if (next == vaCollection) {
            auto* collection = dynamic_cast<TCollection*>(GetObjectProp(object, prop).Object);
            if (!collection)
                Invalid();
            ReadValue();
            ReadCollection(collection);
        } else if (next == vaNil) {
            ReadValue();
            if (!prop.SetObj)
                Invalid();
            prop.SetObj(object.Ptr, nullptr);
        } else if (next == vaIdent) {
            if (!prop.SetObj)
                Invalid();
            fixups_.push_back({object, &prop, ReadIdent()});
        } else {
            Invalid();
        }
    } else {
        SkipValue();
    }
}

void TReader::ReadCollection(TCollection* collection) {
    collection->BeginUpdate();
    try {
        collection->Clear();
        while (!EndOfList()) {
            if (IsIntType(NextValue()))
                ReadInteger(); // an item order value
            ReadListBegin();
            TCollectionItem* item = collection->Add();
            while (!EndOfList())
                ReadProperty(item);
            ReadListEnd();
        }
        ReadListEnd();
    } catch (...) {
        collection->EndUpdate();
        throw;
    }
    collection->EndUpdate();
}

void TReader::ResolveFixups() {
    for (const Fixup& f : fixups_) {
        TComponent* target = nullptr;
        const size_t dot = f.name.find('.');
        if (dot == std::string::npos) {
            target = SameText(f.name, root_->Name()) ? root_ : root_->FindComponent(f.name);
        } else if (TComponent* owner = root_->FindComponent(f.name.substr(0, dot))) {
            target = owner->FindComponent(f.name.substr(dot + 1));
        }
        if (!target)
            throw EReadError(Format("Unresolved reference to %s", {f.name}));
        f.prop->SetObj(f.object.Ptr, target);
    }
    fixups_.clear();
}
