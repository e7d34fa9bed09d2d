#pragma once
// String lists: strings with an optional object each, name=value access,
// text in lines, and (TStringList) sorting. A sorted list that accepts
// duplicates puts a new string before the strings with an equal key.

#include "platform/forms/Persistent.h"

#include <string>
#include <string_view>
#include <vector>

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStrings : public TPersistent {
    KORVAN_CLASS(TStrings)
public:
    // The storage operations of a concrete list.
    virtual int Count() const = 0;
    virtual std::string Get(int index) const = 0;
    virtual TObject* GetObject(int index) const = 0;
    virtual void Put(int index, const std::string& s);
    virtual void PutObject(int index, TObject* object) = 0;
    virtual void Insert(int index, const std::string& s) = 0;
    virtual void InsertObject(int index, const std::string& s, TObject* object);
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;
    virtual int Add(const std::string& s);
    virtual int AddObject(const std::string& s, TObject* object);
    virtual int IndexOf(std::string_view s) const;

    std::string operator[](int index) const { return Get(index); }
    void Append(const std::string& s) { Add(s); }
    void AddStrings(const TStrings& strings);
    int IndexOfName(std::string_view name) const;
    int IndexOfObject(const TObject* object) const;
    void Exchange(int index1, int index2);
    void Move(int from, int to);

    // "name=value" lines.
    std::string Names(int index) const;
    std::string ValueFromIndex(int index) const;
    std::string Values(std::string_view name) const;
    // An empty value removes the line.
    void SetValue(std::string_view name, const std::string& value);
    char NameValueSeparator() const { return nameValueSeparator_; }
    void SetNameValueSeparator(char c) { nameValueSeparator_ = c; }

    // Lines joined with CR LF (each line ended); setting splits at CR LF,
    // LF or CR.
    std::string Text() const;
    void SetText(std::string_view text);
    // Comma-separated, strings with blanks, commas or quotes in quotes.
    std::string CommaText() const;
    void SetCommaText(std::string_view text);

    // Lines of a text file; a UTF-8 byte-order mark is skipped. Raises
    // EFOpenError / EFCreateError when the file cannot be opened.
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    void Assign(TPersistent* source) override;
    // A list is stored as "Strings": a list of its strings (objects are not
    // stored); an empty list stores nothing.
    void DefineProperties(TFiler& filer) override;
    std::vector<std::string> ToVector() const;

protected:
    virtual void SetUpdateState(bool updating) { (void)updating; }
    [[noreturn]] void IndexError(int index) const;

private:
    int updateCount_ = 0;
    char nameValueSeparator_ = '=';
};

class TStringList : public TStrings {
    KORVAN_CLASS(TStringList)
public:
    TStringList() = default;
    ~TStringList() override;
    TStringList(const TStringList&) = delete;
    TStringList& operator=(const TStringList&) = delete;

    int Count() const override { return int(items_.size()); }
    std::string Get(int index) const override;
    TObject* GetObject(int index) const override;
    void Put(int index, const std::string& s) override;
    void PutObject(int index, TObject* object) override;
    void Insert(int index, const std::string& s) override;
    void InsertObject(int index, const std::string& s, TObject* object) override;
    void Delete(int index) override;
    void Clear() override;
    int Add(const std::string& s) override;
    int AddObject(const std::string& s, TObject* object) override;
    int IndexOf(std::string_view s) const override;

    // Binary search of a sorted list: true when found, with `index` at the
    // first equal string; otherwise `index` is where it would go.
    bool Find(std::string_view s, int& index) const;
    void Sort();
    void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates d) { duplicates_ = d; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value);
    // When set, the list frees the objects it holds as they leave it.
    bool OwnsObjects() const { return ownsObjects_; }
    void SetOwnsObjects(bool value) { ownsObjects_ = value; }

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    virtual int CompareStrings(std::string_view a, std::string_view b) const;
    void Changed();
    void Changing();

private:
    struct Item {
        std::string s;
        TObject* object = nullptr;
    };
    void InsertItem(int index, const std::string& s, TObject* object);

    std::vector<Item> items_;
    bool sorted_ = false;
    TDuplicates duplicates_ = dupIgnore;
    bool caseSensitive_ = false;
    bool ownsObjects_ = false;
    bool updating_ = false;
};
