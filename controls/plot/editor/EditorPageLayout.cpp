#include "controls/plot/editor/EditorPageLayout.h"

#include "controls/plot/editor/EditorFrames.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/StdCtrls.h"
#include "platform/gfx/Bitmap.h"

#include <algorithm>
#include <array>

namespace korvan::plot::editor {

namespace {

constexpr int kGap = 4;        // between a caption and its control, and between rows
constexpr int kColumnGap = 12; // between columns
constexpr int kMargin = 6;     // inside a page
constexpr int kGroupTop = 18;  // a group box's caption band
constexpr int kListWidth = 112;
constexpr int kButtonHeight = 25;

} // namespace

int TextWidthOf(const TControl& control, std::string_view text) {
    TBitmap scratch;
    scratch.SetSize(1, 1);
    scratch.Canvas().Font().Assign(control.Font());
    return scratch.Canvas().TextWidth(std::string(text));
}

struct EditorPageLayout::Node {
    std::string path;
    bool isGroup = false;
    TWinControl* container = nullptr;
    TPageControl* pages = nullptr; // holds the sub-pages
    struct Item {
        TControl* control = nullptr;
        TLabel* caption = nullptr;
        TControl* partner = nullptr;
        Node* group = nullptr;
        // A cross of four arms: left, top, right, bottom.
        std::array<CrossArm, 4> cross{};
        bool IsCross() const { return cross[0].control != nullptr; }
    };
    std::vector<Item> items;
    TSize size{}; // of a group, after Measure
};

EditorPageLayout::EditorPageLayout(TCustomForm& form, TTabSheet& sheet, const KindPage& page)
    : form_(form), sheet_(sheet), page_(page) {
    auto root = std::make_unique<Node>();
    root->container = &sheet;
    nodes_.push_back(std::move(root));
}

EditorPageLayout::~EditorPageLayout() = default;

const PlaceSpec* EditorPageLayout::Declared(std::string_view path) const {
    for (const PlaceSpec& place : page_.places)
        if (place.path == path)
            return &place;
    return nullptr;
}

std::string_view EditorPageLayout::ParentOf(std::string_view path) const {
    // The longest declared or made place the path lies in; a declared
    // place lies in none unless one holds it, so captions may hold "/".
    std::string_view best;
    bool found = false;
    const auto consider = [&](std::string_view candidate) {
        if (candidate.size() < path.size() && path.substr(0, candidate.size()) == candidate &&
            path[candidate.size()] == '/' && (!found || candidate.size() > best.size())) {
            best = candidate;
            found = true;
        }
    };
    for (const PlaceSpec& place : page_.places)
        consider(place.path);
    for (const auto& node : nodes_)
        if (!node->path.empty())
            consider(node->path);
    if (found || Declared(path))
        return best;
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash);
}

EditorPageLayout::Node& EditorPageLayout::NodeOf(std::string_view path) {
    for (const auto& node : nodes_)
        if (node->path == path)
            return *node;
    const std::string parentPath(ParentOf(path));
    const std::string_view leaf = parentPath.empty() ? path : path.substr(parentPath.size() + 1);
    Node& parent = NodeOf(parentPath);
    const PlaceSpec* declared = Declared(path);
    auto node = std::make_unique<Node>();
    node->path = std::string(path);
    if (declared && declared->kind == PlaceSpec::SubPage) {
        if (!parent.pages) {
            auto* pages = new TiComponentEditorPageControl(&form_);
            const PlaceSpec* parentSpec = Declared(parent.path);
            const std::string_view name = parent.path.empty()
                                              ? page_.pageControl
                                              : (parentSpec ? parentSpec->pageControl : std::string_view{});
            if (!name.empty())
                pages->SetName(std::string(name));
            pages->SetParent(parent.container);
            parent.pages = pages;
        }
        auto* sheet = new TTabSheet(&form_);
        sheet->SetPageControl(parent.pages);
        sheet->SetText(std::string(leaf));
        sheet->SetTabVisible(!declared->hidden);
        node->container = sheet;
    } else {
        auto* group = new TiComponentEditorGroupBox(&form_);
        group->SetParent(parent.container);
        group->SetText(std::string(leaf));
        group->SetVisible(!(declared && declared->hidden));
        node->isGroup = true;
        node->container = group;
        Node::Item item;
        item.group = node.get();
        parent.items.push_back(item);
    }
    nodes_.push_back(std::move(node));
    return *nodes_.back();
}

