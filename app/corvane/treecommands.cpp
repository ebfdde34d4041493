// The component tree as the window drives it: selection, in-place rename,
// sorting, Delete and Rename, the add commands and the tree's pop-up menu.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>

#include "app/corvane/mainform.h"
#include "app/corvane/treenode.h"
#include "beans/beanfactory.h"
#include "beans/undo/documenthistory.h"
#include "widgets/hetreeview.h"
#include "widgets/textutils.h"

namespace {

// Ends an in-place rename: the model learns the new name before the tree
// shows it. Cancelled edits never get here.
class TRenameDelegate : public QStyledItemDelegate {
 public:
  TRenameDelegate(TMainForm* Form) : QStyledItemDelegate(Form), FForm(Form) {}
  void setModelData(QWidget* Editor, QAbstractItemModel* Model,
                    const QModelIndex& Index) const override {
    auto* Line = qobject_cast<QLineEdit*>(Editor);
    QTreeWidgetItem* Item = FForm ? FForm->tvBeanTree->itemFromIndex(Index) : nullptr;
    if (Line && Item) FForm->tvBeanTreeEdited(AsNode(Item), Line->text());
    QStyledItemDelegate::setModelData(Editor, Model, Index);
  }
  // A window being destroyed still closes an open editor, which commits it:
  // from then on the edit reaches the tree only.
  void Detach() { FForm = nullptr; }

 private:
  TMainForm* FForm;
};

// ASCII letters folded to upper case, other bytes compared as they are.
int CompareNames(const std::string& A, const std::string& B) {
  const size_t N = std::min(A.size(), B.size());
  for (size_t I = 0; I < N; ++I) {
    const auto CA = static_cast<unsigned char>(UpCaseAscii(A[I]));
    const auto CB = static_cast<unsigned char>(UpCaseAscii(B[I]));
    if (CA != CB) return CA < CB ? -1 : 1;
  }
  return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
}

// Properties, then methods, then event sets, then interfaces; parameters keep
// their order, since a saved file follows the method's collection anyway.
int KindRank(const TJSB_CustomCollectionItem* Item) {
  if (dynamic_cast<const TPropertyDescriptor*>(Item)) return 0;
  if (dynamic_cast<const TMethodDescriptor*>(Item)) return 1;
  if (dynamic_cast<const TEventSetDescriptor*>(Item)) return 2;
  if (dynamic_cast<const TJSInterface*>(Item)) return 3;
  return 4;
}

}  // namespace

void TMainForm::DetachTreeDelegate() {
  if (auto* Delegate = dynamic_cast<TRenameDelegate*>(tvBeanTree->itemDelegate()))
    Delegate->Detach();
}

void TMainForm::BuildTreeCommands() {
  tvBeanTree->setItemDelegate(new TRenameDelegate(this));
  // Every row is one image and one line of text: the view need not measure
  // a row whose caption changed, nor every row of a large level.
  tvBeanTree->setUniformRowHeights(true);
  tvBeanTree->setEditTriggers(QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed);
  tvBeanTree->SetOnCompare([](QTreeWidgetItem* A, QTreeWidgetItem* B) {
    return tvBeanTreeCompare(AsNode(A), AsNode(B));
  });
  connect(tvBeanTree, &QTreeWidget::currentItemChanged, this, [this] { tvBeanTreeChange(); });
  BuildTreeMenu();
}

void TMainForm::BuildTreeMenu() {
  pmBeanTree = new QMenu(this);
  pmBeanTree->setObjectName("pmBeanTree");
  QMenu* New = pmBeanTree->addMenu(tr("Ne&w"));
  New->setObjectName("New1");
  for (const auto& [Name, Caption] : {std::pair{"pmiProperty", QT_TR_NOOP("&Property")},
                                      {"pmiEvent", QT_TR_NOOP("&Event")},
                                      {"pmiMethod", QT_TR_NOOP("&Method")},
                                      {"pmiParameter", QT_TR_NOOP("Pa&rameter")},
                                      {"pmiInterface", QT_TR_NOOP("&Interface")}})
    New->addAction(tr(Caption))->setObjectName(Name);
  pmBeanTree->addSeparator();
  pmBeanTree->addAction(tr("&Delete"))->setObjectName("pmiDelete");
  pmBeanTree->addAction(tr("&Rename"))->setObjectName("pmiRename");
  tvBeanTree->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(tvBeanTree, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& At) { pmBeanTree->popup(tvBeanTree->viewport()->mapToGlobal(At)); });
}

void TMainForm::tvBeanTreeChange() {
  // Typing on another node is another step.
  if (History) History->Seal();
  if (BeanFactory) BeanFactory->ShowSelection();
}

void TMainForm::tvBeanTreeEdited(TTreeNode* Node, const QString& Text) {
  if (BeanFactory) History->Rename(BeanFactory->ObjectOf(Node), Text);
  // The sort waits until the editor has handed its text to the tree.
  QTimer::singleShot(0, this, &TMainForm::SortBeanTree);
}

int TMainForm::tvBeanTreeCompare(TTreeNode* A, TTreeNode* B) {
  if (!A->Item || !B->Item) return 0;
  const int RankA = KindRank(A->Item), RankB = KindRank(B->Item);
  if (RankA != RankB) return RankA < RankB ? -1 : 1;
  if (RankA == 4) return 0;
  return CompareNames(A->Item->Name(), B->Item->Name());
}

void TMainForm::SortBeanTree() {
  tvBeanTree->AlphaSort();
}

void TMainForm::pmiDeleteClick() {
  if (!BeanFactory || !BeanFactory->Bean()) return;
  TTreeNode* Node = AsNode(tvBeanTree->currentItem());
  if (BeanFactory->ConfirmDelete(Node)) History->DeleteItem(Node->Item);
  BeanFactory->Document().SetModified(true);
}

void TMainForm::pmiRenameClick() {
  if (QTreeWidgetItem* Node = tvBeanTree->currentItem()) tvBeanTree->editItem(Node);
}

void TMainForm::AddDescriptorCommand(TDescriptorKind Kind) {
  if (BeanFactory) History->AddDescriptor(Kind);
}
