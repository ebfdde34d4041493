// A node of the component tree. Its data is the model object it shows: the
// component for the root, a descriptor item below it. Nodes own nothing.
#pragma once

#include <QTreeWidgetItem>

class TJSBean;
class TJSB_CustomCollectionItem;

class TTreeNode : public QTreeWidgetItem {
 public:
  TTreeNode() = default;
  TJSBean* Bean = nullptr;                    // set on the root node only
  TJSB_CustomCollectionItem* Item = nullptr;  // set on every other node
  int ImageIndex = -1;                        // in the window's ilInfoView

  bool HasData() const { return Bean || Item; }
  TTreeNode* ParentNode() const { return static_cast<TTreeNode*>(parent()); }
};

// The tree's nodes are all TTreeNodes; this turns what the tree hands out back.
inline TTreeNode* AsNode(QTreeWidgetItem* Item) {
  return static_cast<TTreeNode*>(Item);
}
