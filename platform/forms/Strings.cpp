#include "platform/forms/Strings.h"

#include "platform/forms/Filer.h"
#include "platform/text/Exception.h"
#include "platform/text/Format.h"
#include "platform/text/StrUtils.h"

#include <algorithm>
#include <fstream>
#include <sstream>

const TClassInfo& TStrings::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TStrings>("TStrings", &TPersistent::StaticClassInfo()).Build();
    return info;
}

const TClassInfo& TStringList::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TStringList>("TStringList", &TStrings::StaticClassInfo()).Build();
    return info;
}

void TStrings::IndexError(int index) const {
    throw EStringListError(Format("List index out of bounds (%d)", {index}));
}

void TStrings::Put(int index, const std::string& s) {
    TObject* object = GetObject(index);
    Delete(index);
    InsertObject(index, s, object);
}

void TStrings::InsertObject(int index, const std::string& s, TObject* object) {
    Insert(index, s);
    PutObject(index, object);
}

int TStrings::Add(const std::string& s) {
    const int index = Count();
    Insert(index, s);
    return index;
}

int TStrings::AddObject(const std::string& s, TObject* object) {
    const int index = Add(s);
    PutObject(index, object);
    return index;
}

int TStrings::IndexOf(std::string_view s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Get(i), s))
            return i;
    return -1;
}

void TStrings::AddStrings(const TStrings& strings) {
    BeginUpdate();
    for (int i = 0; i < strings.Count(); ++i)
        AddObject(strings.Get(i), strings.GetObject(i));
    EndUpdate();
}

int TStrings::IndexOfName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Get(i);
        const size_t p = s.find(nameValueSeparator_);
        if (p != std::string::npos && SameText(std::string_view(s).substr(0, p), name))
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == object)
            return i;
    return -1;
}

void TStrings::Exchange(int index1, int index2) {
    const std::string s1 = Get(index1), s2 = Get(index2);
    TObject* o1 = GetObject(index1);
    TObject* o2 = GetObject(index2);
    Put(index1, s2);
    PutObject(index1, o2);
    Put(index2, s1);
    PutObject(index2, o1);
}

void TStrings::Move(int from, int to) {
    if (from == to)
        return;
    const std::string s = Get(from);
    TObject* o = GetObject(from);
    BeginUpdate();
    Delete(from);
    InsertObject(to, s, o);
    EndUpdate();
}

std::string TStrings::Names(int index) const {
    const std::string s = Get(index);
    const size_t p = s.find(nameValueSeparator_);
    return p == std::string::npos ? std::string() : s.substr(0, p);
}

std::string TStrings::ValueFromIndex(int index) const {
    const std::string s = Get(index);
    const size_t p = s.find(nameValueSeparator_);
    return p == std::string::npos ? std::string() : s.substr(p + 1);
}

std::string TStrings::Values(std::string_view name) const {
    const int i = IndexOfName(name);
    return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValue(std::string_view name, const std::string& value) {
    const int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    const std::string line = std::string(name) + nameValueSeparator_ + value;
    if (i < 0)
        Add(line);
    else
        Put(i, line);
}

std::string TStrings::Text() const {
    std::string text;
    for (int i = 0; i < Count(); ++i)
        text += Get(i) + "\r\n";
    return text;
}

void TStrings::SetText(std::string_view text) {
    BeginUpdate();
    Clear();
    size_t i = 0;
    while (i < text.size()) {
        size_t j = i;
        while (j < text.size() && text[j] != '\r' && text[j] != '\n')
            ++j;
        Add(std::string(text.substr(i, j - i)));
        if (j < text.size() && text[j] == '\r')
            ++j;
        if (j < text.size() && text[j] == '\n')
            ++j;
        i = j;
    }
    EndUpdate();
}

std::string TStrings::CommaText() const {
    std::string out;
    for (int i = 0; i < Count(); ++i) {
        const std::string s = Get(i);
        if (i > 0)
            out += ',';
        const bool quote = s.empty() || s.find_first_of(" ,\"\t") != std::string::npos;
        if (!quote) {
            out += s;
            continue;
        }
        out += '"';
        for (char c : s)
            out += c == '"' ? std::string("\"\"") : std::string(1, c);
        out += '"';
    }
    return out;
}

void TStrings::SetCommaText(std::string_view text) {
    BeginUpdate();
    Clear();
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
            ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != ',' && static_cast<unsigned char>(text[i]) > ' ')
                item += text[i++];
        }
        Add(item);
        skipBlanks();
        if (i < text.size() && text[i] == ',') {
            ++i;
            skipBlanks();
            if (i == text.size())
                Add("");
        }
    }
    EndUpdate();
}

void TStrings::LoadFromFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        throw EFOpenError("Cannot open file \"" + fileName + "\"");
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);
    SetText(text);
}

void TStrings::SaveToFile(const std::string& fileName) const {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    const std::string text = Text();
    out.write(text.data(), std::streamsize(text.size()));
    out.close();
    if (!out)
        throw EFCreateError("Cannot create file \"" + fileName + "\"");
}

