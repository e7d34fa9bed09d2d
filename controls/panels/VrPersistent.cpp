#include "controls/panels/VrPersistent.h"

const TClassInfo& TVrPersistent::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TVrPersistent>("TVrPersistent", &TPersistent::StaticClassInfo()).Build();
    return info;
}

void TVrPersistent::EndUpdate() {
    if (updateCount_ > 0)
        --updateCount_;
    NotifyChanged();
}

void TVrPersistent::NotifyChanged() {
    if (updateCount_ == 0 && OnChange)
        OnChange(this);
}
