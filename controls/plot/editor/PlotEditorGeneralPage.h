#pragma once
// The plot editor's general page "Control": the plot's own settings on
// seven sub-pages, filled from the plot when the editor opens and copied
// back into it whenever the user changes one.

#include "controls/plot/editor/EditorPageRows.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class TTabSheet;
class TiPlotComponent;
class TiPlotLabel;

namespace korvan::plot::editor {

class EditorPageLayout;

class GeneralPage {
public:
    // `changed` runs for a change of any control but the title's, which
    // run `titleChanged`.
    GeneralPage(TCustomForm& form, TTabSheet& sheet, std::function<void()> changed,
                std::function<void()> titleChanged);
    ~GeneralPage();
    GeneralPage(const GeneralPage&) = delete;
    GeneralPage& operator=(const GeneralPage&) = delete;

    // Every control from the plot, silently, the file pickers' folders
    // included.
    void Fill(TiPlotComponent& plot);
    // Every control but the folders into the plot, in a fixed order. The
    // log file name is left alone while the plot logs (it cannot change
    // then).
    void CopyInto(TiPlotComponent& plot);
    // The log file name and the log buttons follow the plot's logging.
    void FollowLogging(bool loggingActive);
    // The title controls from the first label, silently.
    void LoadTitle(TiPlotLabel& title);
    // The title controls into the first label.
    void WriteTitle(TiPlotLabel& title);

private:
    TControl* Control(std::string_view name) const;

    TCustomForm& form_;
    KindPage description_;
    std::unique_ptr<EditorPageLayout> layout_;
};

} // namespace korvan::plot::editor