void TStrings::BeginUpdate() {
    if (updateCount_++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        SetUpdateState(false);
}

void TStrings::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TStrings*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    Clear();
    nameValueSeparator_ = other->nameValueSeparator_;
    AddStrings(*other);
    EndUpdate();
}

void TStrings::DefineProperties(TFiler& filer) {
    filer.DefineProperty(
        "Strings",
        [this](TReader& reader) {
            // The whole list is read before the strings change, so a bad
            // stream leaves them as they were.
            std::vector<std::string> strings;
            reader.ReadListBegin();
            while (!reader.EndOfList())
                strings.push_back(reader.ReadString());
            reader.ReadListEnd();
            BeginUpdate();
            try {
                Clear();
                for (const std::string& s : strings)
                    Add(s);
            } catch (...) {
                EndUpdate();
                throw;
            }
            EndUpdate();
        },
        [this](TWriter& writer) {
            writer.WriteListBegin();
            for (int i = 0; i < Count(); ++i)
                writer.WriteString(Get(i));
            writer.WriteListEnd();
        },
        Count() > 0);
}

std::vector<std::string> TStrings::ToVector() const {
    std::vector<std::string> v;
    for (int i = 0; i < Count(); ++i)
        v.push_back(Get(i));
    return v;
}

TStringList::~TStringList() {
    OnChange = nullptr;
    OnChanging = nullptr;
    if (ownsObjects_)
        for (auto& item : items_)
            delete item.object;
}

void TStringList::Changed() {
    if (!updating_ && OnChange)
        OnChange(this);
}

void TStringList::Changing() {
    if (!updating_ && OnChanging)
        OnChanging(this);
}

void TStringList::SetUpdateState(bool updating) {
    updating_ = updating;
    if (updating)
        Changing();
    else
        Changed();
}

std::string TStringList::Get(int index) const {
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_[size_t(index)].s;
}

TObject* TStringList::GetObject(int index) const {
    if (index < 0 || index >= Count())
        IndexError(index);
    return items_[size_t(index)].object;
}

void TStringList::Put(int index, const std::string& s) {
    if (sorted_)
        throw EStringListError("Operation not allowed on sorted list");
    if (index < 0 || index >= Count())
        IndexError(index);
    Changing();
    items_[size_t(index)].s = s;
    Changed();
}

void TStringList::PutObject(int index, TObject* object) {
    if (index < 0 || index >= Count())
        IndexError(index);
    Changing();
    if (ownsObjects_ && items_[size_t(index)].object != object)
        delete items_[size_t(index)].object;
    items_[size_t(index)].object = object;
    Changed();
}

void TStringList::InsertItem(int index, const std::string& s, TObject* object) {
    Changing();
    items_.insert(items_.begin() + index, Item{s, object});
    Changed();
}

void TStringList::Insert(int index, const std::string& s) {
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const std::string& s, TObject* object) {
    if (sorted_)
        throw EStringListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count())
        IndexError(index);
    InsertItem(index, s, object);
}

int TStringList::Add(const std::string& s) {
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const std::string& s, TObject* object) {
    int index = Count();
    if (sorted_ && Find(s, index)) {
        if (duplicates_ == dupIgnore)
            return index;
        if (duplicates_ == dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::Delete(int index) {
    if (index < 0 || index >= Count())
        IndexError(index);
    Changing();
    TObject* object = items_[size_t(index)].object;
    items_.erase(items_.begin() + index);
    if (ownsObjects_)
        delete object;
    Changed();
}

void TStringList::Clear() {
    if (items_.empty())
        return;
    Changing();
    std::vector<Item> old;
    old.swap(items_);
    if (ownsObjects_)
        for (auto& item : old)
            delete item.object;
    Changed();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    return caseSensitive_ ? CompareStr(a, b) : CompareText(a, b);
}

bool TStringList::Find(std::string_view s, int& index) const {
    int low = 0, high = Count() - 1;
    bool found = false;
    while (low <= high) {
        const int mid = (low + high) / 2;
        const int c = CompareStrings(items_[size_t(mid)].s, s);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                // Keep going left to the first equal string, so a duplicate
                // goes before its equals.
                if (duplicates_ != dupAccept)
                    low = mid;
            }
        }
    }
    index = low;
    return found;
}

int TStringList::IndexOf(std::string_view s) const {
    if (!sorted_) {
        for (int i = 0; i < Count(); ++i)
            if (CompareStrings(items_[size_t(i)].s, s) == 0)
                return i;
        return -1;
    }
    int index = 0;
    return Find(s, index) ? index : -1;
}

void TStringList::Sort() {
    CustomSort([](const TStringList& list, int a, int b) {
        return list.CompareStrings(list.items_[size_t(a)].s, list.items_[size_t(b)].s);
    });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
    if (Count() < 2)
        return;
    Changing();
    // Sort a permutation so the compare function sees indexes of the
    // unsorted list; a stable sort keeps equal strings in their order.
    std::vector<int> order(items_.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<Item> sorted;
    for (int i : order)
        sorted.push_back(items_[size_t(i)]);
    items_.swap(sorted);
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted == sorted_)
        return;
    if (sorted)
        Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool value) {
    if (value == caseSensitive_)
        return;
    caseSensitive_ = value;
    if (sorted_)
        Sort();
}
