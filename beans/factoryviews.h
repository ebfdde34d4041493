// What the bean factory needs of the window, as interfaces that the window
// implements: the component tree, the source text, the name prompt of the
// New dialog and the window's own operations. The factory knows no widget.
#pragma once

#include <QString>
#include <optional>
#include <vector>

class TTreeNode;  // a node of the component tree; opaque here
class TJSBean;
class TJSB_CustomCollectionItem;

// What a node shows: the component on the root node, an item on the others.
struct TNodeData {
  TJSBean* Bean = nullptr;
  TJSB_CustomCollectionItem* Item = nullptr;
};

class TComponentTreeView {
 public:
  virtual ~TComponentTreeView() = default;
  // Appends a node as the last child of Parent (none: a top-level node) with
  // the caption, the image (also when selected) and the data it shows.
  virtual TTreeNode* AddNode(TTreeNode* Parent, const QString& Caption, int Image,
                             TNodeData Data) = 0;
  // Removes the node and its children without a selection event; afterwards
  // no node is selected.
  virtual void RemoveNode(TTreeNode* Node) = 0;
  virtual void SetCaption(TTreeNode* Node, const QString& Caption) = 0;
  // Selects the node (none: no node); the window's selection handler runs.
  virtual void Select(TTreeNode* Node) = 0;
  virtual void BeginRename(TTreeNode* Node) = 0;
  // A name being typed goes through as Enter would send it.
  virtual void EndRename() = 0;
  virtual void Collapse(TTreeNode* Node) = 0;
  virtual void Expand(TTreeNode* Node) = 0;
  virtual void Clear() = 0;
  // Between these no selection event runs and nothing is repainted; the
  // top-level nodes added meanwhile appear at EndUpdate.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;

  virtual TTreeNode* Selected() const = 0;
  virtual TTreeNode* NodeAbove(TTreeNode* Node) const = 0;
  virtual QString Caption(TTreeNode* Node) const = 0;
  virtual TNodeData Data(TTreeNode* Node) const = 0;
  virtual bool IsShown() const = 0;

  virtual TTreeNode* ParentNode(TTreeNode* Node) const = 0;
  virtual std::vector<TTreeNode*> Children(TTreeNode* Node) const = 0;
  virtual bool IsExpanded(TTreeNode* Node) const = 0;
  // Puts the node's children in this order, keeping the selection and the
  // expanded states below it.
  virtual void SetChildOrder(TTreeNode* Node, const std::vector<TTreeNode*>& Order) = 0;
};

// The constructor's source text in the editor.
class TSourceText {
 public:
  virtual ~TSourceText() = default;
  virtual QString Text() const = 0;
  virtual void SetText(const QString& Text) = 0;
  virtual void Clear() = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // A fresh document: no undo history, not modified.
  virtual void NewDocument() = 0;
};

// The New JavaScript Component dialog: the name as typed, none on Cancel.
class TNamePrompt {
 public:
  virtual ~TNamePrompt() = default;
  virtual std::optional<QString> AskComponentName() = 0;
};

// The main window's operations that the factory calls.
class TFactoryWindow {
 public:
  virtual ~TFactoryWindow() = default;
  virtual void EnableDescriptorCommands(bool Enabled) = 0;
  virtual void SetCurrentFile(const QString& Name) = 0;
  virtual void SetConstructorSelectPending(bool Pending) = 0;
  virtual void ShowAttributePage(const QString& Name) = 0;
  virtual void SetAttributesVisible(bool Visible) = 0;
};
