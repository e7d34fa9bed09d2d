#include "ui/dialogs/FRs232CodeEnglish.h"

#include "resources/help/HelpDocuments.h"
#include "resources/help/Rs232HelpLayout.h"

TfmRs232CodeEnglish* fmRs232CodeEnglish = nullptr;

TfmRs232CodeEnglish::TfmRs232CodeEnglish(TComponent* owner)
    : Rs232HelpForm(owner, {"fmRs232CodeEnglish", "RS232 Protocal Code", 754, 662,
                            korvan::help::Rs232EnglishDocument(), korvan::help::Rs232EnglishTops}) {}
