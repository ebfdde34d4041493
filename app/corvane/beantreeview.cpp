#include "app/corvane/beantreeview.h"

#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <tuple>

#include "app/corvane/imagelist.h"
#include "app/corvane/treenode.h"
#include "app/corvane/valuewarnings.h"
#include "beans/valuemarks.h"
#include "widgets/hetreeview.h"

// Nodes still held back belong to no view yet.
TBeanTreeView::~TBeanTreeView() {
  for (QTreeWidgetItem* Node : FPending)
    delete Node;
}

TTreeNode* TBeanTreeView::AddNode(TTreeNode* Parent, const QString& Caption, int Image,
                                  TNodeData Data) {
  auto* Node = new TTreeNode;
  Node->setText(0, Caption);
  Node->ImageIndex = Image;
  Node->Looks = this;
  Node->Bean = Data.Bean;
  Node->Item = Data.Item;
  Node->setFlags(Node->flags() | Qt::ItemIsEditable);
  if (Parent)
    Parent->addChild(Node);
  else if (FUpdating)
    FPending.push_back(Node);
  else
    FTree.addTopLevelItem(Node);
  return Node;
}

void TBeanTreeView::RemoveNode(TTreeNode* Node) {
  const QSignalBlocker Quiet(&FTree);
  delete Node;
  FTree.setCurrentItem(nullptr);
}

void TBeanTreeView::SetCaption(TTreeNode* Node, const QString& Caption) {
  if (Node) Node->setText(0, Caption);
}

// The node is selected too when it is current already: the user may have
// cleared the selection (Ctrl and a click) and left it current. Only a new
// current node tells the window.
void TBeanTreeView::Select(TTreeNode* Node) {
  FTree.setCurrentItem(Node);
}

void TBeanTreeView::BeginRename(TTreeNode* Node) {
  FTree.editItem(Node);
}

void TBeanTreeView::EndRename() {
  FTree.EndEditing();
}

void TBeanTreeView::Collapse(TTreeNode* Node) {
  if (Node) Node->setExpanded(false);
}

void TBeanTreeView::Expand(TTreeNode* Node) {
  if (Node) Node->setExpanded(true);
}

void TBeanTreeView::Clear() {
  FTree.clear();
}

void TBeanTreeView::BeginUpdate() {
  FUpdating = true;
  FTree.setUpdatesEnabled(false);
}

void TBeanTreeView::EndUpdate() {
  FUpdating = false;
  {
    const QSignalBlocker Quiet(&FTree);
    for (QTreeWidgetItem* Node : FPending)
      FTree.addTopLevelItem(Node);
  }
  FPending.clear();
  FTree.setUpdatesEnabled(true);
}

TTreeNode* TBeanTreeView::Selected() const {
  return AsNode(FTree.currentItem());
}

TTreeNode* TBeanTreeView::NodeAbove(TTreeNode* Node) const {
  return AsNode(FTree.itemAbove(Node));
}

QString TBeanTreeView::Caption(TTreeNode* Node) const {
  return Node ? Node->text(0) : QString();
}

TNodeData TBeanTreeView::Data(TTreeNode* Node) const {
  return Node ? TNodeData{Node->Bean, Node->Item} : TNodeData{};
}

bool TBeanTreeView::IsShown() const {
  return !FTree.isHidden();
}

namespace {

// The node and those of its descendants that are expanded; a node out of the
// tree forgets its expanded state, so it is kept apart. Only nodes with
// children count: on a level of many nodes, asking a node costs a search.
std::vector<QTreeWidgetItem*> ExpandedIn(QTreeWidgetItem* Node) {
  std::vector<QTreeWidgetItem*> Expanded;
  if (Node->childCount() == 0) return Expanded;
  if (Node->isExpanded()) Expanded.push_back(Node);
  for (int I = 0; I < Node->childCount(); ++I)
    for (QTreeWidgetItem* Below : ExpandedIn(Node->child(I)))
      Expanded.push_back(Below);
  return Expanded;
}

void ExpandAgain(const std::vector<QTreeWidgetItem*>& Expanded) {
  for (QTreeWidgetItem* Node : Expanded)
    Node->setExpanded(true);
}

// Where Order differs from Now by one node moved, moves it and answers true:
// an item put back at its place costs a move, not a new level.
bool MoveOne(QTreeWidgetItem* Parent, const std::vector<TTreeNode*>& Now,
             const std::vector<TTreeNode*>& Order) {
  if (Now.size() != Order.size()) return false;
  const size_t From = std::mismatch(Now.begin(), Now.end(), Order.begin()).first - Now.begin();
  size_t To = Now.size() - 1;
  while (To > From && Now[To] == Order[To])
    --To;
  const auto Same = [&](size_t A, size_t B, size_t Count) {
    return std::equal(Now.begin() + A, Now.begin() + A + Count, Order.begin() + B);
  };
  size_t Take = 0, Put = 0;
  if (Now[From] == Order[To] && Same(From + 1, From, To - From))
    std::tie(Take, Put) = std::pair(From, To);
  else if (Now[To] == Order[From] && Same(From, From + 1, To - From))
    std::tie(Take, Put) = std::pair(To, From);
  else
    return false;
  const std::vector<QTreeWidgetItem*> Expanded = ExpandedIn(Now[Take]);
  Parent->insertChild(static_cast<int>(Put), Parent->takeChild(static_cast<int>(Take)));
  ExpandAgain(Expanded);
  return true;
}

}  // namespace