TWinControl* EditorPageLayout::Container(std::string_view path) {
    return NodeOf(path).container;
}

void EditorPageLayout::Add(std::string_view path, TControl* control, std::string_view caption,
                           TControl* partner) {
    Node& node = NodeOf(path);
    Node::Item item;
    item.control = control;
    item.partner = partner;
    control->SetParent(node.container);
    if (partner)
        partner->SetParent(node.container);
    if (!caption.empty()) {
        item.caption = new TLabel(&form_);
        item.caption->SetParent(node.container);
        item.caption->SetText(std::string(caption));
    }
    node.items.push_back(item);
}

void EditorPageLayout::AddCross(std::string_view path, CrossArm left, CrossArm top, CrossArm right,
                                CrossArm bottom) {
    Node& node = NodeOf(path);
    Node::Item item;
    item.cross = {left, top, right, bottom};
    for (const CrossArm& arm : item.cross)
        for (TControl* c : {arm.control, arm.partner})
            if (c)
                c->SetParent(node.container);
    item.control = left.control;
    node.items.push_back(item);
}

void EditorPageLayout::SetListArea(TControl* list, TControl* addButton, TControl* removeButton) {
    list_ = list;
    add_ = addButton;
    remove_ = removeButton;
    for (TControl* c : {list, addButton, removeButton})
        if (c)
            c->SetParent(&sheet_);
}

namespace {

struct Cell {
    int captionWidth = 0; // 0: no caption
    int width = 0;        // control and partner
    int height = 0;
};

int ArmWidth(const EditorPageLayout::CrossArm& arm) {
    return arm.control->Width() + (arm.partner ? arm.partner->Width() : 0);
}

void PlaceArm(const EditorPageLayout::CrossArm& arm, int x, int y) {
    arm.control->SetBounds(x, y, arm.control->Width(), arm.control->Height());
    if (arm.partner)
        arm.partner->SetBounds(x + arm.control->Width(), y, arm.partner->Width(), arm.control->Height());
}

Cell CellOf(const TControl& control, const TLabel* caption, const TControl* partner) {
    Cell cell;
    cell.captionWidth = caption ? TextWidthOf(*caption, caption->Caption()) : 0;
    cell.width = control.Width() + (partner ? partner->Width() : 0);
    cell.height = std::max(control.Height(), caption ? caption->Height() : 0);
    return cell;
}

} // namespace

