// A tree view with its own sort type and a sort that orders every level: the
// top level by caption (or a given comparison), each node's children by the
// given comparison, or by OnCompare, or by caption.
//
// The tree is never kept sorted by the base view; it is ordered only when a
// sort runs. A sort keeps the current node, the selection and the expanded
// nodes, and the tree's own signals stay silent while it runs.
#pragma once

#include <QTreeWidget>
#include <functional>

class THETreeView : public QTreeWidget {
  Q_OBJECT

 public:
  enum TSortType { stNone = 0, stData = 1, stText = 2, stBoth = 3 };
  // Compares two sibling nodes: negative when Node1 goes first, positive when
  // Node2 does, 0 when they are equal.
  using TTVCompareEvent = std::function<int(QTreeWidgetItem* Node1, QTreeWidgetItem* Node2)>;
  using TTVCompare =
      std::function<int(QTreeWidgetItem* Node1, QTreeWidgetItem* Node2, qintptr Data)>;

  explicit THETreeView(QWidget* Parent = nullptr);

  TSortType SortType() const { return FSortType; }
  // Stores a new value and sorts at once for stText and stBoth, and for stData
  // when OnCompare is set.
  void SetSortType(TSortType Value);

  const TTVCompareEvent& OnCompare() const { return FOnCompare; }
  void SetOnCompare(TTVCompareEvent Value) { FOnCompare = std::move(Value); }

  // CustomSort without a comparison and with Data 0.
  bool AlphaSort();
  // Sorts the top level with SortProc (by caption when it is empty), then the
  // children of every node, in display order, with SortProc and Data (by
  // OnCompare or caption when it is empty). Returns whether the top level was
  // sorted, which always succeeds for this view.
  bool CustomSort(const TTVCompare& SortProc, qintptr Data);

  // Ends an open in-place edit as Enter would, handing its text to the
  // delegate; false when no edit was open.
  bool EndEditing();

  // The caption order of the sort: locale-aware and case-sensitive.
  static int CompareCaptions(const QTreeWidgetItem* Node1, const QTreeWidgetItem* Node2);

 private:
  using TLess = std::function<bool(QTreeWidgetItem*, QTreeWidgetItem*)>;
  TLess ChildOrder(const TTVCompare& SortProc, qintptr Data) const;
  static void SortChildren(QTreeWidgetItem* Parent, const TLess& Less);

  TSortType FSortType = stNone;
  TTVCompareEvent FOnCompare;
};
