#include "ui/dialogs/Rs232HelpForm.h"

#include "platform/forms/LoadScope.h"
#include "platform/forms/VirtualKeys.h"
#include "resources/help/HelpDocuments.h"
#include "resources/help/Rs232HelpLayout.h"

namespace korvan {

namespace {
// Pictures 9 and 10 keep their place when the window centres the page.
constexpr int CentredPictures = 8;
} // namespace

Rs232HelpForm::Rs232HelpForm(TComponent* owner, const Rs232HelpPage& page) : TForm(owner) {
    forms::LoadScope scope(this);
    SetName(page.name);
    SetCaption(page.caption);
    SetPosition(poDesktopCenter);
    SetWidth(page.width);
    SetHeight(page.height);
    SetColor(clWindow);
    Font().SetName("Tahoma");
    Font().SetHeight(-11);
    SetKeyPreview(true);
    sbDocument = scope.Place<TScrollBox>(this, "sbDocument", 0, 0, page.width, page.height);
    sbDocument->SetAlign(alClient);
    sbDocument->SetColor(clWindow);
    sbDocument->VertScrollBar()->SetSmooth(true);
    sbDocument->VertScrollBar()->SetIncrement(ScrollStep);
    sbDocument->HorzScrollBar()->SetIncrement(ScrollStep);
    RTFLabel = scope.Place<TRTFLabel>(sbDocument, "RTFLabel", PageLeft, help::Rs232LabelTop, PageWidth, 1400);
    RTFLabel->SetAutoSize(false);
    RTFLabel->SetTransparent(true);
    RTFLabel->SetRtfWordWrap(false);
    RTFLabel->SetRichText(std::string(page.document));
    for (std::size_t i = 0; i < AdvOfficeImage.size(); ++i) {
        const int n = int(i) + 1;
        TAdvOfficeImage* image =
            scope.Place<TAdvOfficeImage>(sbDocument, "AdvOfficeImage" + std::to_string(n), PageLeft,
                                         page.pictureTops[i], PageWidth, help::Rs232PictureHeights[i]);
        TGDIPPicture picture;
        picture.LoadFromStream(help::Rs232TablePicture(n));
        image->SetPicture(&picture);
        AdvOfficeImage[i] = image;
    }
    OnResize = [this](TObject* s) { FormResize(s); };
    OnKeyDown = [this](TObject* s, std::uint16_t& key, TShiftState shift) { FormKeyDown(s, key, shift); };
    // The wheel over the page comes here too, in place of the page's own
    // scrolling.
    for (TControl* wheeled : std::initializer_list<TControl*>{this, sbDocument}) {
        wheeled->OnMouseWheelUp = [this](TObject* s, TShiftState shift, int x, int y, bool& handled) {
            FormMouseWheelUp(s, shift, x, y, handled);
        };
        wheeled->OnMouseWheelDown = [this](TObject* s, TShiftState shift, int x, int y, bool& handled) {
            FormMouseWheelDown(s, shift, x, y, handled);
        };
    }
    OnClose = [this](TObject* s, TCloseAction& action) { FormClose(s, action); };
    OnShow = [this](TObject* s) { FormShow(s); };
    scope.Finish();
}

void Rs232HelpForm::FormResize(TObject* /*Sender*/) {
    const int left = Width() < CentringWidth ? PageLeft : (Width() - CentringWidth) / 2 + PageLeft;
    // Children sit where the page has scrolled them.
    const int shown = left + sbDocument->ScrollPos().X;
    RTFLabel->SetLeft(shown);
    for (int i = 0; i < CentredPictures; ++i)
        AdvOfficeImage[std::size_t(i)]->SetLeft(shown);
}

void Rs232HelpForm::FormKeyDown(TObject* /*Sender*/, std::uint16_t& Key, TShiftState /*Shift*/) {
    TControlScrollBar* vert = sbDocument->VertScrollBar();
    TControlScrollBar* horz = sbDocument->HorzScrollBar();
    switch (Key) {
    case VK_PRIOR:
        vert->SetPosition(vert->Position() - Height());
        break;
    case VK_NEXT:
        vert->SetPosition(vert->Position() + Height());
        break;
    case VK_UP:
        vert->SetPosition(vert->Position() - ScrollStep);
        break;
    case VK_DOWN:
        vert->SetPosition(vert->Position() + ScrollStep);
        break;
    case VK_LEFT:
        horz->SetPosition(horz->Position() - ScrollStep);
        break;
    case VK_RIGHT:
        horz->SetPosition(horz->Position() + ScrollStep);
        break;
    default:
        break;
    }
}

void Rs232HelpForm::FormMouseWheelUp(TObject* /*Sender*/, TShiftState /*Shift*/, int /*x*/, int /*y*/,
                                     bool& Handled) {
    sbDocument->VertScrollBar()->SetPosition(sbDocument->VertScrollBar()->Position() - ScrollStep);
    Handled = true;
}

void Rs232HelpForm::FormMouseWheelDown(TObject* /*Sender*/, TShiftState /*Shift*/, int /*x*/, int /*y*/,
                                       bool& Handled) {
    sbDocument->VertScrollBar()->SetPosition(sbDocument->VertScrollBar()->Position() + ScrollStep);
    Handled = true;
}

// The next opening shows the window at its normal size, whatever it was.
void Rs232HelpForm::FormClose(TObject* /*Sender*/, TCloseAction& /*Action*/) {
    SetWindowState(wsNormal);
    SetHeight(ClosedHeight);
    SetWidth(ClosedWidth);
}

void Rs232HelpForm::FormShow(TObject* /*Sender*/) {}

} // namespace korvan
