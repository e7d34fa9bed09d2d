#pragma once
// Translations: pairs of a text the plot pack shows and the text to show
// instead. The newest pair comes first in the list (index 0), so among
// pairs for the same text the one added last wins. The list goes into the
// plot's form as a collection and to a tab-separated text file; both are
// written oldest pair first, so reading either back gives the same list in
// the same order.
//
// Pairs announce themselves through the master's insert callback on
// creation and their end through its remove callback; the master passes
// both on to the manager, which is how a pair enters and leaves the list.

#include "platform/forms/Persistent.h"

#include <string>
#include <string_view>
#include <vector>

class TReader;
class TWriter;

class TiPlotTranslationObject : public TPersistent {
    KORVAN_CLASS(TiPlotTranslationObject)
public:
    // Both texts start as "Unknown"; the pair then reports itself through
    // onInsert.
    TiPlotTranslationObject(TNotifyEvent onInsert, TNotifyEvent onRemove);
    ~TiPlotTranslationObject() override;
    TiPlotTranslationObject(const TiPlotTranslationObject&) = delete;
    TiPlotTranslationObject& operator=(const TiPlotTranslationObject&) = delete;

    const std::string& OriginalString() const { return originalString_; }
    void SetOriginalString(const std::string& value) { originalString_ = value; }
    const std::string& ReplacementString() const { return replacementString_; }
    void SetReplacementString(const std::string& value) { replacementString_ = value; }

private:
    TNotifyEvent onInsert_;
    TNotifyEvent onRemove_;
    std::string originalString_ = "Unknown";
    std::string replacementString_ = "Unknown";
};

class TiPlotTranslationManager : public TObject {
public:
    // Raises "OnInsert event handler can not be null" or "OnRemove event
    // handler can not be null"; then reports itself through onInsert.
    TiPlotTranslationManager(TNotifyEvent onInsert, TNotifyEvent onRemove);
    ~TiPlotTranslationManager() override;
    TiPlotTranslationManager(const TiPlotTranslationManager&) = delete;
    TiPlotTranslationManager& operator=(const TiPlotTranslationManager&) = delete;

    void Clear();
    // Frees pair `index`; raises EListError outside the list.
    void Delete(int index);
    // A new "Unknown" pair (listed once the master passes its notice on).
    TiPlotTranslationObject* CreateObject();
    // A new pair's index: 0.
    int Add();
    // A new pair with both texts; its index.
    int Add(const std::string& originalString, const std::string& replacementString);
    int Count() const { return int(list_.size()); }
    TiPlotTranslationObject* Items(int index) const;
    // The replacement of the newest pair whose text equals `originalString`
    // exactly (letter case counts), else the text itself.
    std::string FindReplacement(std::string_view originalString) const;

    void NotificationInsert(TObject* sender);
    void NotificationRemove(TObject* sender);

    bool DoWriteToStream() const { return !list_.empty(); }
    void WriteToStream(TWriter& writer) const;
    void ReadFromStream(TReader& reader);
    // Any failure is raised again as "Error Saving Translation Data - " or
    // "Error Loading Data - " followed by its message; a load keeps the
    // pairs read before the failing line.
    void SaveToFile(const std::string& fileName) const;
    void LoadFromFile(const std::string& fileName);

private:
    // Oldest first: the order files and streams are written in.
    std::vector<TiPlotTranslationObject*> InsertionOrder() const;

    std::vector<TiPlotTranslationObject*> list_;
    TNotifyEvent onInsert_;
    TNotifyEvent onRemove_;
};
