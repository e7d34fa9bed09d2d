#include "controls/plot/channels/ChannelManager.h"

#include "controls/plot/core/ChannelColors.h"
#include "controls/plot/master/MasterManager.h"
#include "platform/text/Exception.h"

TiPlotObject* TiPlotChannelManager::CreateObject() {
    if (!channelClass_)
        throw Exception("Channel class not set");
    return channelClass_(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename());
}

int TiPlotChannelManager::AddChannel() {
    CreateObject()->DoInsert();
    return Count() - 1;
}

void TiPlotChannelManager::AfterNaming(TiPlotChannelCustom* channel) {
    channel->SetTitleText(channel->Name());
    std::vector<TColor> colors;
    for (int i = 0; i < Count(); ++i)
        colors.push_back(Items(i)->Color());
    channel->SetColor(korvan::plot::GetNextChannelColor(colors));
    if (xAxisManager_ && xAxisManager_->Count() > 0)
        channel->SetXAxisName(xAxisManager_->Items(0)->Name());
    if (yAxisManager_ && yAxisManager_->Count() > 0)
        channel->SetYAxisName(yAxisManager_->Items(0)->Name());
}

void TiPlotChannelManager::NotificationRemove(TObject* sender) {
    TiPlotKindManager<TiPlotChannelCustom>::NotificationRemove(sender);
    if (sender == xAxisManager_)
        xAxisManager_ = nullptr;
    if (sender == yAxisManager_)
        yAxisManager_ = nullptr;
}

namespace korvan::plot {

TiPlotChannelManager* AdoptChannelManager(TiPlotMasterManager& master) {
    auto manager = TiPlotObjectManagerCustom::Make<TiPlotChannelManager>(
        master.Owner(), master.ChangeCallback(), master.InsertCallback(), master.RemoveCallback(),
        master.RenameCallback());
    TiPlotChannelManager* channels = manager.get();
    channels->SetAxisManagers(master.XAxisManager(), master.YAxisManager());
    master.AdoptKindManager(std::move(manager));
    master.ClearChannels = [channels] {
        for (int i = 0; i < channels->Count(); ++i)
            channels->Items(i)->Clear();
    };
    return channels;
}

} // namespace korvan::plot
