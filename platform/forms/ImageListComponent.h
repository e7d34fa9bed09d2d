#pragma once
// The image list as a component: a form owns one, controls refer to it by
// name (a control that holds one asks for its free notification and forgets
// it when the list goes). It is the picture row of platform/gfx itself, so
// whatever draws from a row draws from the component as well. The pictures
// are stored in the form as the byte block "Bitmap" (the row's own stream).
//
// Stored forms name the class TImageList; in C++ that name belongs to the
// row it wraps, so the creatable class is TImageListComponent.

#include "platform/forms/Component.h"
#include "platform/gfx/ImageList.h"

class TCustomImageList : public TComponent, public TImageList {
    KORVAN_CLASS(TCustomImageList)
public:
    explicit TCustomImageList(TComponent* owner);

    // Another image list's size and pictures; none empties the list.
    void Assign(TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;
};

class TImageListComponent : public TCustomImageList {
    KORVAN_CLASS(TImageListComponent)
public:
    using TCustomImageList::TCustomImageList;
};
