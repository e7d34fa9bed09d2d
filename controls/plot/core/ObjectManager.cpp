#include "controls/plot/core/ObjectManager.h"

#include "platform/forms/Filer.h"
#include "platform/text/Exception.h"
#include "platform/text/Format.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

#include <algorithm>

// --- the list ---

TiPlotObjectManagerCustom::TiPlotObjectManagerCustom(TComponent* owner, TNotifyEvent onChange,
                                                     TNotifyEvent onInsert, TNotifyEvent onRemove,
                                                     TNotifyEvent onRename) {
    if (!owner)
        throw Exception("Owner must be Assigned");
    if (!onChange)
        throw Exception("OnChange event handler can not be null");
    if (!onInsert)
        throw Exception("OnInsert event handler can not be null");
    if (!onRemove)
        throw Exception("OnRemove event handler can not be null");
    if (!onRename)
        throw Exception("AOnRename event handler can not be null");
    owner_ = owner;
    onChange_ = std::move(onChange);
    onInsert_ = std::move(onInsert);
    onRemove_ = std::move(onRemove);
    onRename_ = std::move(onRename);
}

TiPlotObjectManagerCustom::~TiPlotObjectManagerCustom() {
    // Deleted without Free: the manager's own kind is gone by now, but its
    // objects still go and the notice is still given.
    if (!destroying_)
        BeforeDestruction();
}

void TiPlotObjectManagerCustom::Free() {
    if (destroying_)
        return;
    BeforeDestruction();
    delete this;
}

void TiPlotObjectManagerCustom::BeforeDestruction() {
    destroying_ = true;
    Clear();
    if (onRemove_)
        onRemove_(this);
}

void TiPlotObjectManagerCustom::ObjectRemoved(TiPlotObject* object) {
    (void)object;
}

void TiPlotObjectManagerCustom::NotificationRemove(TObject* sender) {
    for (int i = Count() - 1; i >= 0; --i)
        if (list_[std::size_t(i)] == sender) {
            TiPlotObject* object = list_[std::size_t(i)];
            list_.erase(list_.begin() + i);
            ObjectRemoved(object);
            if (onChange_)
                onChange_(this);
            return;
        }
}

void TiPlotObjectManagerCustom::NotificationRename(TObject* sender) {
    for (TiPlotObject* object : std::vector<TiPlotObject*>(list_))
        object->NotifyRename(sender);
}

void TiPlotObjectManagerCustom::NotificationSetFocus(TObject* sender) {
    for (TiPlotObject* object : std::vector<TiPlotObject*>(list_))
        object->NotifySetFocus(sender);
}

void TiPlotObjectManagerCustom::Clear() {}

void TiPlotObjectManagerCustom::Delete(int index) {
    Items(index);
    list_.erase(list_.begin() + index);
}

void TiPlotObjectManagerCustom::InsertObject(TiPlotObject* object) {
    if (object && GetIndex(object) < 0)
        list_.push_back(object);
}

TiPlotObject* TiPlotObjectManagerCustom::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", {index}));
    return list_[std::size_t(index)];
}

int TiPlotObjectManagerCustom::GetIndex(const TiPlotObject* object) const {
    const auto it = std::find(list_.begin(), list_.end(), object);
    return it == list_.end() ? -1 : int(it - list_.begin());
}

TiPlotObject* TiPlotObjectManagerCustom::GetObjectByName(std::string_view name) const {
    const int index = GetIndexByName(name);
    return index < 0 ? nullptr : list_[std::size_t(index)];
}

int TiPlotObjectManagerCustom::GetIndexByName(std::string_view name) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(list_[std::size_t(i)]->Name(), name))
            return i;
    return -1;
}

std::string TiPlotObjectManagerCustom::GetNextName() const {
    const std::string base = GetBaseName();
    std::int64_t highest = 0;
    for (const TiPlotObject* object : list_) {
        const std::string& name = object->Name();
        if (name.size() < base.size() || !SameText(std::string_view(name).substr(0, base.size()), base))
            continue;
        // The rest must be a number (leading blanks allowed); other rests
        // are skipped.
        std::int64_t number = 0;
        if (TryStrToInt64(std::string_view(name).substr(base.size()), number) && number > highest)
            highest = number;
    }
    return base + " " + IntToStr(highest + 1);
}

// --- streaming ---

