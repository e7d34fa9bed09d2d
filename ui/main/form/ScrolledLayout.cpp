#include "ui/main/form/ScrolledLayout.h"

namespace korvan::mainform {

bool LayOutScrolled(TScrollBox& box, const std::function<bool()>& layOut) {
    TControlScrollBar& horz = *box.HorzScrollBar();
    TControlScrollBar& vert = *box.VertScrollBar();
    const TPoint scrolled{horz.Position(), vert.Position()};
    horz.SetPosition(0);
    vert.SetPosition(0);
    const bool scroll = layOut();
    box.SetAutoScroll(scroll);
    if (!scroll) {
        // Ranges left from the last scrolling would keep the bars up.
        horz.SetRange(0);
        vert.SetRange(0);
    }
    // The content's extent changed with the layout.
    box.Realign();
    horz.SetPosition(scrolled.X);
    vert.SetPosition(scrolled.Y);
    return scroll;
}

} // namespace korvan::mainform
