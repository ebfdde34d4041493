#include "beans/beanfactory.h"

#include <QCoreApplication>

#include "beans/attributeview.h"
#include "beans/beanfields.h"
#include "beans/jsbwriter.h"
#include "beans/modelinput.h"
#include "beans/modeljson.h"
#include "beans/uitext.h"
#include "widgets/messages.h"
#include "widgets/textfile.h"
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

// An item's image is that of its kind.
int ImageOf(const TJSB_CustomCollectionItem* Item) {
  if (dynamic_cast<const TPropertyDescriptor*>(Item)) return ImageOf(dkProperty);
  if (dynamic_cast<const TEventSetDescriptor*>(Item)) return ImageOf(dkEvent);
  if (dynamic_cast<const TMethodDescriptor*>(Item)) return ImageOf(dkMethod);
  if (dynamic_cast<const TParameterDescriptor*>(Item)) return ImageOf(dkParameter);
  return ImageOf(dkInterface);
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

}  // namespace

TBeanFactory::TBeanFactory(const TFactoryViews& Views)
    : Window(Views.Window), Tree(Views.Tree), Source(Views.Source), Prompt(Views.Prompt) {
  BeanFactory = this;
  QObject::connect(&FDocument, &TJSBDocument::FieldChanged, &FDocument,
                   [this](TJSB_CustomCollectionItem* Item, const QString& Attribute) {
                     if (Attribute == QLatin1String("NAME")) NameChanged(Item);
                   });
  QObject::connect(&FDocument, &TJSBDocument::ItemAdded, &FDocument,
                   [this](TJSB_CustomCollectionItem* Item) { ItemAdded(Item); });
  QObject::connect(&FDocument, &TJSBDocument::ItemRemoved, &FDocument,
                   [this](TJSB_CustomCollectionItem* Item) { ItemRemoved(Item); });
}

TBeanFactory::~TBeanFactory() {
  if (BeanFactory == this) BeanFactory = nullptr;
}

// The tree's nodes point at the component, so they go first.
void TBeanFactory::FreeBean() {
  ClearTree();
  FDocument.Free();
}

void TBeanFactory::NameChanged(TJSB_CustomCollectionItem* Item) {
  TTreeNode* Node = NodeOf(Item);
  if (Node) Tree.SetCaption(Node, Text(Item ? Item->Name() : Bean()->Name()));
}

TTreeNode* TBeanFactory::NodeOf(const TJSB_CustomCollectionItem* Item) const {
  if (Item) return Item->Node;
  return Bean() ? Bean()->Node : nullptr;
}

TTreeNode* TBeanFactory::NodeOf(TObjectRef Object) const {
  return Object ? NodeOf(Object.Item) : nullptr;
}

TObjectRef TBeanFactory::ObjectOf(TTreeNode* Node) const {
  const TNodeData Data = Node ? Tree.Data(Node) : TNodeData{};
  return {Data.Item, Data.Bean != nullptr};
}

void TBeanFactory::ItemAdded(TJSB_CustomCollectionItem* Item) {
  auto* Param = dynamic_cast<TParameterDescriptor*>(Item);
  TTreeNode* Parent = Param ? NodeOf(Param->Method()) : NodeOf(nullptr);
  if (!Parent) return;
  TTreeNode* Node = AddNode(Parent, Text(Item->Name()), ImageOf(Item), {{}, Item});
  if (auto* Method = dynamic_cast<TMethodDescriptor*>(Item))
    for (int I = 0; I < Method->Parameters().Count(); ++I) {
      TParameterDescriptor* Each = Method->Parameters().Items(I);
      AddNode(Node, Text(Each->Name()), ImageParameter, {{}, Each});
    }
}

