// The component tree as the bean factory sees it: tvBeanTree with the
// window's image list behind the factory's tree interface.
#pragma once

#include <QIcon>
#include <map>
#include <vector>

#include "app/corvane/treenode.h"
#include "beans/factoryviews.h"

class THETreeView;
class TImageList;
class QTreeWidgetItem;
class TValueMarks;

class TBeanTreeView : public TComponentTreeView, public TNodeLook {
 public:
  TBeanTreeView(THETreeView& Tree, const TImageList& Images) : FTree(Tree), FImages(Images) {}
  ~TBeanTreeView() override;
  TBeanTreeView(const TBeanTreeView&) = delete;
  TBeanTreeView& operator=(const TBeanTreeView&) = delete;

  TTreeNode* AddNode(TTreeNode* Parent, const QString& Caption, int Image, TNodeData Data) override;
  void RemoveNode(TTreeNode* Node) override;
  void SetCaption(TTreeNode* Node, const QString& Caption) override;
  void Select(TTreeNode* Node) override;
  void BeginRename(TTreeNode* Node) override;
  void EndRename() override;
  void Collapse(TTreeNode* Node) override;
  void Expand(TTreeNode* Node) override;
  void Clear() override;
  void BeginUpdate() override;
  void EndUpdate() override;

  TTreeNode* Selected() const override;
  TTreeNode* NodeAbove(TTreeNode* Node) const override;
  QString Caption(TTreeNode* Node) const override;
  TNodeData Data(TTreeNode* Node) const override;
  bool IsShown() const override;
  TTreeNode* ParentNode(TTreeNode* Node) const override;
  std::vector<TTreeNode*> Children(TTreeNode* Node) const override;
  bool IsExpanded(TTreeNode* Node) const override;
  void SetChildOrder(TTreeNode* Node, const std::vector<TTreeNode*>& Order) override;

  // Keeps the warning mark of each node in step with the values of the object
  // it shows: a node whose object holds a value that a save would change
  // carries the warning in the corner of its image and the causes as its
  // tool tip. A node is asked only once it is shown.
  void FollowValues(TValueMarks& Marks);
  // The image with a mark when a value would not survive a save; the tool
  // tip lists those values, after the whole caption when the tree cuts it.
  QVariant Look(const TTreeNode& Node, int Role) const override;

 private:
  bool CaptionCut(const TTreeNode& Node) const;
  THETreeView& FTree;
  const TImageList& FImages;
  bool FUpdating = false;
  // Top-level nodes added in update mode, put together apart from the view.
  std::vector<QTreeWidgetItem*> FPending;
  TValueMarks* FMarks = nullptr;
  // Each image with the warning mark, made once.
  mutable std::map<int, QIcon> FMarked;
};
