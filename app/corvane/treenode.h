// A node of the component tree. Its data is the model object it shows: the
// component for the root, a descriptor item below it. Nodes own nothing.
#pragma once

#include <QTreeWidgetItem>

class TJSBean;
class TJSB_CustomCollectionItem;
class TTreeNode;

// A node's image and tool tip, asked for only when the node is shown.
class TNodeLook {
 public:
  virtual ~TNodeLook() = default;
  // Role is Qt::DecorationRole or Qt::ToolTipRole.
  virtual QVariant Look(const TTreeNode& Node, int Role) const = 0;
};

class TTreeNode : public QTreeWidgetItem {
 public:
  TTreeNode() = default;
  TJSBean* Bean = nullptr;                    // set on the root node only
  TJSB_CustomCollectionItem* Item = nullptr;  // set on every other node
  int ImageIndex = -1;                        // in the window's ilInfoView
  const TNodeLook* Looks = nullptr;           // not owned

  bool HasData() const { return Bean || Item; }
  TTreeNode* ParentNode() const { return static_cast<TTreeNode*>(parent()); }
  QVariant data(int Column, int Role) const override {
    if (Looks && Column == 0 && (Role == Qt::DecorationRole || Role == Qt::ToolTipRole))
      return Looks->Look(*this, Role);
    return QTreeWidgetItem::data(Column, Role);
  }
  // The view asks again for what the node shows.
  void Repaint() { emitDataChanged(); }
};

// The tree's nodes are all TTreeNodes; this turns what the tree hands out back.
inline TTreeNode* AsNode(QTreeWidgetItem* Item) {
  return static_cast<TTreeNode*>(Item);
}
