// The one bean factory: it holds the current component and keeps the
// component tree, the attribute pages and the source editor in step with it.
// It reaches them only through the interfaces of factoryviews.h.
#pragma once

#include <QString>
#include <memory>

#include "beans/beanmodel.h"
#include "beans/encoding.h"
#include "beans/factoryviews.h"
#include "beans/jsbdocument.h"
#include "beans/jsbreader.h"
#include "widgets/textfile.h"

class TAttributeView;

// The window's parts the factory works with; none is owned, and all outlive
// the factory.
struct TFactoryViews {
  TFactoryWindow& Window;
  TComponentTreeView& Tree;
  TSourceText& Source;
  TNamePrompt& Prompt;
};

class TBeanFactory {
 public:
  explicit TBeanFactory(const TFactoryViews& Views);
  ~TBeanFactory();
  TBeanFactory(const TBeanFactory&) = delete;
  TBeanFactory& operator=(const TBeanFactory&) = delete;

  // The current component; none at creation and after FreeBean.
  TJSBean* Bean() const { return FDocument.Bean(); }
  // The document every change of the model goes through.
  TJSBDocument& Document() { return FDocument; }
  // The main window discards the current component before it opens or
  // creates another.
  void FreeBean();
  // Empties the component tree; the model forgets the nodes it had.
  void ClearTree();
  // An empty tree, a cleared and hidden editor, the "Blank" page, no file.
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
  // Gives the hash of the bytes written; none without a component.
  TFileHash SaveToFile(const QString& FileName);
  // The bytes SaveToFile writes; none without a component.
  std::string FileText();
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

  TJSBDocument FDocument;
};

// The factory of the main window.
extern TBeanFactory* BeanFactory;
