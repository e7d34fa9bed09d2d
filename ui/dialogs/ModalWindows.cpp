#include "ui/dialogs/ModalWindows.h"

namespace korvan {

int ShowModalOnce(TCustomForm* form) {
    if (form == nullptr || form->Visible() || form->Modal())
        return mrNone;
    return form->ShowModal();
}

void CloseWindow(TCustomForm* form) {
    if (form == nullptr)
        return;
    // A modal loop ends only once the loops opened inside it have ended:
    // the window goes from the screen now all the same.
    if (form->Modal())
        form->SetModalResult(mrCancel);
    form->Hide();
}

} // namespace korvan
