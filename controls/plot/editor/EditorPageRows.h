#pragma once
// An object page of the plot editor described as data: one row per control
// and one description per object kind. The page builder
// (EditorPageBuilder.h) makes the controls from the rows, loads them from
// the selected object and writes them back into it; a page file only says
// what is on its page.
//
// How a page file describes a page:
//  - Build a KindPage: the kind (a base name of PlotKinds.h), the tab
//    sheet's name and caption, the list box's name and where it sits, the
//    colour of the list's box, the Add / Remove buttons, the name prefix of
//    the controls that are disabled while nothing is selected, and what to
//    refresh after a change.
//  - Declare the sub-pages and the hidden places in `places` ("General",
//    "Grid Lines", "Grid Lines/X-Majors"), in tab order; name the page
//    controls the form remembers the active page of (KindPage::pageControl,
//    PlaceSpec::pageControl). Any other place named by a row is
//    a group box inside the longest declared place its path starts with
//    ("General/Margin": group "Margin" on sub-page "General"); a declared
//    place may hold "/" in its caption ("High/Low", "File I/O"). The
//    empty place is the tab sheet itself.
//  - List the rows in the order the page writes them into the object (the
//    name edit first), made with the row functions below, e.g.
//        Check("ToolBarVisibleCheckBox", "Visible", "Visible")
//        UpDown("DataViewLayerEdit", "Layer", "Layer", "Grid Lines", 0, 0)
//        Combo("LimitStyleComboBox", "Style", "Style", "General", LimitStyleItems)
//    A row with an empty property is built and found by name but neither
//    loaded nor written (buttons, display labels, file pickers).
//  - Put what a table cannot say in the hooks: afterBuild binds buttons
//    and pickers and adds odd controls, beforeLoad / afterLoad run around
//    the silent load of a selected object, writeRow stores a property that
//    has no setter, afterWrite runs after the rows were written.
// Item texts stay exactly as given, trailing blanks included.

#include "controls/plot/master/PlotKinds.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TComponent;
class TControl;
class TWinControl;
class TCustomForm;
class TiPlotMasterManager;
class TiPlotObject;

