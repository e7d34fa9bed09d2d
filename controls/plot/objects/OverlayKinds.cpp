#include "controls/plot/objects/OverlayKinds.h"

#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/PlotAnnotation.h"
#include "controls/plot/objects/PlotDataCursor.h"
#include "controls/plot/objects/PlotLimit.h"
#include "controls/plot/objects/PlotTable.h"

#include <string>

namespace {

class TableManager : public TiPlotKindManager<TiPlotTable> {
public:
    using TiPlotKindManager<TiPlotTable>::TiPlotKindManager;
    std::string GetBaseName() const override { return std::string(korvan::plot::kind::Table); }
};

class DataCursorManager : public TiPlotKindManager<TiPlotDataCursor> {
public:
    DataCursorManager(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                      TNotifyEvent onRename, TiPlotMasterManager& master)
        : TiPlotKindManager<TiPlotDataCursor>(owner, std::move(onChange), std::move(onInsert),
                                              std::move(onRemove), std::move(onRename)),
          master_(master) {}
    std::string GetBaseName() const override { return std::string(korvan::plot::kind::DataCursor); }

protected:
    void AfterNaming(TiPlotDataCursor* cursor) override {
        TiPlotObjectManagerCustom* channels = master_.KindManager(korvan::plot::kind::Channel);
        if (channels && channels->Count() > 0)
            cursor->SetChannelName(channels->Items(0)->Name());
    }

private:
    TiPlotMasterManager& master_;
};

class LimitManager : public TiPlotKindManager<TiPlotLimit> {
public:
    LimitManager(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                 TNotifyEvent onRename, TiPlotMasterManager& master)
        : TiPlotKindManager<TiPlotLimit>(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                                         std::move(onRename)),
          master_(master) {}
    std::string GetBaseName() const override { return std::string(korvan::plot::kind::Limit); }

protected:
    void AfterNaming(TiPlotLimit* limit) override {
        if (master_.XAxisManager() && master_.XAxisManager()->Count() > 0)
            limit->SetXAxisName(master_.XAxisManager()->Items(0)->Name());
        if (master_.YAxisManager() && master_.YAxisManager()->Count() > 0)
            limit->SetYAxisName(master_.YAxisManager()->Items(0)->Name());
    }

private:
    TiPlotMasterManager& master_;
};

class AnnotationManager : public TiPlotKindManager<TiPlotAnnotation> {
public:
    using TiPlotKindManager<TiPlotAnnotation>::TiPlotKindManager;
    std::string GetBaseName() const override { return std::string(korvan::plot::kind::Annotation); }

protected:
    bool NamesNewObjects() const override { return false; }
};

} // namespace

namespace korvan::plot {

void AdoptOverlayKinds(TiPlotMasterManager& master) {
    auto make = [&master](auto tag, auto&&... extra) {
        using M = typename decltype(tag)::type;
        master.AdoptKindManager(TiPlotObjectManagerCustom::Make<M>(
            master.Owner(), master.ChangeCallback(), master.InsertCallback(), master.RemoveCallback(),
            master.RenameCallback(), extra...));
    };
    make(std::type_identity<TableManager>{});
    make(std::type_identity<DataCursorManager>{}, std::ref(master));
    make(std::type_identity<LimitManager>{}, std::ref(master));
    make(std::type_identity<AnnotationManager>{});
}

} // namespace korvan::plot
