#pragma once
// The OPC explorer: a small window, above the others, listing the client
// library's server connections in a tree ("Servers Connections", with one
// child per connection, and "Groups", left empty). One window is shared by
// the group managers; the application owns it and frees it at exit.

#include "platform/forms/Form.h"

class TiOPCExplorerTree;
struct TiOPCTreeNode;

class TiOPCExplorerForm : public TForm {
    KORVAN_CLASS(TiOPCExplorerForm)
public:
    explicit TiOPCExplorerForm(TComponent* owner);
    ~TiOPCExplorerForm() override;

    // Never narrower than 250 or lower than 300.
    void SetBounds(int left, int top, int width, int height) override;
    // Lists the library's connections anew (none without the library).
    void Refresh();
    TiOPCExplorerTree& TreeView() { return *treeView_; }
    TiOPCTreeNode* ServersTreeNode() const { return serversTreeNode_; }
    TiOPCTreeNode* GroupsTreeNode() const { return groupsTreeNode_; }

private:
    TiOPCExplorerTree* treeView_ = nullptr; // owned as a child
    TiOPCTreeNode* serversTreeNode_ = nullptr;
    TiOPCTreeNode* groupsTreeNode_ = nullptr;
};

namespace korvan::plot::opc {
// The shared explorer, or null when there is none.
TiOPCExplorerForm* SharedOPCExplorer();
// Makes the shared explorer when there is none (owned by the application),
// refreshes and shows it.
void ShowSharedOPCExplorer();
} // namespace korvan::plot::opc
