#include "beans/beanfactory.h"

#include <QSignalBlocker>
#include <QStackedWidget>

#include "app/corvane/mainform.h"
#include "app/corvane/newcomponentform.h"
#include "app/corvane/treenode.h"
#include "app/corvane/uitext.h"
#include "beans/attributeview.h"
#include "beans/beanfields.h"
#include "beans/jsbwriter.h"
#include "editor/ledit.h"
#include "widgets/hetreeview.h"
#include "widgets/messages.h"
#include "widgets/textutils.h"

TBeanFactory* BeanFactory = nullptr;

namespace {

constexpr int ImageComponent = 4, ImageProperty = 5, ImageMethod = 6, ImageEvent = 11,
              ImageInterface = 22, ImageParameter = 1;

int ImageOf(TDescriptorKind Kind) {
  switch (Kind) {
    case dkProperty:
      return ImageProperty;
    case dkEvent:
      return ImageEvent;
    case dkMethod:
      return ImageMethod;
    case dkParameter:
      return ImageParameter;
    case dkInterface:
      break;
  }
  return ImageInterface;
}

// The constructor template of a new component, eight lines ended by CR LF.
std::string ConstructorTemplate(const std::string& Name) {
  const std::string Hyphens = CharString('-', 44);
  return "\t/*" + Hyphens + "\r\n" + "\t   Constructor function\r\n" + "\t" + Hyphens + " */\r\n" +
         "\tfunction " + ReplaceChar(Name, '.', "_") + "( params ) {\r\n" + "\t\r\n" +
         "\t\t/* Define your constructor here */\r\n" + "\t\r\n" + "\t}\r\n";
}

// Collections remember the item shown last; a load shows each item in turn.
template <class TColl>
void MakeLastCurrent(TColl& Items) {
  if (Items.Count() > 0) Items.ItemIndex = Items.Count() - 1;
}

template <class T>
void ToUtf8Fields(T& Obj) {
  for (const TField<T>& F : FieldsOf<T>())
    if (!F.IsFlag()) (Obj.*F.SetText)(ToUtf8((Obj.*F.GetText)(), TTextEncoding::Latin1));
}

template <class TColl>
void ToUtf8All(TColl& Items) {
  for (int I = 0; I < Items.Count(); ++I)
    ToUtf8Fields(*Items.Items(I));
}

}  // namespace

TBeanFactory::TBeanFactory(TMainForm* Form)
    : MainForm(Form), Editor(Form->LEdit1), Tree(Form->tvBeanTree), Notebook(Form->nbAttributes) {
  BeanFactory = this;
}

TBeanFactory::~TBeanFactory() {
  if (BeanFactory == this) BeanFactory = nullptr;
}

// The tree's nodes point at the component, so they go first.
void TBeanFactory::FreeBean() {
  ClearTree();
  FBean.reset();
}

namespace {

template <class TColl>
void ForgetNodes(TColl& Items) {
  for (int I = 0; I < Items.Count(); ++I)
    Items.Items(I)->Node = nullptr;
}

}  // namespace

void TBeanFactory::ClearTree() {
  Tree->clear();
  if (!FBean) return;
  FBean->Node = nullptr;
  ForgetNodes(FBean->Properties());
  ForgetNodes(FBean->EventSets());
  ForgetNodes(FBean->Interfaces());
  ForgetNodes(FBean->Methods());
  for (int I = 0; I < FBean->Methods().Count(); ++I)
    ForgetNodes(FBean->Methods().Items(I)->Parameters());
}

QString TBeanFactory::Text(const std::string& Value) const {
  return ToQString(Value, Encoding);
}