// The node goes while the item is still alive, so that no node is ever left
// showing an item out of the document.
void TBeanFactory::ItemRemoved(TJSB_CustomCollectionItem* Item) {
  if (!Item->Node) return;
  Tree.RemoveNode(Item->Node);
  Item->Node = nullptr;
  if (auto* Method = dynamic_cast<TMethodDescriptor*>(Item))
    for (int I = 0; I < Method->Parameters().Count(); ++I)
      Method->Parameters().Items(I)->Node = nullptr;
}

// A node without children is not asked whether it is expanded: on a level of
// many nodes, asking costs a search of the level.
TNodeOrder TBeanFactory::OrderOf(TObjectRef Object) const {
  TNodeOrder Order{Object, false, {}};
  TTreeNode* Node = NodeOf(Object);
  if (!Node) return Order;
  const std::vector<TTreeNode*> Children = Tree.Children(Node);
  Order.Children.reserve(Children.size());
  for (TTreeNode* Child : Children)
    Order.Children.push_back(Tree.Data(Child).Item);
  Order.Expanded = !Children.empty() && Tree.IsExpanded(Node);
  return Order;
}

TObjectRef TBeanFactory::ParentOf(TObjectRef Object) const {
  return Object.Component ? TObjectRef{} : ObjectOf(Tree.ParentNode(NodeOf(Object)));
}

// A node that had no children keeps what it has now.
void TBeanFactory::Restore(const TNodeOrder& Order) {
  TTreeNode* Node = NodeOf(Order.Object);
  if (!Node || Order.Children.empty()) return;
  std::vector<TTreeNode*> Children;
  Children.reserve(Order.Children.size());
  for (TJSB_CustomCollectionItem* Child : Order.Children)
    if (Child->Node) Children.push_back(Child->Node);
  Tree.SetChildOrder(Node, Children);
  if (Tree.IsExpanded(Node) != Order.Expanded)
    Order.Expanded ? Tree.Expand(Node) : Tree.Collapse(Node);
}

TObjectRef TBeanFactory::Above(TObjectRef Object) const {
  return ObjectOf(Tree.NodeAbove(NodeOf(Object)));
}

// Selecting the node that is current already selects it again, should the
// user have cleared the selection, and tells nobody.
void TBeanFactory::Show(TObjectRef Object, bool Fill) {
  Tree.Select(NodeOf(Object));
  if (Fill) ShowSelection();
}

void TBeanFactory::ShowName(TJSB_CustomCollectionItem* Item) {
  if (!View || !Bean()) return;
  if (Item)
    Item->ShowName(*View);
  else
    Bean()->ShowName(*View);
}

namespace {

template <class TColl>
void ForgetNodes(TColl& Items) {
  for (int I = 0; I < Items.Count(); ++I)
    Items.Items(I)->Node = nullptr;
}

}  // namespace

void TBeanFactory::ClearTree() {
  Tree.Clear();
  TJSBean* Component = Bean();
  if (!Component) return;
  Component->Node = nullptr;
  ForgetNodes(Component->Properties());
  ForgetNodes(Component->EventSets());
  ForgetNodes(Component->Interfaces());
  ForgetNodes(Component->Methods());
  for (int I = 0; I < Component->Methods().Count(); ++I)
    ForgetNodes(Component->Methods().Items(I)->Parameters());
}

QString TBeanFactory::Text(const std::string& Value) const {
  return ToQString(Value, TTextEncoding::Utf8);
}

std::string TBeanFactory::Bytes(const QString& Value) {
  return FDocument.Bytes(Value);
}

TTreeNode* TBeanFactory::AddNode(TTreeNode* Parent, const QString& Caption, int Image,
                                 TNodeData Data) {
  TTreeNode* Node = Tree.AddNode(Parent, Caption, Image, Data);
  if (Data.Bean) Data.Bean->Node = Node;
  if (Data.Item) Data.Item->Node = Node;
  return Node;
}

void TBeanFactory::LoadFromFile(const QString& FileName) {
  ShowRead(ReadJSBFile(FileNameBytes(FileName)));
}

void TBeanFactory::LoadFromText(const std::string& Text, const QString& FileName) {
  ShowRead(ReadJSBText(NormaliseLineBreaks(Text), FileNameBytes(FileName)));
}

