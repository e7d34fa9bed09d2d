// The channel page's files: its log, its settings and its points, each
// command acting on the channel selected when the user picks or clicks.

#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/editor/EditorChannelPageParts.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorPickers.h"

#include <functional>
#include <string>

namespace korvan::plot::editor {

namespace {

constexpr std::string_view kLogFilter = "Log (*.log)|*.log|All Files (*.*)|*.*";
constexpr std::string_view kConfigFilter = "Config (*.cfg)|*.cfg|All Files (*.*)|*.*";
constexpr std::string_view kDataFilter = "Data (*.dat)|*.dat|All Files (*.*)|*.*";

TiPlotChannelCustom* SelectedChannel(PageContext& page) {
    return dynamic_cast<TiPlotChannelCustom*>(page.Selected());
}

// A picked file goes to `command` with the selected channel.
void OnPicked(PageContext& page, std::string_view picker,
              std::function<void(TiPlotChannelCustom&, const std::string&)> command) {
    auto* found = page.Find<TiComponentEditorFilePicker>(picker);
    if (!found)
        return;
    PageContext* context = &page;
    found->OnChange = [context, found, command](TObject*) {
        if (TiPlotChannelCustom* channel = SelectedChannel(*context))
            command(*channel, found->FileName());
    };
}

// A click runs `command` on the selected channel, then shows the log's new
// state.
void OnLogClick(PageContext& page, std::string_view button,
                std::function<void(TiPlotChannelCustom&)> command) {
    auto* found = page.Find<TControl>(button);
    if (!found)
        return;
    PageContext* context = &page;
    found->OnClick = [context, command](TObject*) {
        if (TiPlotChannelCustom* channel = SelectedChannel(*context))
            command(*channel);
        context->LoadPage();
    };
}

void SetEnabled(PageContext& page, std::string_view name, bool enabled) {
    if (auto* control = page.Find<TControl>(name))
        control->SetEnabled(enabled);
}

} // namespace

std::vector<PageRow> ChannelFileRows() {
    constexpr std::string_view log = "FileIO/Log";
    constexpr std::string_view properties = "FileIO/Properties";
    constexpr std::string_view data = "FileIO/Data";
    return {
        Edit("ChannelLogFileNameEdit", "File Name", "LogFileName", log),
        SaveFile("ChannelLogFileNamePicker", "...", log, kLogFilter, "log"),
        UpDown("ChannelLogBufferSizeEdit", "Buffer Size", "LogBufferSize", log, 0, 32767),
        Button("ChannelLogActivateButton", "Activate", log),
        Button("ChannelLogDeactivateButton", "Deactivate", log),
        OpenFile("ChannelPropertiesOpenPicker", "Load", properties, kConfigFilter, "cfg"),
        SaveFile("ChannelPropertiesSavePicker", "Save", properties, kConfigFilter, "cfg"),
        OpenFile("ChannelDataOpenPicker", "Load", data, kDataFilter, "dat"),
        SaveFile("ChannelDataSavePicker", "Save", data, kDataFilter, "dat"),
    };
}

void BindChannelFileAndLogCommands(PageContext& page) {
    OnPicked(page, "ChannelPropertiesSavePicker", [](TiPlotChannelCustom& channel, const std::string& file) {
        channel.SavePropertiesToFile(file);
    });
    PageContext* context = &page;
    OnPicked(page, "ChannelPropertiesOpenPicker",
             [context](TiPlotChannelCustom& channel, const std::string& file) {
                 channel.LoadPropertiesFromFile(file);
                 // The loaded settings, the name on the list among them, show at once.
                 context->LoadPage();
             });
    OnPicked(page, "ChannelDataSavePicker",
             [](TiPlotChannelCustom& channel, const std::string& file) { channel.SaveDataToFile(file); });
    OnPicked(page, "ChannelDataOpenPicker", [](TiPlotChannelCustom& channel, const std::string& file) {
        channel.LoadDataFromFile(file, true);
    });
    auto* logPicker = page.Find<TiComponentEditorFilePicker>("ChannelLogFileNamePicker");
    auto* logEdit = page.Find<TiComponentEditorEdit>("ChannelLogFileNameEdit");
    if (logPicker && logEdit)
        logPicker->OnChange = [context, logPicker, logEdit](TObject*) {
            logEdit->SetAsString(logPicker->FileName());
            if (!context->Selected())
                return;
            context->WritePage();
            context->LoadAllPages();
        };
    OnLogClick(page, "ChannelLogActivateButton",
               [](TiPlotChannelCustom& channel) { channel.LogActivate(false); });
    OnLogClick(page, "ChannelLogDeactivateButton",
               [](TiPlotChannelCustom& channel) { channel.LogDeactivate(); });
}

void ShowChannelLogState(PageContext& page, const TiPlotChannelCustom& channel) {
    const bool active = channel.LoggingActive();
    SetEnabled(page, "ChannelLogFileNameEdit", !active);
    SetEnabled(page, "ChannelLogFileNamePicker", !active);
    SetEnabled(page, "ChannelLogActivateButton", !active);
    SetEnabled(page, "ChannelLogDeactivateButton", active);
}

} // namespace korvan::plot::editor
