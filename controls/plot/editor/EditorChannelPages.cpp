// The "Channels", "Cursors", "Limits" and "Labels" pages of the plot editor.

#include "controls/plot/editor/EditorPages.h"

namespace korvan::plot::editor {

KindPage ChannelPage() {
    KindPage page;
    page.kind = kind::Channel;
    page.tabSheet = "ChannelsTabSheet";
    page.caption = "Channels";
    page.listBox = "ChannelListBox";
    page.listColor = ListColor::ObjectColor;
    page.addButton = "iChannelAddButton";
    page.removeButton = "ChannelRemoveButton";
    page.prefix = "Channel";
    page.pageControl = "ChannelPageControl";
    page.refresh = PageRefresh::AllPages;
    page.places = {{"General"}, {"Trace"},   {"Marker"},   {"Bar"},  {"High/Low"},
                   {"Fill"},    {"Digital"}, {"File I/O"}, {"Stats"}};
    page.rows = {
        Edit("ChannelNameEdit", "Name", "Name", "General"),
    };
    return page;
}

KindPage DataCursorPage() {
    KindPage page;
    page.kind = kind::DataCursor;
    page.tabSheet = "DataCursorTabSheet";
    page.caption = "Cursors";
    page.listBox = "DataCursorListBox";
    page.listColor = ListColor::ObjectColor;
    page.addButton = "iDataCursorAddButton";
    page.removeButton = "DataCursorRemoveButton";
    page.prefix = "DataCursor";
    page.pageControl = "DataCursorPageControl";
    page.refresh = PageRefresh::OwnPage;
    page.places = {{"General"}, {"Channel"}, {"Hint"}};
    return page;
}

KindPage LimitPage() {
    KindPage page;
    page.kind = kind::Limit;
    page.tabSheet = "LimitTabSheet";
    page.caption = "Limits";
    page.listBox = "LimitListBox";
    page.listColor = ListColor::ObjectColor;
    page.addButton = "iLimitAddButton";
    page.removeButton = "LimitRemoveButton";
    page.prefix = "Limit";
    page.pageControl = "LimitPageControl";
    page.refresh = PageRefresh::OwnPage;
    page.places = {{"General"}};
    return page;
}

KindPage LabelPage() {
    KindPage page;
    page.kind = kind::Label;
    page.tabSheet = "LabelsTabSheet";
    page.caption = "Labels";
    page.listBox = "LabelListBox";
    page.addButton = "iLabelAddButton";
    page.removeButton = "LabelRemoveButton";
    page.prefix = "Label";
    page.pageControl = "LabelPageControl";
    page.refresh = PageRefresh::OwnPage;
    page.places = {{"General"}};
    return page;
}

} // namespace korvan::plot::editor
