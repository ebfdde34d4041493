#include "app/corvane/beantreeview.h"

#include <QSignalBlocker>

#include "app/corvane/imagelist.h"
#include "app/corvane/treenode.h"
#include "app/corvane/valuewarnings.h"
#include "beans/jsbdocument.h"
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
  Node->setIcon(0, FImages.Icon(Image));
  Node->ImageIndex = Image;
  Node->Bean = Data.Bean;
  Node->Item = Data.Item;
  Node->setFlags(Node->flags() | Qt::ItemIsEditable);
  ShowWarning(Node);
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
// tree forgets its expanded state, so it is kept apart.
std::vector<QTreeWidgetItem*> ExpandedIn(QTreeWidgetItem* Node) {
  std::vector<QTreeWidgetItem*> Expanded;
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

}  // namespace

int TBeanTreeView::TakeNode(TTreeNode* Node) {
  const QSignalBlocker Quiet(&FTree);
  FTakenExpanded[Node] = ExpandedIn(Node);
  QTreeWidgetItem* Parent = Node->parent();
  const int Position = Parent ? Parent->indexOfChild(Node) : FTree.indexOfTopLevelItem(Node);
  if (Parent)
    Parent->takeChild(Position);
  else
    FTree.takeTopLevelItem(Position);
  FTree.setCurrentItem(nullptr);
  return Position;
}

void TBeanTreeView::PutNode(TTreeNode* Parent, int Position, TTreeNode* Node) {
  const QSignalBlocker Quiet(&FTree);
  if (Parent)
    Parent->insertChild(Position, Node);
  else
    FTree.insertTopLevelItem(Position, Node);
  ExpandAgain(FTakenExpanded[Node]);
  FTakenExpanded.erase(Node);
}

void TBeanTreeView::DiscardNode(TTreeNode* Node) {
  FTakenExpanded.erase(Node);
  delete Node;
}

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
  if (!Node || Children(Node) == Order) return;
  const QSignalBlocker Quiet(&FTree);
  QTreeWidgetItem* Current = FTree.currentItem();
  const std::vector<QTreeWidgetItem*> Expanded = ExpandedIn(Node);
  Node->takeChildren();
  Node->addChildren(QList<QTreeWidgetItem*>(Order.begin(), Order.end()));
  ExpandAgain(Expanded);
  if (Current) FTree.setCurrentItem(Current);
}

void TBeanTreeView::FollowValues(TJSBDocument& Document) {
  QObject::connect(&Document, &TJSBDocument::FieldChanged, &FTree,
                   [this, &Document](TJSB_CustomCollectionItem* Item) {
                     TJSBean* Bean = Document.Bean();
                     ShowWarning(Item ? Item->Node : Bean ? Bean->Node : nullptr);
                   });
}

void TBeanTreeView::ShowWarning(TTreeNode* Node) {
  if (!Node || !Node->HasData()) return;
  const std::vector<TFieldLoss> Losses =
      Node->Item ? CheckFields(*Node->Item) : CheckFields(*Node->Bean);
  const QIcon Image = FImages.Icon(Node->ImageIndex);
  Node->setIcon(
      0, Losses.empty() ? Image : WithWarningMark(Image, QSize(FImages.Width(), FImages.Height())));
  Node->setToolTip(0, LossLines(Losses));
}
