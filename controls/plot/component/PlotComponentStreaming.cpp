// The plot in a form: the data view rows, the image lists and every kind's
// objects as defined properties, in a fixed order.

#include "controls/plot/component/PlotComponent.h"

#include "controls/plot/core/PlotLayoutObject.h"
#include "controls/plot/layout/LayoutManager.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/PlotLabel.h"
#include "controls/plot/objects/TranslationManager.h"
#include "platform/forms/Filer.h"
#include "platform/gfx/ImageList.h"

#include <array>

namespace kind = korvan::plot::kind;

namespace {

struct StreamedKind {
    const char* property;
    std::string_view kind;
};

// The collections in the order a form holds them.
constexpr std::array<StreamedKind, 10> kStreamedKinds{{
    {"ToolBarManager", kind::ToolBar},
    {"LegendManager", kind::Legend},
    {"TableManager", kind::Table},
    {"XAxisManager", kind::XAxis},
    {"YAxisManager", kind::YAxis},
    {"ChannelManager", kind::Channel},
    {"DataViewManager", kind::DataView},
    {"DataCursorManager", kind::DataCursor},
    {"LimitManager", kind::Limit},
    {"LabelManager", kind::Label},
}};

} // namespace

void TiPlotComponent::BeginStreaming() {
    DisableLayoutManager();
    BeginUpdate();
}

void TiPlotComponent::DefineProperties(TFiler& filer) {
    // A read holds layout and paint back until Loaded; a write changes
    // nothing, as no Loaded follows it.
    const bool reading = dynamic_cast<TReader*>(&filer) != nullptr;
    if (reading)
        BeginStreaming();

    filer.DefineProperty(
        "DataViewZHorz", [this](TReader& reader) { SetDataViewZHorz(int(reader.ReadInteger())); },
        [this](TWriter& writer) { writer.WriteInteger(DataViewZHorz()); }, true);
    filer.DefineProperty(
        "DataViewZVert", [this](TReader& reader) { SetDataViewZVert(int(reader.ReadInteger())); },
        [this](TWriter& writer) { writer.WriteInteger(DataViewZVert()); }, true);
    for (int i = 0; i < 3; ++i)
        filer.DefineBinaryProperty(
            "ImageList" + std::to_string(i),
            [this, i](const std::vector<std::uint8_t>& bytes) { ReadImageList(i, bytes); },
            [this, i] { return WriteImageList(i); }, imageLists_[std::size_t(i)]->Count() > 0);
    for (const StreamedKind& streamed : kStreamedKinds)
        if (TiPlotObjectManagerCustom* manager = Kind(streamed.kind))
            filer.DefineProperty(
                streamed.property, [manager](TReader& reader) { manager->ReadFromStream(reader); },
                [manager](TWriter& writer) { manager->WriteToStream(writer); }, manager->DoWriteToStream());
    TiPlotTranslationManager* translations = master_->TranslationManager();
    filer.DefineProperty(
        "TranslationManager", [translations](TReader& reader) { translations->ReadFromStream(reader); },
        [translations](TWriter& writer) { translations->WriteToStream(writer); },
        translations->DoWriteToStream());

    TiCustomComponent::DefineProperties(filer);
    if (reading)
        RaiseToolBarAboveTitle();
}

void TiPlotComponent::RaiseToolBarAboveTitle() {
    if (ToolBarCount() == 0 || LabelCount() == 0)
        return;
    auto* toolBar = dynamic_cast<TiPlotLayoutObject*>(KindObject(kind::ToolBar, 0));
    TiPlotLabel* title = Label(0);
    if (toolBar && toolBar->Horizontal() == title->Horizontal() && toolBar->ZOrder() == title->ZOrder())
        toolBar->SetZOrder(toolBar->ZOrder() + 1);
}

void TiPlotComponent::Loaded() {
    TiCustomComponent::Loaded();
    EnableLayoutManager();
    EndUpdate();
}
