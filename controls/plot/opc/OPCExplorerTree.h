#pragma once
// The explorer's tree: read-only nodes with a text and a picture, each
// level kept sorted by text, always shown expanded, one row per node with
// the picture and the text indented by depth.

#include "platform/forms/WinControl.h"

#include <memory>
#include <string>
#include <vector>

class TImageList;

struct TiOPCTreeNode {
    std::string text;
    int imageIndex = -1;
    std::vector<std::unique_ptr<TiOPCTreeNode>> children;
};

class TiOPCExplorerTree : public TCustomControl {
    KORVAN_CLASS(TiOPCExplorerTree)
public:
    explicit TiOPCExplorerTree(TComponent* owner);
    ~TiOPCExplorerTree() override;

    void Clear();
    // Adds a node under `parent` (a root without one) at its sorted place.
    TiOPCTreeNode& Add(TiOPCTreeNode* parent, const std::string& text, int imageIndex);
    const std::vector<std::unique_ptr<TiOPCTreeNode>>& Roots() const { return roots_; }
    TImageList& Images() { return *images_; }

    static constexpr int kRowHeight = 18;
    static constexpr int kIndent = 19;

protected:
    void Paint() override;

private:
    int PaintNodes(const std::vector<std::unique_ptr<TiOPCTreeNode>>& nodes, int depth, int top);

    std::vector<std::unique_ptr<TiOPCTreeNode>> roots_;
    std::unique_ptr<TImageList> images_;
};
