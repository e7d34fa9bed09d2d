#include "controls/plot/editor/EditorPageRows.h"

namespace korvan::plot::editor {

const ItemList BorderStyleItems{"None", "Raised", "Lowered"};
const ItemList ClipboardFormatItems{"Meta File", "Bitmap", "JPEG"};
const ItemList ColumnSeparatorItems{"Tab", "Comma"};
const ItemList GradientDirectionItems{"Top/Bottom",
                                      "Bottom/Top",
                                      "Left/Right",
                                      "Right/Left",
                                      "Top Left/Bottom Right",
                                      "Bottom Right/Top Left",
                                      "Bottom Left/Top Right",
                                      "Top Right/Bottom Left",
                                      "Rectangle Out",
                                      "Rectangle In",
                                      "Circle Out",
                                      "Circle In"};
const ItemList OrientationItems{"Portrait", "Landscape"};
const ItemList BrushStyleItems{"Solid",     "Clear",     "Horizontal", "Vertical",
                               "FDiagonal", "BDiagonal", "Cross",      "DiagCross"};
const ItemList PenStyleItems{"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "Inside Frame"};
const ItemList ReferenceItems{"DataView", "Channel", "X-Channel Y-DataView", "Y-Channel X-DataView "};
const ItemList ReferencePartItems{"DataView", "Channel", "Auto"};
const ItemList DataStyleItems{"Standard", "Compact", "Compact Interval", "Full Feature"};
const ItemList MoveDataPointsItems{"X and Y", "X Only", "Y Only"};
const ItemList LineStyleItems{"Solid", "Dash", "Dot", "DashDot", "DashDotDot"};
const ItemList InterpolationItems{"Straight Line", "Cubic Spline", "Polynomial",
                                  "Rational",      "Differential", "Differential Terminated"};
const ItemList FramePenStyleItems{"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "Clear", "InsideFrame"};
const ItemList MarkerStyleItems{"Circle",         "Square",        "Diamond",         "Cross",
                                "Plus",           "Triangle Up",   "Triangle Down",   "Triangle Left",
                                "Triangle Right", "Vertical Line", "Horizontal Line", "Character"};
const ItemList HighLowStyleItems{"Open/Close", "Candlestick"};
const ItemList ReferenceStyleItems{"Scale", "Percent"};
const ItemList DataCursorStyleItems{"Value XY", "Value X", "Value Y",
                                    "Delta X",  "Delta Y", "Inverse Delta X"};
const ItemList OrientationSideItems{"Bottom-Right", "Top-Left"};
const ItemList LimitStyleItems{"Line X", "Line Y", "Band X", "Band Y", "Poly Band X", "Poly Band Y"};
const ItemList AlignmentItems{"Center", "Left", "Right"};
const ItemList ScaleTypeItems{"Linear", "Log10"};
const ItemList DateTimeFormatItems{"hh:nn:ss",
                                   "hh:nn:ss.zzz",
                                   "m/d hh:nn:ss",
                                   "d mmm h:nn:ss am/pm",
                                   "m/d/yy h:nn:ss am/pm",
                                   "m/d/yyyy h:nn:ss am/pm"};
const ItemList LabelFormatItems{"Value", "Exponent", "Prefix", "Date/Time", "Price 32nds", "Thousands"};
const ItemList PrecisionStyleItems{"Significant Digits", "Fixed Decimal Points"};
const ItemList RotationItems{"0", "90", "180", "270"};
const ItemList TrackingStyleItems{"Scale Min & Max",      "Scale Max",       "Scale Min",
                                  "Scroll Smooth",        "Scroll Page",     "Expand Collapse",
                                  "Expand Collapse Fast", "Expand Min & Max"};
const ItemList AlignFirstStyleItems{"Min", "Max", "Auto", "None"};
const ItemList IncrementStyleItems{"Minimum", "Major", "Minor"};
const ItemList CartesianStyleItems{"None", "Master", "Child"};
const ItemList ChannelNameColorItems{"Font", "ChannelColor", "XAxisFontColor ", "YAxisFontColor"};
const ItemList AxesChoiceItems{"X-Axis", "Y-Axis", "Both", "None"};
const ItemList GridLineStyleItems{"Solid", "Dash", "Dot"};

namespace {

PageRow Row(RowKind kind, std::string_view name, std::string_view caption, std::string_view property,
            std::string_view place) {
    PageRow row;
    row.kind = kind;
    row.name = name;
    row.caption = caption;
    row.property = property;
    row.place = place;
    return row;
}

PageRow FileRow(RowKind kind, std::string_view name, std::string_view caption, std::string_view place,
                std::string_view filter, std::string_view defaultExt) {
    PageRow row = Row(kind, name, caption, {}, place);
    row.filter = filter;
    row.defaultExt = defaultExt;
    return row;
}

} // namespace

PageRow Edit(std::string_view name, std::string_view caption, std::string_view property,
             std::string_view place) {
    return Row(RowKind::Edit, name, caption, property, place);
}

PageRow UpDown(std::string_view name, std::string_view caption, std::string_view property,
               std::string_view place, int min, int max) {
    PageRow row = Row(RowKind::UpDownEdit, name, caption, property, place);
    row.min = min;
    row.max = max;
    return row;
}

PageRow Check(std::string_view name, std::string_view caption, std::string_view property,
              std::string_view place) {
    return Row(RowKind::CheckBox, name, caption, property, place);
}

PageRow Radio(std::string_view name, std::string_view caption, std::string_view property,
              std::string_view place, const ItemList& items) {
    PageRow row = Row(RowKind::RadioGroup, name, caption, property, place);
    row.items = &items;
    return row;
}

PageRow Combo(std::string_view name, std::string_view caption, std::string_view property,
              std::string_view place, const ItemList& items) {
    PageRow row = Row(RowKind::ComboBox, name, caption, property, place);
    row.items = &items;
    return row;
}

PageRow NameCombo(std::string_view name, std::string_view caption, std::string_view property,
                  std::string_view place, std::string_view namesOf, std::string_view firstChoice,
                  std::string_view lastChoice) {
    PageRow row = Row(RowKind::NameComboBox, name, caption, property, place);
    row.namesOf = namesOf;
    row.firstChoice = firstChoice;
    row.lastChoice = lastChoice;
    return row;
}

PageRow DateTimeFormatCombo(std::string_view name, std::string_view caption, std::string_view property,
                            std::string_view place) {
    PageRow row = Row(RowKind::DateTimeFormatCombo, name, caption, property, place);
    row.items = &DateTimeFormatItems;
    return row;
}

PageRow ColorPick(std::string_view name, std::string_view caption, std::string_view property,
                  std::string_view place) {
    return Row(RowKind::ColorPicker, name, caption, property, place);
}

PageRow FontPick(std::string_view name, std::string_view property, std::string_view place,
                 std::string_view caption) {
    return Row(RowKind::FontPicker, name, caption, property, place);
}

PageRow ConverterEdit(std::string_view name, std::string_view caption, std::string_view property,
                      std::string_view place, ConverterPage page) {
    PageRow row = Row(RowKind::ConverterEdit, name, caption, property, place);
    row.converterPage = page;
    return row;
}

PageRow OpenFile(std::string_view name, std::string_view caption, std::string_view place,
                 std::string_view filter, std::string_view defaultExt) {
    return FileRow(RowKind::OpenPicker, name, caption, place, filter, defaultExt);
}

PageRow SaveFile(std::string_view name, std::string_view caption, std::string_view place,
                 std::string_view filter, std::string_view defaultExt) {
    return FileRow(RowKind::SavePicker, name, caption, place, filter, defaultExt);
}

PageRow Button(std::string_view name, std::string_view caption, std::string_view place) {
    return Row(RowKind::Button, name, caption, {}, place);
}

PageRow Display(std::string_view name, std::string_view caption, std::string_view place) {
    return Row(RowKind::Display, name, caption, {}, place);
}

} // namespace korvan::plot::editor