void TiPlotObjectManagerCustom::WriteToStream(TWriter& writer) {
    writer.WriteValue(vaCollection);
    for (TiPlotObject* object : list_) {
        writer.WriteListBegin();
        writer.WriteProperties(object);
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void TiPlotObjectManagerCustom::ReadFromStream(TReader& reader) {
    Clear();
    if (reader.ReadValue() != vaCollection)
        return;
    while (!reader.EndOfList()) {
        // Owned here until complete: an object whose properties fail to
        // read is freed, the ones completed before stay listed.
        TiPlotObjectPtr<TiPlotObject> object(CreateObject());
        reader.ReadListBegin();
        reader.ReadProperties(object.get());
        reader.ReadListEnd();
        TiPlotObject* completed = object.release();
        completed->DoInsert();
        // The master lists it; without one the manager keeps it itself.
        InsertObject(completed);
    }
    reader.ReadListEnd();
}

// --- owned managers ---

void TiPlotObjectOwnedManager::Clear() {
    // Each destructor's notice takes its object out of the list being
    // cleared; the copy frees each exactly once.
    const std::vector<TiPlotObject*> objects = List();
    for (TiPlotObject* object : objects)
        if (GetIndex(object) >= 0)
            object->Free();
    while (Count() > 0)
        Delete(Count() - 1);
}

void TiPlotObjectOwnedManager::NotificationRemove(TObject* sender) {
    if (sender == this)
        return;
    for (TiPlotObject* object : std::vector<TiPlotObject*>(List()))
        if (object != sender)
            object->NotifyRemove(sender);
    TiPlotObjectManagerCustom::NotificationRemove(sender);
}

// --- the all-objects manager ---

TiPlotObject* TiPlotObjectManager::CreateObject() {
    throw Exception("Object Manager does not support creation of objects");
}

void TiPlotObjectManager::NotificationInsert(TObject* sender) {
    if (auto* object = dynamic_cast<TiPlotObject*>(sender))
        InsertObject(object);
}

std::vector<TiPlotObject*> TiPlotObjectManager::Selected() const {
    std::vector<TiPlotObject*> selected;
    for (TiPlotObject* object : List())
        if (object->UserSelected())
            selected.push_back(object);
    return selected;
}

void TiPlotObjectManager::ClearAllUserSelections() {
    for (TiPlotObject* object : std::vector<TiPlotObject*>(List()))
        object->SetUserSelected(false);
}

void TiPlotObjectManager::SetShiftState(TShiftState value) {
    for (TiPlotObject* object : List())
        object->SetShiftState(value);
}

void TiPlotObjectManager::MouseDownFocusObjects(TMouseButton button, TShiftState shift, int x, int y,
                                                int screenX, int screenY, TPopupMenu* popupMenu) {
    for (TiPlotObject* object : Selected())
        object->iMouseDown(button, shift, x, y, screenX, screenY, popupMenu);
}

void TiPlotObjectManager::MouseMoveFocusObjects(TiHintData hintData, TShiftState shift, int x, int y,
                                                int screenX, int screenY, bool dblClickActive) {
    for (TiPlotObject* object : Selected())
        object->iMouseMove(hintData, shift, x, y, screenX, screenY, dblClickActive);
}

void TiPlotObjectManager::MouseUpFocusObjects(TMouseButton button, TShiftState shift, int x, int y,
                                              int screenX, int screenY, bool dblClickActive,
                                              TPopupMenu* popupMenu) {
    for (TiPlotObject* object : Selected())
        object->iMouseUp(button, shift, x, y, screenX, screenY, dblClickActive, popupMenu);
}

void TiPlotObjectManager::KeyDownFocusObjects(std::uint16_t& charCode, TShiftState shift,
                                              TPopupMenu* popupMenu) {
    for (TiPlotObject* object : Selected())
        object->iKeyDown(charCode, shift, popupMenu);
}

bool TiPlotObjectManager::MouseWheelFocusObjects(int wheelDelta, TShiftState shift, TPoint mousePos) {
    bool taken = false;
    for (TiPlotObject* object : Selected())
        if (object->iMouseWheel(wheelDelta, shift, mousePos))
            taken = true;
    return taken;
}

void TiPlotObjectManager::ShutDownSetup() {
    for (TiPlotObject* object : List()) {
        object->OnRemove = nullptr;
        object->OnLayoutChange = nullptr;
        object->OnChange = nullptr;
    }
}
