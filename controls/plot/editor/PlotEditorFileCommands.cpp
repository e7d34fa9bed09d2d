#include "controls/plot/editor/PlotEditorFileCommands.h"

#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/PlotEditorForm.h"

#include <functional>
#include <string>

namespace korvan::plot::editor {

namespace {

template <class Target> using FileCommand = void (*)(Target&, const std::string& fileName);

// Runs `command` on the target `target()` gives with the picker's file,
// then `after`, when the user picks a file.
template <class Target>
void BindPicker(TComponent* found, std::function<Target*()> target, FileCommand<Target> command,
                std::function<void()> after = nullptr) {
    auto* picker = dynamic_cast<TiComponentEditorFilePicker*>(found);
    if (!picker)
        return;
    picker->OnChange = [picker, target, command, after](TObject*) {
        if (Target* t = target())
            command(*t, picker->FileName());
        if (after)
            after();
    };
}

void BindClick(TComponent* found, std::function<void()> action) {
    if (auto* button = dynamic_cast<TControl*>(found))
        button->OnClick = [action](TObject*) { action(); };
}

// The picked file name into the edit, then `after`.
void BindNamePicker(TComponent* pickerFound, TComponent* editFound, std::function<void()> after) {
    auto* picker = dynamic_cast<TiComponentEditorFilePicker*>(pickerFound);
    auto* edit = dynamic_cast<TiComponentEditorEdit*>(editFound);
    if (!picker || !edit)
        return;
    picker->OnChange = [picker, edit, after](TObject*) {
        edit->SetAsString(picker->FileName());
        after();
    };
}

} // namespace

void BindPlotFileCommands(TiPlotEditorForm& form) {
    TiPlotEditorForm* f = &form;
    const std::function<TiPlotComponent*()> plot = [f] { return f->PlotComponent(); };
    const auto basicChanged = [f] {
        if (f->Master())
            f->Master()->BasicPropertyChanged();
    };
    using P = TiPlotComponent;
    BindPicker<P>(
        form.FindComponent("ControlPropertiesOpenPicker"), plot,
        [](P& p, const std::string& name) { p.LoadPropertiesFromFile(name); }, [f] { f->UpdateAll(); });
    BindPicker<P>(form.FindComponent("ControlPropertiesSavePicker"), plot,
                  [](P& p, const std::string& name) { p.SavePropertiesToFile(name); });
    BindPicker<P>(form.FindComponent("ControlDataSavePicker"), plot,
                  [](P& p, const std::string& name) { p.SaveDataToFile(name); });
    BindPicker<P>(form.FindComponent("ControlDataOpenPicker"), plot, [](P& p, const std::string& name) {
        p.ClearAllData();
        p.LoadDataFromFile(name);
    });
    BindPicker<P>(form.FindComponent("ControlAnnotationSavePicker"), plot,
                  [](P& p, const std::string& name) { p.SaveAnnotationsToFile(name); });
    BindPicker<P>(form.FindComponent("ControlAnnotationOpenPicker"), plot,
                  [](P& p, const std::string& name) { p.LoadAnnotationsFromFile(name); });
    BindNamePicker(form.FindComponent("ControlLogFileNamePicker"),
                   form.FindComponent("ControlLogFileNameEdit"), basicChanged);
    BindClick(form.FindComponent("ControlLogActivateButton"), [plot, basicChanged] {
        if (P* p = plot())
            p->LogActivate(false);
        basicChanged();
    });
    BindClick(form.FindComponent("ControlLogDeactivateButton"), [plot, basicChanged] {
        if (P* p = plot())
            p->LogDeactivate();
        basicChanged();
    });
}

} // namespace korvan::plot::editor
