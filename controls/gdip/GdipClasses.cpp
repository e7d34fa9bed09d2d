#include "controls/gdip/GdipClasses.h"

#include "controls/gdip/AdvGDIP.h"
#include "controls/gdip/AdvProgressBar.h"
#include "controls/gdip/CurvyControls.h"
#include "controls/gdip/GDIPFill.h"
#include "controls/gdip/GDIPFillSaver.h"
#include "controls/gdip/GDIPPictureContainer.h"
#include "controls/gdip/GDIPicture.h"
#include "controls/gdip/OfficeImage.h"
#include "controls/gdip/RtfLabel.h"
#include "controls/gdip/SplashProgress.h"
#include "controls/gdip/SplashScreen.h"
#include "controls/gdip/TrackBar.h"
#include "platform/forms/Form.h"
#include "platform/forms/GraphicsProperties.h"

namespace korvan::gdip {

void RegisterGdipClasses() {
    static const bool done = [] {
        korvan::forms::RegisterStandardClasses();
        korvan::forms::RegisterColorIdents();
        for (const TClassInfo* info : {&TGDIPPicture::StaticClassInfo(),
                                       &TAdvGDIPPicture::StaticClassInfo(),
                                       &TGDIPFill::StaticClassInfo(),
                                       &TPictureItem::StaticClassInfo(),
                                       &TPictureCollection::StaticClassInfo(),
                                       &TGDIPPictureContainer::StaticClassInfo(),
                                       &TSaver::StaticClassInfo(),
                                       &TAdvTrackBar::StaticClassInfo(),
                                       &TAdvProgressBar::StaticClassInfo(),
                                       &TGDIPSplashProgress::StaticClassInfo(),
                                       &TAdvSplashProgressBar::StaticClassInfo(),
                                       &TAdvHintInfo::StaticClassInfo(),
                                       &TAdvOfficeImage::StaticClassInfo(),
                                       &TCurvyPanel::StaticClassInfo(),
                                       &TCurvyControl::StaticClassInfo(),
                                       &TCurvyControls::StaticClassInfo(),
                                       &TCurvyControlPanel::StaticClassInfo(),
                                       &TEmptyEdit::StaticClassInfo(),
                                       &TCurvyEdit::StaticClassInfo(),
                                       &TRTFLabel::StaticClassInfo(),
                                       &TSplashHeadingText::StaticClassInfo(),
                                       &TBasicProgramInfo::StaticClassInfo(),
                                       &TSplashListItem::StaticClassInfo(),
                                       &TSplashListItems::StaticClassInfo(),
                                       &TSplashItem::StaticClassInfo(),
                                       &TSplashItems::StaticClassInfo(),
                                       &TAdvSplashHTMLText::StaticClassInfo(),
                                       &TAdvSplashTopLayerItem::StaticClassInfo(),
                                       &TAdvSplashTopLayerItems::StaticClassInfo(),
                                       &TListItemsRect::StaticClassInfo(),
                                       &TSplashListItemsSettings::StaticClassInfo(),
                                       &TDovOveruvAvovozIrurid::StaticClassInfo()})
            RegisterClass(*info);
        return true;
    }();
    (void)done;
}

} // namespace korvan::gdip
