#pragma once
// The Matrix page: the route buttons that switch each input into each
// output, the mix gain of every input in every output by up-down or typed
// entry, and the routes drawn on the block diagram. Routing and mix gains
// are per output: no link group is followed. Each edit stores in the model,
// which sends one record.

#include "ui/main/editors/EditorContext.h"

class TObject;
class TCurvyEdit;

namespace korvan::editors {

class RoutingEditor {
public:
    // `extraHeight`: how much taller than its design the window is.
    RoutingEditor(const EditorContext& context, const int& extraHeight)
        : context_(context), extraHeight_(extraHeight) {}

    // Binds the route buttons, up-downs and edits of the eight outputs and
    // the paint box the routes are drawn on.
    void AttachHandlers();

    // A route button of output n (1..8) was clicked; its Down is the new
    // state and its Tag the input.
    void RouteClicked(int output, TObject* sender);
    // An up-down of output n is about to move to `newValue`.
    void MixChanging(int output, TObject* sender, int newValue);
    // The typed gain of `edit` in output n taken (Enter or leaving it).
    void ApplyMixGainEntry(int output, TCurvyEdit& edit);
    // The block diagram repainted now, with the model's routes.
    void DrawMatrixRoutes();

private:
    EditorContext context_;
    const int& extraHeight_;
};

} // namespace korvan::editors
