// The plot's configuration file ("Plot Config") and its annotation file,
// both as property lines.

#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/core/PropertyFiles.h"
#include "controls/plot/core/PropertyLines.h"
#include "controls/plot/files/PlotConfigFile.h"
#include "controls/plot/layout/LayoutManager.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "platform/forms/Strings.h"
#include "platform/gfx/Color.h"
#include "platform/text/Exception.h"

namespace kind = korvan::plot::kind;
using korvan::plot::ApplyDeclaredDefaults;
using korvan::plot::PlotConfigKind;
using korvan::plot::PlotConfigKinds;
using korvan::plot::ReadPropertyLines;
using korvan::plot::WritePropertyLines;

namespace {

// Switches the layout manager off and opens an update block; both are
// undone on leaving, also by an exception.
class ConfigLoadScope {
public:
    ConfigLoadScope(TiPlotComponent& plot, TiPlotLayoutManager& layout) : layout_(layout), update_(plot) {
        layout_.SetEnabled(false);
    }
    ~ConfigLoadScope() { layout_.SetEnabled(true); }
    ConfigLoadScope(const ConfigLoadScope&) = delete;
    ConfigLoadScope& operator=(const ConfigLoadScope&) = delete;

private:
    TiPlotLayoutManager& layout_;
    korvan::plot::UpdateBlockScope update_;
};

} // namespace

void TiPlotComponent::SavePropertiesToFile(const std::string& fileName) {
    try {
        TStringList lines;
        lines.Add(std::string("File Type = ") + korvan::plot::kPlotConfigFileType);
        for (const PlotConfigKind& k : PlotConfigKinds())
            lines.Add(std::string(k.count) + " = " + std::to_string(KindCount(k.kind)));
        const TiPlotLayoutManager& layout = *master_->LayoutManager();
        lines.Add("DataViewZHorz = " + std::to_string(layout.DataViewHorz()->ZOrder()));
        lines.Add("DataViewZVert = " + std::to_string(layout.DataViewVert()->ZOrder()));
        for (const PlotConfigKind& k : PlotConfigKinds())
            for (int i = 0; i < KindCount(k.kind); ++i)
                WritePropertyLines(KindObject(k.kind, i), k.section + std::to_string(i), lines,
                                   differentialPropertySave_, nullptr);
        TStringList skip;
        skip.Add("Name");
        if (!OptionSaveAllProperties())
            for (const char* name : {"Left", "Top", "Width", "Height", "Align", "Cursor", "ShowHint", "Tag",
                                     "Visible", "Enabled", "Hint", "HelpContext", "HelpKeyword"})
                skip.Add(name);
        WritePropertyLines(this, "", lines, differentialPropertySave_, &skip);
        lines.SaveToFile(fileName);
    } catch (const Exception& e) {
        throw Exception("Error Saving Properties - " + e.Message());
    }
    lastPropertiesFileName_ = fileName;
    if (OnAfterSaveProperties)
        OnAfterSaveProperties(this);
}

void TiPlotComponent::LoadPropertiesFromFile(const std::string& fileName) {
    if (OnBeforeLoadProperties)
        OnBeforeLoadProperties(this);
    try {
        TStringList lines;
        lines.LoadFromFile(fileName);
        const korvan::plot::PlotConfigHeader header = korvan::plot::TakePlotConfigHeader(lines);
        TiPlotLayoutManager& layout = *master_->LayoutManager();
        ConfigLoadScope scope(*this, layout);
        if (header.dataViewZHorz)
            layout.DataViewHorz()->SetZOrder(*header.dataViewZHorz);
        if (header.dataViewZVert)
            layout.DataViewVert()->SetZOrder(*header.dataViewZVert);

        for (std::string_view k : {kind::Legend, kind::Table, kind::Limit, kind::XAxis, kind::YAxis,
                                   kind::DataView, kind::Channel, kind::Annotation, kind::DataCursor})
            RemoveAllOfKind(k);
        for (int i = KindCount(kind::Label) - 1; i >= 1; --i)
            DeleteOfKind(kind::Label, i);

        for (std::size_t k = 0; k < PlotConfigKinds().size(); ++k) {
            const PlotConfigKind& c = PlotConfigKinds()[k];
            for (int i = 0; i < header.counts[k]; ++i) {
                // The plot keeps its first label and its toolbars: their
                // sections are read into them, adding only what is missing.
                const bool kept = c.kind == kind::ToolBar || c.kind == kind::Label;
                if (!kept || i >= KindCount(c.kind))
                    AddOfKind(c.kind);
                TiPlotObject* object = KindObject(c.kind, i);
                if (c.kind == kind::Channel)
                    if (const TPropInfo* color = GetPropInfo(ObjectRefOf(object), "Color");
                        color && color->SetOrd)
                        SetOrdProp(ObjectRefOf(object), *color, clRed);
                ReadPropertyLines(object, c.section + std::to_string(i), lines);
            }
        }
        ReadPropertyLines(this, "", lines);
    } catch (const Exception& e) {
        throw Exception("Error Loading Properties - " + e.Message());
    }
    lastPropertiesFileName_ = fileName;
    if (OnAfterLoadProperties)
        OnAfterLoadProperties(this);
}

void TiPlotComponent::SaveAnnotationsToFile(const std::string& fileName) {
    try {
        TStringList lines;
        lines.Add("AnnotationCount = " + std::to_string(KindCount(kind::Annotation)));
        for (int i = 0; i < KindCount(kind::Annotation); ++i)
            WritePropertyLines(KindObject(kind::Annotation, i), "Annotation" + std::to_string(i), lines, true,
                               nullptr);
        lines.SaveToFile(fileName);
    } catch (const Exception& e) {
        throw Exception("Error Saving Annotations - " + e.Message());
    }
}

void TiPlotComponent::LoadAnnotationsFromFile(const std::string& fileName) {
    try {
        TStringList lines;
        lines.LoadFromFile(fileName);
        korvan::plot::UpdateBlockScope update(*this);
        RemoveAllOfKind(kind::Annotation);
        const int n = korvan::plot::TakeAnnotationCount(lines).value_or(0);
        for (int i = 0; i < n; ++i) {
            // The file leaves out the class's declared defaults, which
            // neither the plot's annotation defaults nor every value a new
            // annotation starts with match: read it over the former.
            TiPlotObject* annotation = KindObject(kind::Annotation, master_->AddObject(kind::Annotation));
            ApplyDeclaredDefaults(annotation);
            ReadPropertyLines(annotation, "Annotation" + std::to_string(i), lines);
        }
    } catch (const Exception& e) {
        throw Exception("Error Loading Annotations - " + e.Message());
    }
}
