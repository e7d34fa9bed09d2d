#pragma once
// TSaver: the carrier that puts one persistent object into the component
// stream format. The stream holds one TSaver whose SaveObject carries the
// object's published properties as nested properties ("SaveObject.Color").

#include "platform/forms/Component.h"

class TSaver : public TComponent {
    KORVAN_CLASS(TSaver)
public:
    explicit TSaver(TComponent* owner) : TComponent(owner) {}
    // Not owned; reading the stream sets the properties of this object.
    TPersistent* SaveObject() const { return saveObject_; }
    void SetSaveObject(TPersistent* value) { saveObject_ = value; }

private:
    TPersistent* saveObject_ = nullptr;
};
