#pragma once
// What the track bar's parts (thumb, groove, ticks, step buttons, label)
// share: one OnChange channel to the owning track bar, setters that store
// a changed value and notify (or, for the few silent ones, only store),
// and the declaration of such properties from one row per property.

#include "controls/gdip/GDIPicture.h"
#include "controls/gdip/TrackBarTypes.h"
#include "platform/forms/Persistent.h"
#include "platform/gfx/Color.h"

#include <functional>
#include <memory>

class TCustomTrackBar;

class TTrackBarPart : public TPersistent {
    KORVAN_CLASS(TTrackBarPart)
public:
    TTrackBarPart() = default;
    TTrackBarPart(const TTrackBarPart&) = delete;
    TTrackBarPart& operator=(const TTrackBarPart&) = delete;

    // The owner's channel: every notifying change ends here.
    TNotifyEvent OnChange;

    // The owning track bar, for the parts whose sizes follow its
    // orientation; null until the owner sets it (not owned).
    TCustomTrackBar* AdvTrackBar() const { return owner_; }
    void SetAdvTrackBar(TCustomTrackBar* owner) { owner_ = owner; }

protected:
    void Changed() {
        if (OnChange)
            OnChange(this);
    }
    template <class V> void NotifyStore(V& field, V value) {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    template <class V> static void FieldStore(V& field, V value) { field = value; }
    // A picture owned by a part, its changes sent to `onChange`.
    static std::unique_ptr<TGDIPPicture> MakePicture(std::function<void()> onChange);
    // Copies `source` (null: clears) into `held`.
    static void CopyPicture(TGDIPPicture& held, TGDIPPicture* source);
    // `Picture` holds an image: measures it (width, height); false when empty.
    static bool MeasurePicture(TGDIPPicture& picture, int& width, int& height);

private:
    TCustomTrackBar* owner_ = nullptr;
};

// One property row: KIND is Notify (store a changed value, then OnChange)
// or Field (store only).
#define KORVAN_PART_PROPERTY(TYPE, NAME, DEFAULT, KIND)                                                      \
public:                                                                                                      \
    TYPE NAME() const {                                                                                      \
        return NAME##_;                                                                                      \
    }                                                                                                        \
    void Set##NAME(TYPE value) {                                                                             \
        KIND##Store(NAME##_, value);                                                                         \
    }                                                                                                        \
                                                                                                             \
private:                                                                                                     \
    TYPE NAME##_ = DEFAULT;

// The same row registered on the ClassBuilder `builder` of class `Self`.
#define KORVAN_REGISTER_PART_PROPERTY(TYPE, NAME, DEFAULT, KIND)                                             \
    builder.Property(#NAME, &Self::NAME, &Self::Set##NAME).Default(DEFAULT);
#define KORVAN_REGISTER_PART_COLOR(TYPE, NAME, DEFAULT, KIND)                                                \
    builder.Property(#NAME, &Self::NAME, &Self::Set##NAME).TypeName("TColor").Default(DEFAULT);

// A picture property: getter, copying setter and the owned picture.
#define KORVAN_PART_PICTURE(NAME)                                                                            \
public:                                                                                                      \
    TGDIPPicture* NAME() const {                                                                             \
        return NAME##_.get();                                                                                \
    }                                                                                                        \
    void Set##NAME(TGDIPPicture* value) {                                                                    \
        CopyPicture(*NAME##_, value);                                                                        \
    }                                                                                                        \
                                                                                                             \
private:                                                                                                     \
    std::unique_ptr<TGDIPPicture> NAME##_;
