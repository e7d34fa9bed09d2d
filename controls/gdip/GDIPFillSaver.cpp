#include "controls/gdip/GDIPFillSaver.h"

const TClassInfo& TSaver::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TSaver>("TSaver", &TComponent::StaticClassInfo())
            .Creator()
            .Property("SaveObject", &TSaver::SaveObject, &TSaver::SetSaveObject)
            .Build();
    return info;
}
