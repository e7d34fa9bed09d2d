// The "X-Axes" and "Y-Axes" pages of the plot editor.

#include "controls/plot/editor/EditorPages.h"

namespace korvan::plot::editor {

namespace {

KindPage AxisPage(std::string_view kindName, std::string_view prefix) {
    KindPage page;
    page.kind = kindName;
    page.listColor = ListColor::LabelsFontColor;
    page.prefix = prefix;
    page.refresh = PageRefresh::AllPages;
    return page;
}

} // namespace

KindPage XAxisPage() {
    KindPage page = AxisPage(kind::XAxis, "XAxis");
    page.tabSheet = "XAxesTabSheet";
    page.caption = "X-Axes";
    page.listBox = "XAxisListBox";
    page.addButton = "XAxesAddButton";
    page.removeButton = "XAxisRemoveButton";
    page.pageControl = "XAxisPageControl";
    page.places = {{"General"},
                   {"Title"},
                   {"Labels", PlaceSpec::SubPage, false, "XAxisLabelsPageControl"},
                   {"Labels/(Default)"},
                   {"Labels/Cursor"},
                   {"Labels/Legend"},
                   {"Tracking"},
                   {"Cursor"},
                   {"Scroll"},
                   {"Scale"},
                   {"Cartesian"}};
    page.rows = {
        Edit("XAxisNameEdit", "Name", "Name", "General"),
    };
    return page;
}

KindPage YAxisPage() {
    KindPage page = AxisPage(kind::YAxis, "YAxis");
    page.tabSheet = "YAxesTabSheet";
    page.caption = "Y-Axes";
    page.listBox = "YAxisListBox";
    page.addButton = "YAxesAddButton";
    page.removeButton = "YAxisRemoveButton";
    page.pageControl = "YAxisPageControl";
    page.places = {{"General"},
                   {"Title"},
                   {"Labels", PlaceSpec::SubPage, false, "YAxisLabelsPageControl"},
                   {"Labels/(Default)"},
                   {"Labels/Cursor"},
                   {"Labels/Legend"},
                   {"Tracking"},
                   {"Cursor"},
                   {"Scroll"},
                   {"Scale"},
                   {"Cartesian"}};
    page.rows = {
        Edit("YAxisNameEdit", "Name", "Name", "General"),
    };
    return page;
}

} // namespace korvan::plot::editor
