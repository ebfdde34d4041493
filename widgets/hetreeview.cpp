#include "widgets/hetreeview.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <vector>

namespace {

// What a sort must not lose although it moves nodes out and back in.
struct TTreeState {
  QTreeWidgetItem* Current = nullptr;
  QList<QTreeWidgetItem*> Selected;
  std::vector<QTreeWidgetItem*> Expanded;
  int Scroll = 0;
};

TTreeState SaveState(QTreeWidget* Tree) {
  TTreeState State{
      Tree->currentItem(), Tree->selectedItems(), {}, Tree->verticalScrollBar()->value()};
  for (QTreeWidgetItemIterator It(Tree); *It != nullptr; ++It)
    if ((*It)->isExpanded()) State.Expanded.push_back(*It);
  return State;
}

bool CaptionLess(QTreeWidgetItem* A, QTreeWidgetItem* B) {
  return THETreeView::CompareCaptions(A, B) < 0;
}

void RestoreState(QTreeWidget* Tree, const TTreeState& State) {
  for (QTreeWidgetItem* Node : State.Expanded)
    Node->setExpanded(true);
  if (State.Current != nullptr)
    Tree->setCurrentItem(State.Current, 0, QItemSelectionModel::NoUpdate);
  Tree->clearSelection();
  for (QTreeWidgetItem* Node : State.Selected)
    Node->setSelected(true);
  Tree->verticalScrollBar()->setValue(State.Scroll);
}

}  // namespace

THETreeView::THETreeView(QWidget* Parent) : QTreeWidget(Parent) {
  setColumnCount(1);
  setHeaderHidden(true);
  setSortingEnabled(false);
}

void THETreeView::SetSortType(TSortType Value) {
  if (Value == FSortType) return;
  FSortType = Value;
  if (Value == stText || Value == stBoth || (Value == stData && FOnCompare)) AlphaSort();
}

bool THETreeView::AlphaSort() {
  return CustomSort(nullptr, 0);
}

bool THETreeView::CustomSort(const TTVCompare& SortProc, qintptr Data) {
  const TTreeState Saved = SaveState(this);
  const QSignalBlocker Silence(this);
  // The top level goes by caption unless a comparison is given; OnCompare
  // is not asked there.
  SortChildren(invisibleRootItem(), SortProc ? ChildOrder(SortProc, Data) : TLess(CaptionLess));
  // Every node with children, in display order: a node's children are sorted
  // before any of them is visited.
  const TLess Less = ChildOrder(SortProc, Data);
  std::vector<QTreeWidgetItem*> Pending;
  for (int I = topLevelItemCount() - 1; I >= 0; --I)
    Pending.push_back(topLevelItem(I));
  while (!Pending.empty()) {
    QTreeWidgetItem* Node = Pending.back();
    Pending.pop_back();
    SortChildren(Node, Less);
    for (int I = Node->childCount() - 1; I >= 0; --I)
      Pending.push_back(Node->child(I));
  }
  RestoreState(this, Saved);
  viewport()->update();
  return true;
}

int THETreeView::CompareCaptions(const QTreeWidgetItem* Node1, const QTreeWidgetItem* Node2) {
  return QString::localeAwareCompare(Node1->text(0), Node2->text(0));
}

THETreeView::TLess THETreeView::ChildOrder(const TTVCompare& SortProc, qintptr Data) const {
  if (SortProc)
    return [SortProc, Data](QTreeWidgetItem* A, QTreeWidgetItem* B) {
      return SortProc(A, B, Data) < 0;
    };
  if (FOnCompare)
    return [this](QTreeWidgetItem* A, QTreeWidgetItem* B) { return FOnCompare(A, B) < 0; };
  return CaptionLess;
}

// Puts Parent's children in Less order, keeping equal ones as they stand; a
// level already in order is left untouched.
void THETreeView::SortChildren(QTreeWidgetItem* Parent, const TLess& Less) {
  std::vector<QTreeWidgetItem*> Order;
  for (int I = 0; I < Parent->childCount(); ++I)
    Order.push_back(Parent->child(I));
  std::vector<QTreeWidgetItem*> Sorted = Order;
  std::stable_sort(Sorted.begin(), Sorted.end(), Less);
  if (Sorted == Order) return;
  Parent->takeChildren();
  Parent->addChildren(QList<QTreeWidgetItem*>(Sorted.begin(), Sorted.end()));
}

// The in-place editor is the view's only direct child of the viewport.
bool THETreeView::EndEditing() {
  if (state() != QAbstractItemView::EditingState) return false;
  const auto Editors = viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* Editor : Editors) {
    if (Editor->isHidden()) continue;  // closed, awaiting deletion
    commitData(Editor);
    closeEditor(Editor, QAbstractItemDelegate::NoHint);
    return true;
  }
  return false;
}
