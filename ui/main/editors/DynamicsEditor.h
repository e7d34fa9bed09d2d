#pragma once
// The gate, compressor and limiter pages: every fader and up-down stores
// its parameter over the link group (one record for the edited channel),
// shows it on the group's other channels and has the page's transfer curve
// redrawn; the typed entries move those controls. A curve is drawn from
// the controls of one channel, which becomes the page's channel.

#include "platform/forms/LoadScope.h"
#include "ui/main/editors/EditorContext.h"

class TTimer;

namespace korvan::editors {

enum class Dynamics { Gate, Comp, Limit };

// The channel each page shows (its curve, title and level meter).
struct DynamicsPages {
    int& gate;
    int& comp;
    int& limit;
};

class DynamicsEditor {
public:
    // Places the deferred-redraw timers tmCompDisp and tmLimitDisp.
    DynamicsEditor(const EditorContext& context, forms::LoadScope& scope, DynamicsPages pages);

    // Binds the faders, up-downs, edits and channel labels of the pages.
    void AttachHandlers();

    // Parameter k of channel ch moved to control position v (a fader's new
    // position or an up-down's requested one): the text, the page, the
    // curve, the model and the linked channels. Does nothing under the
    // update guard or for an up-down request past its range.
    void ParameterChanged(Dynamics kind, int ch, int k, int v);
    // The typed text of parameter k's edit on channel ch taken (Enter or
    // leaving the edit): it moves the control, or the previous text comes
    // back with the caret at its end.
    void ApplyEntry(Dynamics kind, int ch, int k);

    // Stores parameter k in the channel's record and sends it, unless the
    // update guard is set.
    void SetParameter(Dynamics kind, int ch, int k, int v);
    // Shows v as parameter k on every channel of ch's link group.
    void Mirror(Dynamics kind, int ch, int k, int v);

    void DrawCompCurve(int ch);
    void DrawLimitCurve(int ch);
    void DrawGateCurve(int ch);
    // The three pages' curves from the controls, as after a refresh: InA's
    // gate, Out1's compressor and limiter.
    void DrawPageCurves();

    // The deferred redraws' ticks.
    void CompTimer();
    void LimitTimer();

private:
    // The gate's curve and title; the meter's head label only when `head`.
    bool DrawGate(int ch, bool head);
    void Retitle(const char* title, const char* head, int ch, const char* key);
    int& PageOf(Dynamics kind);
    void BindMouseDowns();
    void BindEntries();

    EditorContext context_;
    DynamicsPages pages_;
    TTimer& compTimer_;
    TTimer& limitTimer_;
    int compCurveChannel_ = 4;
    int limitCurveChannel_ = 4;
};

} // namespace korvan::editors