void TBeanFactory::LoadFromModel(std::string_view Json) {
  ShowRead(ParseModel(Json, TModelReading::Exact));
}

std::unique_ptr<TModelJsonBuilder> TBeanFactory::ModelBuilder() const {
  if (!Bean()) return nullptr;
  // What the node shows, or the name for an object without one.
  const auto Caption = [this](TTreeNode* Node, const std::string& Name) {
    return Node ? ToBytes(Tree.Caption(Node), TTextEncoding::Utf8) : Name;
  };
  return std::make_unique<TModelJsonBuilder>(
      *Bean(), ToBytes(Source.Text(), TTextEncoding::Utf8), FDocument.Encoding(),
      Caption(Bean()->Node, Bean()->Name()),
      [Caption](const TJSB_CustomCollectionItem& Item) { return Caption(Item.Node, Item.Name()); });
}

void TBeanFactory::ShowRead(TJSBReadResult Read) {
  // The user hears about the file before anything of the old document goes.
  for (const std::string& Notice : Read.Notices)
    InfoMessage(Notice);
  ClearTree();
  FDocument.Adopt(std::move(Read.Bean), Read.Encoding);
  if (!Read.Valid) {
    ShowNoDocument();
    return;
  }
  Window.SetAttributesVisible(false);
  BuildTree(Read);
  Source.Show();
  Source.SetText(Text(Read.Constructor));
  Window.EnableDescriptorCommands(true);
  Tree.Expand(Bean()->Node);
  Tree.Select(Bean()->Node);
  Window.SetAttributesVisible(true);
}

// The same tree, current items and page contents as adding, selecting and
// renaming every item in turn would leave, built in one pass: the tree takes
// the nodes in update mode, and each kind's last item fills its page once.
void TBeanFactory::BuildTree(const TJSBReadResult& Read) {
  Tree.BeginUpdate();
  TTreeNode* Root = AddNode(nullptr, Text(Read.RootCaption), ImageComponent, {Bean(), {}});
  TTreeNode* MethodNode = nullptr;
  TJSB_CustomCollectionItem* LastOfKind[5] = {};
  for (const TReadItem& R : Read.Items) {
    TTreeNode* Parent = R.Kind == dkParameter ? MethodNode : Root;
    TTreeNode* Node = AddNode(Parent, Text(R.Caption()), ImageOf(R.Kind), {{}, R.Item});
    if (R.Kind == dkMethod) MethodNode = Node;
    LastOfKind[R.Kind] = R.Item;
  }
  Tree.EndUpdate();
  TJSBean& Component = *Bean();
  MakeLastCurrent(Component.Properties());
  MakeLastCurrent(Component.Methods());
  MakeLastCurrent(Component.EventSets());
  MakeLastCurrent(Component.Interfaces());
  for (int I = 0; I < Component.Methods().Count(); ++I)
    MakeLastCurrent(Component.Methods().Items(I)->Parameters());
  ShowLastOfEachKind(LastOfKind);
}

void TBeanFactory::ShowLastOfEachKind(TJSB_CustomCollectionItem* const (&LastOfKind)[5]) {
  if (!View) return;
  for (TJSB_CustomCollectionItem* Item : LastOfKind)
    if (Item) Item->ShowAttributes(*View);
}

// The add commands go too: with no component they would do nothing.
void TBeanFactory::ShowNoDocument() {
  ClearTree();
  Source.Clear();
  Source.Hide();
  Window.ShowAttributePage("Blank");
  Window.SetCurrentFile(QString());
  Window.EnableDescriptorCommands(false);
}

TFileHash TBeanFactory::SaveToFile(const QString& FileName) {
  if (!Bean()) return {};
  const std::string Constructor = Bytes(Source.Text());
  TFileHash Hash;
  WriteJSBFile(FileNameBytes(FileName), *Bean(), Constructor, FDocument.Encoding(), &Hash);
  return Hash;
}

