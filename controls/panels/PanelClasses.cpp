#include "controls/panels/PanelClasses.h"

#include "controls/panels/BmpButton.h"
#include "controls/panels/ComboBox.h"
#include "controls/panels/DemoButton.h"
#include "controls/panels/FrameController.h"
#include "controls/panels/GroupBox.h"
#include "controls/panels/Label.h"
#include "controls/panels/Panel.h"
#include "controls/panels/PowerButton.h"
#include "controls/panels/PushButton.h"
#include "controls/panels/RegIniFile.h"
#include "controls/panels/ShapeButton.h"
#include "platform/forms/Form.h"

namespace korvan::panels {

void RegisterPanelClasses() {
    static const bool done = [] {
        korvan::forms::RegisterStandardClasses();
        for (const TClassInfo* info :
             {&TRzBmpButton::StaticClassInfo(), &TRzPanel::StaticClassInfo(), &TRzGroupBox::StaticClassInfo(),
              &TRzFrameController::StaticClassInfo(), &TRzRegIniFile::StaticClassInfo(),
              &TRzLabel::StaticClassInfo(), &TRzButton::StaticClassInfo(), &TRzShapeButton::StaticClassInfo(),
              &TRzComboBox::StaticClassInfo(), &TVrPowerButton::StaticClassInfo(),
              &TVrDemoButton::StaticClassInfo()})
            RegisterClass(*info);
        RegisterVrCursors();
        return true;
    }();
    (void)done;
}

} // namespace korvan::panels
