#include "controls/plot/opc/OPCExplorerTree.h"

#include "platform/gfx/ImageList.h"
#include "platform/text/StrUtils.h"

#include <algorithm>

const TClassInfo& TiOPCExplorerTree::StaticClassInfo() {
    static const TClassInfo info = korvan::forms::ClassBuilder<TiOPCExplorerTree>(
                                       "TiOPCExplorerTree", &TCustomControl::StaticClassInfo())
                                       .Build();
    return info;
}

TiOPCExplorerTree::TiOPCExplorerTree(TComponent* owner)
    : TCustomControl(owner), images_(std::make_unique<TImageList>(16, 16)) {
    SetColor(clWindow);
}

TiOPCExplorerTree::~TiOPCExplorerTree() = default;

void TiOPCExplorerTree::Clear() {
    roots_.clear();
    Invalidate();
}

TiOPCTreeNode& TiOPCExplorerTree::Add(TiOPCTreeNode* parent, const std::string& text, int imageIndex) {
    auto& level = parent != nullptr ? parent->children : roots_;
    auto node = std::make_unique<TiOPCTreeNode>();
    node->text = text;
    node->imageIndex = imageIndex;
    // After every node of equal text, so equal names keep their order.
    const auto place = std::upper_bound(level.begin(), level.end(), text,
                                        [](const std::string& t, const std::unique_ptr<TiOPCTreeNode>& n) {
                                            return CompareText(t, n->text) < 0;
                                        });
    TiOPCTreeNode& added = **level.insert(place, std::move(node));
    Invalidate();
    return added;
}

void TiOPCExplorerTree::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRect());
    canvas.Font().Assign(Font());
    PaintNodes(roots_, 0, 2);
}

int TiOPCExplorerTree::PaintNodes(const std::vector<std::unique_ptr<TiOPCTreeNode>>& nodes, int depth,
                                  int top) {
    TCanvas& canvas = Canvas();
    for (const auto& node : nodes) {
        const int left = 4 + depth * kIndent;
        images_->Draw(canvas, left, top + 1, node->imageIndex);
        canvas.Brush().SetColor(Color());
        canvas.TextOut(left + images_->Width() + 4, top + (kRowHeight - canvas.TextHeight(node->text)) / 2,
                       node->text);
        top = PaintNodes(node->children, depth + 1, top + kRowHeight);
    }
    return top;
}