namespace korvan::plot::editor {

using ItemList = std::vector<std::string_view>;

// ---------------------------------------------------------------- item lists
extern const ItemList BorderStyleItems;
extern const ItemList ClipboardFormatItems;
extern const ItemList ColumnSeparatorItems;
extern const ItemList GradientDirectionItems;
extern const ItemList OrientationItems;
extern const ItemList BrushStyleItems;
extern const ItemList PenStyleItems;       // ends "Clear", "Inside Frame"
extern const ItemList ReferenceItems;      // last one ends with a blank
extern const ItemList ReferencePartItems;  // "DataView", "Channel", "Auto"
extern const ItemList DataStyleItems;      // point list styles
extern const ItemList MoveDataPointsItems; // "X and Y", "X Only", "Y Only"
extern const ItemList LineStyleItems;      // five pen styles
extern const ItemList InterpolationItems;
extern const ItemList FramePenStyleItems; // ends "Clear", "InsideFrame"
extern const ItemList MarkerStyleItems;
extern const ItemList HighLowStyleItems;
extern const ItemList ReferenceStyleItems; // "Scale", "Percent"
extern const ItemList DataCursorStyleItems;
extern const ItemList OrientationSideItems; // "Bottom-Right", "Top-Left"
extern const ItemList LimitStyleItems;
extern const ItemList AlignmentItems; // "Center", "Left", "Right"
extern const ItemList ScaleTypeItems;
extern const ItemList DateTimeFormatItems; // format patterns, written as text
extern const ItemList LabelFormatItems;
extern const ItemList PrecisionStyleItems;
extern const ItemList RotationItems;
extern const ItemList TrackingStyleItems;
extern const ItemList AlignFirstStyleItems;  // "Min", "Max", "Auto", "None"
extern const ItemList IncrementStyleItems;   // "Minimum", "Major", "Minor"
extern const ItemList CartesianStyleItems;   // "None", "Master", "Child"
extern const ItemList ChannelNameColorItems; // the third one ends with a blank
extern const ItemList AxesChoiceItems;       // "X-Axis", "Y-Axis", "Both", "None"
extern const ItemList GridLineStyleItems;    // "Solid", "Dash", "Dot"

// ---------------------------------------------------------------- rows

enum class RowKind {
    Edit,
    UpDownEdit, // edit with up-down, min..max (both 0: no limit)
    CheckBox,
    RadioGroup,          // item index
    ComboBox,            // drop-down list, item index
    NameComboBox,        // names of a kind, writes its text
    DateTimeFormatCombo, // editable, writes its text
    ColorPicker,
    FontPicker,    // the font is copied both ways
    ConverterEdit, // edit with a value-converter picker
    OpenPicker,
    SavePicker,
    Button,
    Display, // a caption and a value label, set by the page
};

// The page a value-converter edit's picker opens the converter on.
enum class ConverterPage { Interval, DateTime };

struct PageRow {
    RowKind kind = RowKind::Edit;
    std::string_view name;     // the control's name on the form
    std::string_view caption;  // shown beside or on the control
    std::string_view property; // published property path of the object
    std::string_view place;    // "" or "SubPage" or "SubPage/Group"
    int min = 0, max = 0;      // up-down limits
    const ItemList* items = nullptr;
    // Name combo boxes: whose names, the entry before and after them.
    std::string_view namesOf;
    std::string_view firstChoice;
    std::string_view lastChoice;
    // File pickers.
    std::string_view filter;
    std::string_view defaultExt;
    // Converter edits: the value converter's page it opens on.
    ConverterPage converterPage = ConverterPage::Interval;
};

PageRow Edit(std::string_view name, std::string_view caption, std::string_view property,
             std::string_view place = {});
PageRow UpDown(std::string_view name, std::string_view caption, std::string_view property,
               std::string_view place, int min, int max);
PageRow Check(std::string_view name, std::string_view caption, std::string_view property,
              std::string_view place = {});
PageRow Radio(std::string_view name, std::string_view caption, std::string_view property,
              std::string_view place, const ItemList& items);
PageRow Combo(std::string_view name, std::string_view caption, std::string_view property,
              std::string_view place, const ItemList& items);
// Filled with firstChoice ("<None>" or "<All>", translated), the names of
// every object of kind `namesOf` and lastChoice when not empty.
PageRow NameCombo(std::string_view name, std::string_view caption, std::string_view property,
                  std::string_view place, std::string_view namesOf, std::string_view firstChoice = "<None>",
                  std::string_view lastChoice = {});
PageRow DateTimeFormatCombo(std::string_view name, std::string_view caption, std::string_view property,
                            std::string_view place = {});
PageRow ColorPick(std::string_view name, std::string_view caption, std::string_view property,
                  std::string_view place = {});
PageRow FontPick(std::string_view name, std::string_view property, std::string_view place = {},
                 std::string_view caption = "Font");
PageRow ConverterEdit(std::string_view name, std::string_view caption, std::string_view property,
                      std::string_view place = {}, ConverterPage page = ConverterPage::Interval);
PageRow OpenFile(std::string_view name, std::string_view caption, std::string_view place,
                 std::string_view filter, std::string_view defaultExt);
PageRow SaveFile(std::string_view name, std::string_view caption, std::string_view place,
                 std::string_view filter, std::string_view defaultExt);
PageRow Button(std::string_view name, std::string_view caption, std::string_view place = {});
PageRow Display(std::string_view name, std::string_view caption, std::string_view place = {});

// ---------------------------------------------------------------- pages

struct PlaceSpec {
    std::string_view path;
    enum Kind { SubPage, Group } kind = SubPage;
    bool hidden = false;
    // The name of the page control holding this sub-page's own sub-pages.
    std::string_view pageControl = {};
};

enum class PageRefresh {
    AllPages, // every object page is loaded again
    OwnPage,  // this page is loaded again and its list repainted
    None,
};

// What a hook can reach: the form, the master, the page's controls.
class PageContext {
public:
    virtual ~PageContext() = default;
    virtual TCustomForm& Form() = 0;
    virtual TiPlotMasterManager* Master() = 0;
    // The page's selected object, or null.
    virtual TiPlotObject* Selected() = 0;
    // A control of the form by name, or null.
    TComponent* Find(std::string_view name) { return FindNamed(name); }
    template <class T> T* Find(std::string_view name) { return dynamic_cast<T*>(FindNamed(name)); }
    // The container of a place (made when missing), to add odd controls to.
    virtual TWinControl* Place(std::string_view path) = 0;
    // Loads this page from its selected object again.
    virtual void LoadPage() = 0;
    // Writes this page into its selected object (as a user's change does).
    virtual void WritePage() = 0;
    // Loads every object page.
    virtual void LoadAllPages() = 0;

protected:
    virtual TComponent* FindNamed(std::string_view name) = 0;
};

struct PageHooks {
    std::function<void(PageContext&)> afterBuild;
    std::function<void(PageContext&, TiPlotObject* selected)> beforeLoad;
    std::function<void(PageContext&, TiPlotObject* selected)> afterLoad;
    // True when the hook stored the row's value itself.
    std::function<bool(PageContext&, TiPlotObject* object, const PageRow& row, TControl* control)> writeRow;
    std::function<void(PageContext&, TiPlotObject* object)> afterWrite;
};

// How a list shows an object's colour box.
enum class ListColor {
    None,
    ObjectColor,     // the object's Color
    LabelsFontColor, // the colour of the object's LabelsFont
};

struct KindPage {
    std::string_view kind;     // base name (PlotKinds.h)
    std::string_view tabSheet; // "ChannelsTabSheet"
    std::string_view caption;  // "Channels"
    std::string_view listBox;  // "ChannelListBox"
    // Empty: the list stands at the page's left with Add / Remove below.
    // Otherwise the hidden place that holds it.
    std::string_view listPlace;
    ListColor listColor = ListColor::None;
    std::string_view addButton;    // empty: none
    std::string_view removeButton; // empty: none
    std::string_view prefix;       // "Channel"
    // The name of the page control holding the sub-pages.
    std::string_view pageControl;
    PageRefresh refresh = PageRefresh::AllPages;
    std::vector<PlaceSpec> places;
    std::vector<PageRow> rows;
    PageHooks hooks;
};

} // namespace korvan::plot::editor
