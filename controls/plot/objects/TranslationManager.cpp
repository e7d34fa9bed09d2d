#include "controls/plot/objects/TranslationManager.h"

#include "controls/plot/objects/TranslationFile.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"
#include "platform/text/Format.h"

#include <algorithm>
#include <memory>

using korvan::forms::ClassBuilder;

const TClassInfo& TiPlotTranslationObject::StaticClassInfo() {
    using T = TiPlotTranslationObject;
    static const TClassInfo info =
        ClassBuilder<T>("TiPlotTranslationObject", &TPersistent::StaticClassInfo())
            .Property("OriginalString", &T::OriginalString, &T::SetOriginalString)
            .Property("ReplacementString", &T::ReplacementString, &T::SetReplacementString)
            .Build();
    return info;
}

TiPlotTranslationObject::TiPlotTranslationObject(TNotifyEvent onInsert, TNotifyEvent onRemove)
    : onInsert_(std::move(onInsert)), onRemove_(std::move(onRemove)) {
    if (onInsert_)
        onInsert_(this);
}

TiPlotTranslationObject::~TiPlotTranslationObject() {
    if (onRemove_)
        onRemove_(this);
}

// ---------------------------------------------------------------- manager

TiPlotTranslationManager::TiPlotTranslationManager(TNotifyEvent onInsert, TNotifyEvent onRemove) {
    if (!onInsert)
        throw Exception("OnInsert event handler can not be null");
    if (!onRemove)
        throw Exception("OnRemove event handler can not be null");
    onInsert_ = std::move(onInsert);
    onRemove_ = std::move(onRemove);
    onInsert_(this);
}

TiPlotTranslationManager::~TiPlotTranslationManager() {
    Clear();
    onRemove_(this);
}

void TiPlotTranslationManager::Clear() {
    // Each pair leaves the list before it is freed, so clearing ends
    // whether or not its removal notice comes back here.
    while (!list_.empty())
        Delete(0);
}

void TiPlotTranslationManager::Delete(int index) {
    TiPlotTranslationObject* pair = Items(index);
    list_.erase(list_.begin() + index);
    delete pair;
}

TiPlotTranslationObject* TiPlotTranslationManager::CreateObject() {
    auto pair = std::make_unique<TiPlotTranslationObject>(onInsert_, onRemove_);
    // Listed by the master's notice; kept here when no notice reached us.
    if (std::find(list_.begin(), list_.end(), pair.get()) == list_.end())
        list_.insert(list_.begin(), pair.get());
    return pair.release();
}

int TiPlotTranslationManager::Add() {
    CreateObject();
    return 0;
}

int TiPlotTranslationManager::Add(const std::string& originalString, const std::string& replacementString) {
    TiPlotTranslationObject* pair = CreateObject();
    pair->SetOriginalString(originalString);
    pair->SetReplacementString(replacementString);
    return 0;
}

TiPlotTranslationObject* TiPlotTranslationManager::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", {index}));
    return list_[std::size_t(index)];
}

std::string TiPlotTranslationManager::FindReplacement(std::string_view originalString) const {
    for (const TiPlotTranslationObject* pair : list_)
        if (pair->OriginalString() == originalString)
            return pair->ReplacementString();
    return std::string(originalString);
}

void TiPlotTranslationManager::NotificationInsert(TObject* sender) {
    auto* pair = dynamic_cast<TiPlotTranslationObject*>(sender);
    if (pair && std::find(list_.begin(), list_.end(), pair) == list_.end())
        list_.insert(list_.begin(), pair);
}

void TiPlotTranslationManager::NotificationRemove(TObject* sender) {
    const auto it = std::find(list_.begin(), list_.end(), sender);
    if (it != list_.end())
        list_.erase(it);
}

std::vector<TiPlotTranslationObject*> TiPlotTranslationManager::InsertionOrder() const {
    return {list_.rbegin(), list_.rend()};
}

// ---------------------------------------------------------------- streams

void TiPlotTranslationManager::WriteToStream(TWriter& writer) const {
    writer.WriteValue(vaCollection);
    for (TiPlotTranslationObject* pair : InsertionOrder()) {
        writer.WriteListBegin();
        writer.WriteProperties(pair);
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void TiPlotTranslationManager::ReadFromStream(TReader& reader) {
    Clear();
    if (reader.ReadValue() != vaCollection)
        return;
    while (!reader.EndOfList()) {
        TiPlotTranslationObject* pair = CreateObject();
        reader.ReadListBegin();
        reader.ReadProperties(pair);
        reader.ReadListEnd();
    }
    reader.ReadListEnd();
}

void TiPlotTranslationManager::SaveToFile(const std::string& fileName) const {
    try {
        TStringList lines;
        for (const TiPlotTranslationObject* pair : InsertionOrder())
            lines.Add(korvan::plot::TranslationLine({pair->OriginalString(), pair->ReplacementString()}));
        lines.SaveToFile(fileName);
    } catch (const Exception& e) {
        throw Exception("Error Saving Translation Data - " + e.Message());
    }
}

void TiPlotTranslationManager::LoadFromFile(const std::string& fileName) {
    try {
        TStringList lines;
        lines.LoadFromFile(fileName);
        Clear();
        korvan::plot::ReadTranslationLines(
            lines.ToVector(), [this](const korvan::plot::TiTranslationPair& p) { Add(p.first, p.second); });
    } catch (const Exception& e) {
        throw Exception("Error Loading Data - " + e.Message());
    }
}