// Text that Latin-1 cannot hold turns the document into UTF-8 first, so that
// nothing typed is ever lost in a save.
std::string TBeanFactory::Bytes(const QString& Value) {
  if (Encoding == TTextEncoding::Latin1 && !FromUtf8(Value.toStdString(), Encoding)) {
    Encoding = TTextEncoding::Utf8;
    if (FBean) {
      ToUtf8Fields(*FBean);
      ToUtf8All(FBean->Properties());
      ToUtf8All(FBean->EventSets());
      ToUtf8All(FBean->Interfaces());
      for (int I = 0; I < FBean->Methods().Count(); ++I) {
        ToUtf8Fields(*FBean->Methods().Items(I));
        ToUtf8All(FBean->Methods().Items(I)->Parameters());
      }
    }
  }
  return ToBytes(Value, Encoding);
}

TTreeNode* TBeanFactory::AddNode(TTreeNode* Parent, const QString& Caption, int Image) {
  auto* Node = new TTreeNode;
  Node->setText(0, Caption);
  Node->setIcon(0, MainForm->ilInfoView.Icon(Image));
  Node->ImageIndex = Image;
  Node->setFlags(Node->flags() | Qt::ItemIsEditable);
  if (Parent) Parent->addChild(Node);
  return Node;
}

TTreeNode* TBeanFactory::AddRootNode(const QString& Caption) {
  TTreeNode* Root = AddNode(nullptr, Caption, ImageComponent);
  Root->Bean = FBean.get();
  FBean->Node = Root;
  return Root;
}

void TBeanFactory::LoadFromFile(const QString& FileName) {
  TJSBReadResult Read = ReadJSBFile(FileNameBytes(FileName));
  ClearTree();
  FBean = std::move(Read.Bean);
  Encoding = Read.Encoding;
  if (!Read.Valid) {
    ShowInvalidFile();
    return;
  }
  Notebook->hide();
  BuildTree(Read);
  Editor->setVisible(true);
  Editor->SetText(Text(Read.Constructor));
  MainForm->EnableDescriptorCommands(true);
  FBean->Node->setExpanded(true);
  Tree->setCurrentItem(FBean->Node);
  Notebook->show();
}

// The same tree, current items and page contents as adding, selecting and
// renaming every item in turn would leave, built in one pass: the nodes are
// put together apart from the view, which then takes the whole tree at once.
void TBeanFactory::BuildTree(const TJSBReadResult& Read) {
  TTreeNode* Root = AddRootNode(Text(Read.RootCaption));
  TTreeNode* MethodNode = nullptr;
  TJSB_CustomCollectionItem* LastOfKind[5] = {};
  for (const TReadItem& R : Read.Items) {
    TTreeNode* Parent = R.Kind == dkParameter ? MethodNode : Root;
    TTreeNode* Node = AddNode(Parent, Text(R.Caption()), ImageOf(R.Kind));
    Node->Item = R.Item;
    R.Item->Node = Node;
    if (R.Kind == dkMethod) MethodNode = Node;
    LastOfKind[R.Kind] = R.Item;
  }
  const QSignalBlocker Quiet(Tree);
  Tree->addTopLevelItem(Root);
  TJSBean& Bean = *FBean;
  MakeLastCurrent(Bean.Properties());
  MakeLastCurrent(Bean.Methods());
  MakeLastCurrent(Bean.EventSets());
  MakeLastCurrent(Bean.Interfaces());
  for (int I = 0; I < Bean.Methods().Count(); ++I)
    MakeLastCurrent(Bean.Methods().Items(I)->Parameters());
  if (!View) return;
  MainForm->AttributesLive = false;
  for (TJSB_CustomCollectionItem* Item : LastOfKind)
    if (Item) Item->ShowAttributes(*View);
  MainForm->AttributesLive = true;
}

void TBeanFactory::ShowInvalidFile() {
  MainForm->ShowNoDocument();
}

void TBeanFactory::SaveToFile(const QString& FileName) {
  if (!FBean) return;
  const std::string Constructor = Bytes(Editor->Text());
  WriteJSBFile(FileNameBytes(FileName), *FBean, Constructor);
}

