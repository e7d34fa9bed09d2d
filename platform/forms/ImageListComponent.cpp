#include "platform/forms/ImageListComponent.h"

using korvan::forms::ClassBuilder;

const TClassInfo& TCustomImageList::StaticClassInfo() {
    using T = TCustomImageList;
    static const TClassInfo info = ClassBuilder<T>("TCustomImageList", &TComponent::StaticClassInfo())
                                       .Property("Width", &T::Width, &T::SetWidth)
                                       .Default(16)
                                       .Property("Height", &T::Height, &T::SetHeight)
                                       .Default(16)
                                       .Build();
    return info;
}

const TClassInfo& TImageListComponent::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TImageListComponent>("TImageList", &TCustomImageList::StaticClassInfo())
            .Creator()
            .Build();
    return info;
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner), TImageList(16, 16) {}

void TCustomImageList::Assign(TPersistent* source) {
    if (!source) {
        Clear();
        return;
    }
    if (auto* other = dynamic_cast<TCustomImageList*>(source)) {
        TImageList::Assign(*other);
        return;
    }
    TComponent::Assign(source);
}

void TCustomImageList::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    // Width and Height are written before this block, so reading it last
    // keeps the pictures (a new size empties the row).
    filer.DefineBinaryProperty(
        "Bitmap", [this](const std::vector<std::uint8_t>& bytes) { LoadFromBytes(bytes); },
        [this] { return SaveToBytes(); }, Count() > 0);
}