TTreeNode* TBeanTreeView::ParentNode(TTreeNode* Node) const {
  return Node ? Node->ParentNode() : nullptr;
}

std::vector<TTreeNode*> TBeanTreeView::Children(TTreeNode* Node) const {
  std::vector<TTreeNode*> Out;
  for (int I = 0; Node && I < Node->childCount(); ++I)
    Out.push_back(AsNode(Node->child(I)));
  return Out;
}

bool TBeanTreeView::IsExpanded(TTreeNode* Node) const {
  return Node && Node->isExpanded();
}

void TBeanTreeView::SetChildOrder(TTreeNode* Node, const std::vector<TTreeNode*>& Order) {
  if (!Node) return;
  const std::vector<TTreeNode*> Now = Children(Node);
  if (Now == Order) return;
  const QSignalBlocker Quiet(&FTree);
  QTreeWidgetItem* Current = FTree.currentItem();
  if (!MoveOne(Node, Now, Order)) {
    const std::vector<QTreeWidgetItem*> Expanded = ExpandedIn(Node);
    Node->takeChildren();
    Node->addChildren(QList<QTreeWidgetItem*>(Order.begin(), Order.end()));
    ExpandAgain(Expanded);
  }
  if (Current) FTree.setCurrentItem(Current);
}

void TBeanTreeView::FollowValues(TValueMarks& Marks) {
  FMarks = &Marks;
  QObject::connect(&Marks, &TValueMarks::Changed, &FTree, [this](TJSB_CustomCollectionItem* Item) {
    TTreeNode* Node = AsNode(Item ? Item->Node : FTree.topLevelItem(0));
    if (Node) Node->Repaint();
  });
}

// Whether the caption runs past its column or the visible part of the tree,
// so that the tree shows it cut short.
bool TBeanTreeView::CaptionCut(const TTreeNode& Node) const {
  const QRect Row = FTree.visualItemRect(&Node);
  if (Row.isEmpty()) return false;
  const int Room = std::min(Row.right(), FTree.viewport()->width()) - Row.left();
  const int Icon = FTree.iconSize().width() > 0
                       ? FTree.iconSize().width()
                       : FTree.style()->pixelMetric(QStyle::PM_SmallIconSize);
  // The item's margins and the space between its icon and its text.
  const int Margins = 3 * (FTree.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  return Icon + Margins + FTree.fontMetrics().horizontalAdvance(Node.text(0)) > Room;
}

QVariant TBeanTreeView::Look(const TTreeNode& Node, int Role) const {
  static const std::vector<TFieldLoss> None;
  const std::vector<TFieldLoss>& Losses =
      FMarks && Node.HasData() ? FMarks->Losses(Node.Item) : None;
  if (Role == Qt::ToolTipRole) {
    const QString Lines = LossLines(Losses);
    if (!CaptionCut(Node)) return Lines;
    return Lines.isEmpty() ? Node.text(0) : Node.text(0) + '\n' + Lines;
  }
  if (Losses.empty()) return FImages.Icon(Node.ImageIndex);
  auto Marked = FMarked.find(Node.ImageIndex);
  if (Marked == FMarked.end())
    Marked =
        FMarked
            .emplace(Node.ImageIndex, WithWarningMark(FImages.Icon(Node.ImageIndex),
                                                      QSize(FImages.Width(), FImages.Height())))
            .first;
  return Marked->second;
}