void EditorPageLayout::Arrange() {
    // Places its items from (left, top) in columns no taller than height;
    // returns the extent used.
    std::function<TSize(Node&, int, int, int)> flow;
    const auto measure = [&](Node& group, int height) {
        // A group's inner flow decides its size; its controls are placed
        // inside it.
        const TSize inner = flow(group, kMargin, kGroupTop, std::max(height - kGroupTop - kMargin, 40));
        group.size = TSize{std::max(inner.cx + 2 * kMargin, 80), kGroupTop + inner.cy + kMargin};
        group.container->SetBounds(0, 0, group.size.cx, group.size.cy);
    };
    flow = [&](Node& node, int left, int top, int height) -> TSize {
        // Split into columns first, so that every column aligns its
        // controls behind its own widest caption.
        std::vector<std::vector<Node::Item*>> columns(1);
        int y = top;
        for (Node::Item& item : node.items) {
            if (item.group)
                measure(*item.group, height);
            else if (item.caption)
                item.caption->SetAutoSize(true);
            const int h =
                item.group ? item.group->size.cy : CellOf(*item.control, item.caption, item.partner).height;
            if (item.group && !item.group->container->Visible())
                continue;
            if (y + h > top + height && !columns.back().empty()) {
                columns.emplace_back();
                y = top;
            }
            columns.back().push_back(&item);
            y += h + kGap;
        }
        int x = left;
        int bottom = top;
        for (auto& column : columns) {
            int captionWidth = 0;
            for (Node::Item* item : column)
                if (item->caption && !item->IsCross())
                    captionWidth =
                        std::max(captionWidth, TextWidthOf(*item->caption, item->caption->Caption()));
            int width = 0;
            y = top;
            for (Node::Item* item : column) {
                if (item->group) {
                    item->group->container->SetBounds(x, y, item->group->size.cx, item->group->size.cy);
                    width = std::max(width, item->group->size.cx);
                    y += item->group->size.cy + kGap;
                    continue;
                }
                if (item->IsCross()) {
                    const auto& [l, t, r, b] = item->cross;
                    const int w = std::max({ArmWidth(l), ArmWidth(t), ArmWidth(r), ArmWidth(b)});
                    const int h = l.control->Height() + kGap;
                    PlaceArm(t, x + w + kGap, y);
                    PlaceArm(l, x, y + h);
                    PlaceArm(r, x + 2 * (w + kGap), y + h);
                    PlaceArm(b, x + w + kGap, y + 2 * h);
                    width = std::max(width, 3 * w + 2 * kGap);
                    y += 3 * h;
                    continue;
                }
                const Cell cell = CellOf(*item->control, item->caption, item->partner);
                int cx = x;
                if (item->caption) {
                    cx = x + captionWidth + 2 * kGap;
                    item->caption->SetBounds(x, y + (cell.height - item->caption->Height()) / 2,
                                             item->caption->Width(), item->caption->Height());
                }
                item->control->SetBounds(cx, y, item->control->Width(), item->control->Height());
                if (item->partner)
                    item->partner->SetBounds(cx + item->control->Width(), y, item->partner->Width(),
                                             item->control->Height());
                width = std::max(width, cx - x + cell.width);
                y += cell.height + kGap;
            }
            bottom = std::max(bottom, y - kGap);
            if (!column.empty())
                x += width + kColumnGap;
        }
        return TSize{std::max(x - kColumnGap - left, 0), bottom - top};
    };

    const auto pageArea = [&](Node& node, TRect area) {
        // The place's own items at the left, its sub-pages in the rest.
        std::function<void(Node&, TRect)> arrange = [&](Node& place, TRect r) {
            const int height = r.Bottom - r.Top - 2 * kMargin;
            const TSize used =
                place.items.empty() ? TSize{0, 0} : flow(place, r.Left + kMargin, r.Top + kMargin, height);
            if (!place.pages)
                return;
            const int left = used.cx > 0 ? r.Left + kMargin + used.cx + kColumnGap : r.Left + 2;
            place.pages->SetBounds(left, r.Top + 2, r.Right - left - 2, r.Bottom - r.Top - 4);
            const TRect inner =
                place.pages->AdjustClientRect(Rect(0, 0, place.pages->Width(), place.pages->Height()));
            for (const auto& child : nodes_)
                if (!child->isGroup && child->container != place.container &&
                    child->container->Parent() == place.pages)
                    arrange(*child, Rect(0, 0, inner.Right - inner.Left, inner.Bottom - inner.Top));
        };
        arrange(node, area);
    };

    // A hidden sheet is not aligned yet: its page control tells its size.
    int width = sheet_.ClientWidth();
    int height = sheet_.ClientHeight();
    if (TPageControl* pages = sheet_.PageControl()) {
        const TRect inner = pages->AdjustClientRect(Rect(0, 0, pages->Width(), pages->Height()));
        width = inner.Right - inner.Left;
        height = inner.Bottom - inner.Top;
    }
    int left = 0;
    if (list_) {
        const int listBottom = add_ || remove_ ? height - kMargin - kButtonHeight - kGap : height - kMargin;
        list_->SetBounds(kMargin, kMargin, kListWidth, listBottom - kMargin);
        const int half = (kListWidth - kGap) / 2;
        if (add_)
            add_->SetBounds(kMargin, listBottom + kGap, half, kButtonHeight);
        if (remove_)
            remove_->SetBounds(kMargin + half + kGap, listBottom + kGap, half, kButtonHeight);
        left = kMargin + kListWidth;
    }
    pageArea(*nodes_.front(), Rect(left, 0, width, height));
}

} // namespace korvan::plot::editor
