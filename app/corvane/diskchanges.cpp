// A file changed by another program while it is open: Save asks before it
// overwrites that change, and the window reloads it when it becomes active.
#include <QList>
#include <QPair>

#include "app/corvane/mainform.h"
#include "app/corvane/treenode.h"
#include "app/corvane/windowservices.h"
#include "beans/beanfactory.h"
#include "widgets/hetreeview.h"
#include "widgets/messages.h"

namespace {

// A node by the kind (its image) and caption of itself and its ancestors,
// root first; a reloaded tree has new nodes but the same captions.
using TNodePath = QList<QPair<int, QString>>;

TNodePath PathOf(const TTreeNode* Node) {
  TNodePath Path;
  for (; Node; Node = Node->ParentNode())
    Path.prepend({Node->ImageIndex, Node->text(0)});
  return Path;
}

TTreeNode* Find(const QTreeWidget& Tree, const TNodePath& Path) {
  TTreeNode* Found = nullptr;
  for (const auto& [Image, Caption] : Path) {
    const int Count = Found ? Found->childCount() : Tree.topLevelItemCount();
    TTreeNode* Match = nullptr;
    for (int I = 0; I < Count && !Match; ++I) {
      TTreeNode* Node = AsNode(Found ? Found->child(I) : Tree.topLevelItem(I));
      if (Node->ImageIndex == Image && Node->text(0) == Caption) Match = Node;
    }
    if (!Match) return nullptr;
    Found = Match;
  }
  return Found;
}

}  // namespace

bool TMainForm::ConfirmOverwriteChanged() {
  if (!OpenedFile.Exists || !TFileStamp::Of(CurrentFile, OpenedFile).ChangedSince(OpenedFile))
    return true;
  return FServices->Confirm(CurrentFile +
                            " has been changed by another program since it was opened. "
                            "Overwrite it?") == mrYes;
}

// Unsaved changes are never dropped without a Yes; a No stands until the file
// changes again. A save that is asking is left to finish: it either writes the
// file or leaves the change for the next activation.
void TMainForm::CheckFileChangedOnDisk() {
  if (FCheckingDisk || FSaving || CurrentFile.isEmpty() || !OpenedFile.Exists) return;
  // The newest stamp of the bytes seen spares reading them while the file
  // looks as it did; a stamp of the same bytes taken later replaces it, so
  // that a file just written is trusted once it has settled.
  TFileStamp& Seen = FDeclinedReload.Exists ? FDeclinedReload : OpenedFile;
  const TFileStamp Now = TFileStamp::Of(CurrentFile, Seen);
  if (!Now.Exists) return;
  if (!Now.ChangedSince(Seen)) {
    Seen = Now;
    return;
  }
  if (!Now.ChangedSince(OpenedFile)) {
    OpenedFile = Now;
    return;
  }
  FCheckingDisk = true;
  EndPendingRename();
  if (DocumentChanged() &&
      !FServices->AskYesNo(
          CurrentFile + " has been changed by another program. Reload it and lose your changes?"))
    FDeclinedReload = Now;
  else
    ReloadKeepingSelection();
  FCheckingDisk = false;
}

void TMainForm::ReloadKeepingSelection() {
  const auto* Selected = AsNode(tvBeanTree->currentItem());
  const TNodePath Path = Selected ? PathOf(Selected) : TNodePath();
  Factory->FreeBean();
  LoadFile(CurrentFile);
  if (TTreeNode* Node = Find(*tvBeanTree, Path)) tvBeanTree->setCurrentItem(Node);
}
