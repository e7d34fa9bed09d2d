#pragma once
// The plot's channel manager: it makes channels of the class the plot
// chooses, names a new unnamed channel "Channel n", copies the name into
// its title, gives it the colour the listed channels use least and binds it
// to the first X and the first Y axis by name.

#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/core/ObjectManager.h"

#include <functional>

class TiPlotMasterManager;
class TiPlotXAxisManager;
class TiPlotYAxisManager;

// Makes one channel of a class with its owner and the four callbacks.
using TiPlotChannelFactory =
    std::function<TiPlotChannelCustom*(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                       TNotifyEvent onRemove, TNotifyEvent onRename)>;

namespace korvan::plot {
template <class TChannel> TiPlotChannelFactory ChannelFactory() {
    return [](TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
              TNotifyEvent onRename) -> TiPlotChannelCustom* {
        return new TChannel(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                            std::move(onRename));
    };
}
} // namespace korvan::plot

class TiPlotChannelManager : public TiPlotKindManager<TiPlotChannelCustom> {
public:
    using TiPlotKindManager<TiPlotChannelCustom>::TiPlotKindManager;
    std::string GetBaseName() const override { return "Channel"; }
    // Raises "Channel class not set" until the plot chose a class.
    TiPlotObject* CreateObject() override;

    void SetChannelClass(TiPlotChannelFactory factory) { channelClass_ = std::move(factory); }
    bool HasChannelClass() const { return bool(channelClass_); }
    // The axis managers whose first axes new channels are bound to (may be
    // none).
    void SetAxisManagers(TiPlotXAxisManager* xAxes, TiPlotYAxisManager* yAxes) {
        xAxisManager_ = xAxes;
        yAxisManager_ = yAxes;
    }
    // A new channel of the chosen class, listed and named; its index.
    int AddChannel();
    void NotificationRemove(TObject* sender) override;

protected:
    void AfterNaming(TiPlotChannelCustom* channel) override;

private:
    TiPlotChannelFactory channelClass_;
    TiPlotXAxisManager* xAxisManager_ = nullptr;
    TiPlotYAxisManager* yAxisManager_ = nullptr;
};

namespace korvan::plot {
// Makes the channel manager of a plot, links it to the master's axis
// managers, leaves it in the master's care and lets the master's
// ClearAllData empty every channel. Returns the manager.
TiPlotChannelManager* AdoptChannelManager(TiPlotMasterManager& master);
} // namespace korvan::plot
