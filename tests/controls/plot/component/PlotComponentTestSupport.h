#pragma once
// A plot component for the tests, with a fixture that paints it into a
// bitmap, and a kind manager that stands in for a kind whose classes live
// elsewhere.

#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/master/MasterManager.h"
#include "platform/gfx/Bitmap.h"
#include "tests/controls/plot/PlotTestSupport.h"

#include <memory>
#include <string>

namespace korvan::testing {

// Plot objects of a kind named by the test (a legend, a toolbar, ...).
class NamedKindManager : public TiPlotKindManager<TestLayoutObject> {
public:
    NamedKindManager(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                     TNotifyEvent onRename, std::string baseName, TiLayoutRole role)
        : TiPlotKindManager<TestLayoutObject>(owner, std::move(onChange), std::move(onInsert),
                                              std::move(onRemove), std::move(onRename)),
          baseName_(std::move(baseName)), role_(role) {}
    std::string GetBaseName() const override { return baseName_; }
    TiPlotObject* CreateObject() override {
        return new TestLayoutObject(Owner(), OnChange(), OnInsert(), OnRemove(), OnRename(), role_);
    }

private:
    std::string baseName_;
    TiLayoutRole role_;
};

inline void AdoptKind(TiPlotMasterManager& master, const std::string& baseName,
                      TiLayoutRole role = TiLayoutRole::Other) {
    master.AdoptKindManager(TiPlotObjectManagerCustom::Make<NamedKindManager>(
        master.Owner(), master.ChangeCallback(), master.InsertCallback(), master.RemoveCallback(),
        master.RenameCallback(), baseName, role));
}

// Paints the plot as its window would, into a bitmap of its size.
inline QImage PaintPlot(TiPlotComponent& plot) {
    TBitmap page(plot.Width(), plot.Height());
    plot.PaintImageTo(page.Canvas());
    return page.Image();
}

} // namespace korvan::testing
