#pragma once
// The XY plot's channel: a free sequence of points drawn in the order they
// were added, with no rule on X. Every point is in the draw range; the
// trace may double back. The editor's transfer-curve plots replace their
// points with DeletePoints(Count) and a few AddXY calls. Bound to OPC, item
// 0 gives X and item 1 gives Y, both in a group of the channel's own.

#include "controls/plot/channels/ChannelOPC.h"
#include "controls/plot/channels/PlotChannelCustom.h"

class TiXYPlotChannel : public TiPlotChannelCustom, public TiChannelOPCBinding {
    KORVAN_CLASS(TiXYPlotChannel)
public:
    TiXYPlotChannel(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                    TNotifyEvent onRename);

    // A null or an empty point at (0, 0): left out of the running values,
    // axis tracking and logging.
    std::int32_t AddNull();
    std::int32_t AddEmpty();

    void CalcStartIndex() override;
    void CalcStopIndex() override;
    double GetFitXMax() override;
    double GetFitXMin() override;
    double GetFitYMax() override;
    double GetFitYMin() override;
    void UpdateDataCursor(IiPlotChannelCursor& cursor) override;
    void PrepareDraw() override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;

    // --- OPC ---
    // Connects when item 0 connects automatically.
    void DoInsert() override;
    // Both items, in a fresh group of this channel; nothing at design time.
    void OPCActivate();
    void OPCActivateSuspend();
    void OPCDeactivate();
    void OPCUpdateSuspend();
    void OPCUpdateResume();

protected:
    ~TiXYPlotChannel() override = default;

private:
    // After each update of the group: a point from the two items' values.
    void OPCGroupUpdated();
    // The extreme of value(i) over the valid points, from start.
    template <class F> double FitOverValidPoints(double start, F value, bool largest);
};