bool TBeanFactory::NewComponent() {
  const std::optional<QString> Typed = TfrmNewComponent::Execute();
  if (!Typed) return false;
  const QString Name = Typed->isEmpty() ? QString("corvane.default.MyComponent") : *Typed;
  ClearTree();
  Encoding = TTextEncoding::Utf8;
  FBean = std::make_unique<TJSBean>();
  FBean->SetName(Bytes(Name));
  Tree->addTopLevelItem(AddRootNode(Name));
  MainForm->EnableDescriptorCommands(true);
  MainForm->ShowAttributePage("Descriptor");
  Editor->NewDocument();
  Editor->SetText(Text(ConstructorTemplate(FBean->Name())));
  MainForm->ConstructorSelectPending = true;
  return true;
}

void TBeanFactory::ShowSelection() {
  TTreeNode* Node = AsNode(Tree->currentItem());
  if (!FBean || !View || Tree->isHidden() || !Node || !Node->HasData()) return;
  if (Node->Bean)
    Node->Bean->ShowAttributes(*View);
  else
    Node->Item->ShowAttributes(*View);
}

// The method a new parameter goes to: the selected method, or the method of
// the selected parameter.
TMethodDescriptor* TBeanFactory::TargetMethod() const {
  TTreeNode* Node = AsNode(Tree->currentItem());
  if (!Node || !Node->Item) return nullptr;
  if (auto* Method = dynamic_cast<TMethodDescriptor*>(Node->Item)) return Method;
  if (auto* Param = dynamic_cast<TParameterDescriptor*>(Node->Item)) return Param->Method();
  return nullptr;
}

TJSB_CustomCollectionItem* TBeanFactory::AddDescriptor(TDescriptorKind Kind) {
  if (!FBean || !FBean->Node) return nullptr;
  TJSB_CustomCollectionItem* Item = nullptr;
  TTreeNode* Parent = FBean->Node;
  switch (Kind) {
    case dkProperty:
      Item = FBean->Properties().Add();
      break;
    case dkEvent:
      Item = FBean->EventSets().Add();
      break;
    case dkMethod:
      Item = FBean->Methods().Add();
      break;
    case dkInterface:
      Item = FBean->Interfaces().Add();
      break;
    case dkParameter: {
      TMethodDescriptor* Method = TargetMethod();
      if (!Method) {
        InfoMessage(
            "Unable to insert parameter. Select method to which you wish to add parameter and "
            "then try again.");
        return nullptr;
      }
      Item = Method->Parameters().Add();
      Parent = Method->Node;
      break;
    }
  }
  TTreeNode* Node = AddNode(Parent, "Untitled", ImageOf(Kind));
  Node->Item = Item;
  Item->Node = Node;
  Tree->setCurrentItem(Node);
  Tree->editItem(Node);
  Item->SetName("Untitled");
  return Item;
}

void TBeanFactory::DeleteNode(TTreeNode* Node) {
  if (!FBean || !Node || !Node->Item) return;
  const QString Question = "Are you sure you wish to delete " + Node->text(0) + "?";
  if (ConfirmMessage(Question.toStdString()) != mrYes) return;
  TTreeNode* Above = AsNode(Tree->itemAbove(Node));
  TJSB_CustomCollectionItem* Item = Node->Item;
  {
    // The node goes first, so that no node is ever left showing a freed item.
    const QSignalBlocker Quiet(Tree);
    delete Node;
    Item->Free();
    Tree->setCurrentItem(nullptr);
  }
  Tree->setCurrentItem(Above);
}

void TBeanFactory::RenameNode(TTreeNode* Node, const QString& NewName) {
  if (!FBean || !Node || !Node->HasData()) return;
  const std::string Name = Bytes(NewName);
  if (Node->Bean) {
    Node->Bean->SetName(Name);
    if (View) Node->Bean->ShowName(*View);
  } else {
    Node->Item->SetName(Name);
    if (View) Node->Item->ShowName(*View);
  }
}
