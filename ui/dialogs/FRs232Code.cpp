#include "ui/dialogs/FRs232Code.h"

#include "resources/help/HelpDocuments.h"
#include "resources/help/Rs232HelpLayout.h"

TfmRs232Code* fmRs232Code = nullptr;

TfmRs232Code::TfmRs232Code(TComponent* owner)
    : Rs232HelpForm(owner, {"fmRs232Code", "232\u901a\u8baf\u534f\u8bae\u63a7\u5236\u4ee3\u7801", 745, 671,
                            korvan::help::Rs232ChineseDocument(), korvan::help::Rs232ChineseTops}) {}