bool TBeanFactory::NewComponent() {
  const std::optional<QString> Typed = Prompt.AskComponentName();
  if (!Typed) return false;
  const QString Name = Typed->isEmpty() ? QString("corvane.default.MyComponent") : *Typed;
  ClearTree();
  FDocument.Adopt(std::make_unique<TJSBean>(), TTextEncoding::Utf8);
  FDocument.Rename(nullptr, Bytes(Name));
  AddNode(nullptr, Name, ImageComponent, {Bean(), {}});
  Window.EnableDescriptorCommands(true);
  Window.ShowAttributePage("Descriptor");
  Source.NewDocument();
  Source.SetText(Text(ConstructorTemplate(Bean()->Name())));
  Window.SetConstructorSelectPending(true);
  return true;
}

void TBeanFactory::ShowSelection() {
  TTreeNode* Node = Tree.Selected();
  if (!Bean() || !View || !Tree.IsShown() || !Node) return;
  const TNodeData Data = Tree.Data(Node);
  if (Data.Bean)
    Data.Bean->ShowAttributes(*View);
  else if (Data.Item)
    Data.Item->ShowAttributes(*View);
}

// The method a new parameter goes to: the selected method, or the method of
// the selected parameter.
TMethodDescriptor* TBeanFactory::TargetMethod() const {
  TTreeNode* Node = Tree.Selected();
  TJSB_CustomCollectionItem* Item = Node ? Tree.Data(Node).Item : nullptr;
  if (auto* Method = dynamic_cast<TMethodDescriptor*>(Item)) return Method;
  if (auto* Param = dynamic_cast<TParameterDescriptor*>(Item)) return Param->Method();
  return nullptr;
}

TJSB_CustomCollectionItem* TBeanFactory::AddDescriptor(TDescriptorKind Kind) {
  if (!Bean() || !Bean()->Node) return nullptr;
  TMethodDescriptor* Method = nullptr;
  if (Kind == dkParameter) {
    Method = TargetMethod();
    if (!Method) {
      InfoMessage(QCoreApplication::translate("TBeanFactory",
                                              "Unable to insert parameter. Select method to "
                                              "which you wish to add parameter and then try "
                                              "again.")
                      .toStdString());
      return nullptr;
    }
  }
  TJSB_CustomCollectionItem* Item = FDocument.AddItem(Kind, Method);
  TTreeNode* Node = Item ? Item->Node : nullptr;
  if (!Node) return Item;
  // The page is filled before the name comes; the in-place editor opens on
  // the name once it is set, so that nothing resets the editor's text and
  // its selection under what the user types at once.
  Tree.SetCaption(Node, "Untitled");
  Tree.Select(Node);
  FDocument.Rename(Item, "Untitled");
  Tree.BeginRename(Node);
  return Item;
}

bool TBeanFactory::ConfirmDelete(TTreeNode* Node) {
  if (!Bean() || !Node || !Tree.Data(Node).Item) return false;
  const QString Question =
      QCoreApplication::translate("TBeanFactory", "Are you sure you wish to delete %1?")
          .arg(Tree.Caption(Node));
  return ConfirmMessage(Question.toStdString()) == mrYes;
}

void TBeanFactory::DeleteNode(TTreeNode* Node) {
  if (!ConfirmDelete(Node)) return;
  TJSB_CustomCollectionItem* Item = Tree.Data(Node).Item;
  TTreeNode* Above = Tree.NodeAbove(Node);
  FDocument.RemoveItem(Item).reset();
  Tree.Select(Above);
}

void TBeanFactory::RenameNode(TTreeNode* Node, const QString& NewName) {
  const TNodeData Data = Node ? Tree.Data(Node) : TNodeData{};
  if (!Bean() || (!Data.Bean && !Data.Item)) return;
  FDocument.Rename(Data.Item, Bytes(NewName));
  ShowName(Data.Item);
}
