#include "ui/main/PeqGridLanguage.h"

#include "ui/curves/MyPEQType8.h"
#include "ui/main/LanguageTables.h"

#include <string>

namespace korvan {

void ApplyPeqGridLanguage(TMyPEQType8& grid, const TStrings& table) {
    for (int i = 0; i < 9; ++i)
        grid.SetEqTypeString(TranslateIn(table, "SID_EQ_TYPE" + std::to_string(i)), i);
    grid.SetBypassString(TranslateIn(table, "SID_EQ_BYPASS"));
    grid.ChangeLanguage();
}

} // namespace korvan
