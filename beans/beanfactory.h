// The one bean factory: it holds the current component and keeps the
// component tree, the attribute pages and the source editor in step with it.
// It reaches them only through the interfaces of factoryviews.h. The tree
// follows the document: an item added or put back gets its node, an item
// taken out loses it. The factory shows the history's steps.
#pragma once

#include <QString>
#include <memory>
#include <string_view>

#include "beans/beanmodel.h"
#include "beans/encoding.h"
#include "beans/factoryviews.h"
#include "beans/historyview.h"
#include "beans/jsbdocument.h"
#include "beans/jsbreader.h"
#include "beans/valuemarks.h"
#include "widgets/textfile.h"

class TAttributeView;
class TModelJsonBuilder;

// The window's parts the factory works with; none is owned, and all outlive
// the factory.
struct TFactoryViews {
  TFactoryWindow& Window;
  TComponentTreeView& Tree;
  TSourceText& Source;
  TNamePrompt& Prompt;
};

class TBeanFactory : public THistoryView {
 public:
  explicit TBeanFactory(const TFactoryViews& Views);
  ~TBeanFactory() override;
  TBeanFactory(const TBeanFactory&) = delete;
  TBeanFactory& operator=(const TBeanFactory&) = delete;

  // The current component; none at creation and after FreeBean.
  TJSBean* Bean() const { return FDocument.Bean(); }
  // The document every change of the model goes through.
  TJSBDocument& Document() { return FDocument; }
  // What a save would change of the document's values.
  TValueMarks& Marks() { return FMarks; }
  // The main window discards the current component before it opens or
  // creates another.
  void FreeBean();
  // Empties the component tree; the model forgets the nodes it had.
  void ClearTree();
  // An empty tree, a cleared and hidden editor, the "Blank" page, no file
  // and no add commands.
  void ShowNoDocument();

  TFactoryWindow& Window;
  TComponentTreeView& Tree;
  TSourceText& Source;
  TNamePrompt& Prompt;
  // Fills the attribute pages; the window sets it once its pages exist.
  TAttributeView* View = nullptr;

  void LoadFromFile(const QString& FileName);
  // The text read as if from a file of this name: notices, tree, constructor.
  void LoadFromText(const std::string& Text, const QString& FileName);
  // A model kept in its JSON form, every value as it stands (a recovery
  // copy): tree and constructor as from a file. Raises EModelError for what
  // is not such a model, before anything of the old document goes.
  void LoadFromModel(std::string_view Json);
  // The component, its captions and the constructor text as that JSON, made
  // a step at a time; none without a component.
  std::unique_ptr<TModelJsonBuilder> ModelBuilder() const;
  // Gives the hash of the bytes written; none without a component.
  TFileHash SaveToFile(const QString& FileName);
  // False when the New JavaScript Component dialog was cancelled.
  bool NewComponent();
  void ShowSelection();
  TJSB_CustomCollectionItem* AddDescriptor(TDescriptorKind Kind);
  // Asks whether the item of the node is to go; false for the root.
  bool ConfirmDelete(TTreeNode* Node);
  void DeleteNode(TTreeNode* Node);
  void RenameNode(TTreeNode* Node, const QString& NewName);
  // The node of the item; of the component for none.
  TTreeNode* NodeOf(const TJSB_CustomCollectionItem* Item) const;
  TTreeNode* NodeOf(TObjectRef Object) const;
  TObjectRef ObjectOf(TTreeNode* Node) const;

  TNodeOrder OrderOf(TObjectRef Object) const override;
  TObjectRef ParentOf(TObjectRef Object) const override;
  void Restore(const TNodeOrder& Order) override;
  TObjectRef Selected() const override { return ObjectOf(Tree.Selected()); }
  TObjectRef Above(TObjectRef Object) const override;
  void Show(TObjectRef Object, bool Fill) override;
  // Refreshes the name field of the page of the item (none: the component).
  void ShowName(TJSB_CustomCollectionItem* Item);

  // Model text (UTF-8) as window text and back.
  QString Text(const std::string& Bytes) const;
  // Text that the encoding cannot hold turns the document into UTF-8 first.
  std::string Bytes(const QString& Text);

 private:
  TTreeNode* AddNode(TTreeNode* Parent, const QString& Caption, int Image, TNodeData Data);
  void ShowRead(TJSBReadResult Read);
  void BuildTree(const TJSBReadResult& Read);
  void ShowLastOfEachKind(TJSB_CustomCollectionItem* const (&LastOfKind)[5]);
  TMethodDescriptor* TargetMethod() const;

  // The tree's caption follows the name of the object behind the node.
  void NameChanged(TJSB_CustomCollectionItem* Item);
  // An item of the document (a method with its parameters) gets its node as
  // the last child of its parent's, or loses it.
  void ItemAdded(TJSB_CustomCollectionItem* Item);
  void ItemRemoved(TJSB_CustomCollectionItem* Item);

  TJSBDocument FDocument;
  TValueMarks FMarks{FDocument};
};

// The factory of the main window.
extern TBeanFactory* BeanFactory;
