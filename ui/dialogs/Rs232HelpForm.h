#pragma once
// A protocol help window: the document in a rich-text label with the ten
// packet-table pictures in the gaps it leaves, in a page that scrolls by
// the wheel (30 pixels a notch), the arrow keys (30 pixels) and Page Up and
// Page Down (the window's height). The text and pictures 1 to 8 stay
// centred in a window wider than the page; closing gives the window its
// normal size back for the next opening.

#include "controls/gdip/OfficeImage.h"
#include "controls/gdip/RtfLabel.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace korvan {

struct Rs232HelpPage {
    std::string name, caption;
    int width = 0, height = 0;
    std::string_view document;
    std::array<int, 10> pictureTops{};
};

class Rs232HelpForm : public TForm {
public:
    Rs232HelpForm(TComponent* owner, const Rs232HelpPage& page);

    // The page that scrolls, filling the window.
    TScrollBox* sbDocument;
    TRTFLabel* RTFLabel;
    // AdvOfficeImage1 to AdvOfficeImage10.
    std::array<TAdvOfficeImage*, 10> AdvOfficeImage{};

    void FormResize(TObject* Sender);
    void FormKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);
    void FormMouseWheelUp(TObject* Sender, TShiftState Shift, int x, int y, bool& Handled);
    void FormMouseWheelDown(TObject* Sender, TShiftState Shift, int x, int y, bool& Handled);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormShow(TObject* Sender);

    static constexpr int PageLeft = 50;
    static constexpr int PageWidth = 630;
    static constexpr int ScrollStep = 30;
    // The window keeps the page at PageLeft up to this width and centres it
    // beyond.
    static constexpr int CentringWidth = 750;
    static constexpr int ClosedWidth = 755;
    static constexpr int ClosedHeight = 666;
};

} // namespace korvan
