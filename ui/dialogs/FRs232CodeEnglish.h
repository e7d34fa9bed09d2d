#pragma once
// The protocol help in English, shown while the editor's language is English.

#include "ui/dialogs/Rs232HelpForm.h"

class TfmRs232CodeEnglish : public korvan::Rs232HelpForm {
public:
    explicit TfmRs232CodeEnglish(TComponent* owner);
};

extern TfmRs232CodeEnglish* fmRs232CodeEnglish;
