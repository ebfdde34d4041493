// The one bean factory: it holds the current component and keeps the
// component tree, the attribute pages and the source editor in step with it.
#pragma once

#include <QString>
#include <memory>

#include "beans/beanmodel.h"
#include "beans/encoding.h"
#include "beans/jsbreader.h"

class QStackedWidget;
class TAttributeView;
class TLEdit;
class TMainForm;
class THETreeView;
class TTreeNode;

class TBeanFactory {
 public:
  explicit TBeanFactory(TMainForm* MainForm);
  ~TBeanFactory();
  TBeanFactory(const TBeanFactory&) = delete;
  TBeanFactory& operator=(const TBeanFactory&) = delete;

  // The current component; none at creation and after FreeBean.
  TJSBean* Bean() const { return FBean.get(); }
  // The main window discards the current component before it opens or
  // creates another.
  void FreeBean();
  // Empties the component tree; the model forgets the nodes it had.
  void ClearTree();
  // The encoding of the current document: a file's own, UTF-8 for a new one.
  TTextEncoding Encoding = TTextEncoding::Utf8;

  TMainForm* const MainForm;
  TLEdit* const Editor;
  THETreeView* const Tree;
  QStackedWidget* const Notebook;
  // Fills the attribute pages; the window sets it once its pages exist.
  TAttributeView* View = nullptr;

  void LoadFromFile(const QString& FileName);
  void SaveToFile(const QString& FileName);
  // False when the New JavaScript Component dialog was cancelled.
  bool NewComponent();
  void ShowSelection();
  TJSB_CustomCollectionItem* AddDescriptor(TDescriptorKind Kind);
  void DeleteNode(TTreeNode* Node);
  void RenameNode(TTreeNode* Node, const QString& NewName);

  // Model text as window text and back, in the document's encoding.
  QString Text(const std::string& Bytes) const;
  // Text that the encoding cannot hold turns the document into UTF-8 first.
  std::string Bytes(const QString& Text);

 private:
  TTreeNode* AddNode(TTreeNode* Parent, const QString& Caption, int Image);
  TTreeNode* AddRootNode(const QString& Caption);
  void BuildTree(const TJSBReadResult& Read);
  void ShowInvalidFile();
  TMethodDescriptor* TargetMethod() const;

  std::unique_ptr<TJSBean> FBean;
};

// The factory of the main window.
extern TBeanFactory* BeanFactory;
