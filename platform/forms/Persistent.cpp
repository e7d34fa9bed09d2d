#include "platform/forms/Persistent.h"

#include "platform/text/Exception.h"
#include "platform/text/Format.h"

const TClassInfo& TPersistent::StaticClassInfo() {
    static const TClassInfo info = korvan::forms::ClassBuilder<TPersistent>("TPersistent", nullptr).Build();
    return info;
}

void TPersistent::Assign(TPersistent* source) {
    if (source) {
        source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) {
    dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* source) {
    const std::string sourceName = source ? source->ClassName() : std::string("nil");
    throw EConvertError(Format("Cannot assign a %s to a %s", {sourceName, ClassName()}));
}

std::string TPersistent::GetNamePath() const {
    return ClassName();
}
