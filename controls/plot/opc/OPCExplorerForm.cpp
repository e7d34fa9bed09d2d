#include "controls/plot/opc/OPCExplorerForm.h"

#include "controls/plot/opc/OPCExplorerTree.h"
#include "controls/plot/opc/OPCManager.h"
#include "controls/plot/opc/OPCPictures.h"
#include "platform/forms/Application.h"
#include "platform/gfx/ImageList.h"

#include <algorithm>

namespace {

TiOPCExplorerForm* sharedExplorer = nullptr;

} // namespace

const TClassInfo& TiOPCExplorerForm::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TiOPCExplorerForm>("TiOPCExplorerForm", &TForm::StaticClassInfo())
            .Build();
    return info;
}

TiOPCExplorerForm::TiOPCExplorerForm(TComponent* owner) : TForm(owner) {
    SetName("iOPCExplorerForm");
    SetCaption("Tashel OPC Explorer");
    SetFormStyle(fsStayOnTop);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 256, 319);
    treeView_ = new TiOPCExplorerTree(this);
    treeView_->SetName("TreeView");
    treeView_->SetParent(this);
    treeView_->SetAlign(alClient);
    korvan::plot::opc::AddOPCExplorerPictures(treeView_->Images());
}

TiOPCExplorerForm::~TiOPCExplorerForm() {
    if (sharedExplorer == this)
        sharedExplorer = nullptr;
}

void TiOPCExplorerForm::SetBounds(int left, int top, int width, int height) {
    TForm::SetBounds(left, top, std::max(width, 250), std::max(height, 300));
}

void TiOPCExplorerForm::Refresh() {
    treeView_->Clear();
    serversTreeNode_ = &treeView_->Add(nullptr, "Servers Connections", 0);
    groupsTreeNode_ = &treeView_->Add(nullptr, "Groups", 1);
    for (const std::string& name : TiOPCManager::ServerConnectionNames())
        treeView_->Add(serversTreeNode_, name, 2);
}

namespace korvan::plot::opc {

TiOPCExplorerForm* SharedOPCExplorer() {
    return sharedExplorer;
}

void ShowSharedOPCExplorer() {
    if (sharedExplorer == nullptr)
        sharedExplorer = new TiOPCExplorerForm(Application);
    sharedExplorer->Refresh();
    sharedExplorer->Show();
}

} // namespace korvan::plot::opc
