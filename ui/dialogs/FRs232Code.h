#pragma once
// The protocol help in Chinese, shown under either Chinese language.

#include "ui/dialogs/Rs232HelpForm.h"

class TfmRs232Code : public korvan::Rs232HelpForm {
public:
    explicit TfmRs232Code(TComponent* owner);
};

extern TfmRs232Code* fmRs232Code;
