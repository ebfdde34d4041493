// The factory and the history against small fake views: the tree follows
// the document's items, and every step undone and redone leaves the model,
// the nodes, their order and expansion and the selection as they were.
#include <gtest/gtest.h>

#include <QStringList>
#include <functional>
#include <memory>

#include "beans/attributeview.h"
#include "beans/beanfactory.h"
#include "beans/jsbwriter.h"
#include "beans/undo/documenthistory.h"

// The core only names a node; this one is the fake tree's.
class TTreeNode {
 public:
  QString Caption;
  TNodeData Data;
  TTreeNode* Parent = nullptr;
  std::vector<std::unique_ptr<TTreeNode>> Children;
  bool Expanded = false;
};

namespace {

using TNodes = std::vector<std::unique_ptr<TTreeNode>>;

class TFakeTree : public TComponentTreeView {
 public:
  TNodes Roots;
  TTreeNode* Current = nullptr;
  QStringList Log;                 // selections and renames begun, with the caption shown
  std::function<void()> OnSelect;  // the window's selection handler

  TNodes& Level(TTreeNode* Parent) { return Parent ? Parent->Children : Roots; }
  const TNodes& Level(const TTreeNode* Parent) const { return Parent ? Parent->Children : Roots; }

  TTreeNode* AddNode(TTreeNode* Parent, const QString& Caption, int, TNodeData Data) override {
    auto Node = std::make_unique<TTreeNode>();
    *Node = {Caption, Data, Parent, {}, false};
    return Level(Parent).emplace_back(std::move(Node)).get();
  }
  void RemoveNode(TTreeNode* Node) override {
    TNodes& Siblings = Level(Node->Parent);
    std::erase_if(Siblings, [Node](const auto& Each) { return Each.get() == Node; });
    Current = nullptr;
  }
  void SetCaption(TTreeNode* Node, const QString& Caption) override { Node->Caption = Caption; }
  // As the real tree: only a new current node is told.
  void Select(TTreeNode* Node) override {
    if (Current == Node) return;
    Current = Node;
    Log << "select " + Caption(Node);
    if (OnSelect) OnSelect();
  }
  // With the name the item has when its editor opens.
  void BeginRename(TTreeNode* Node) override {
    Log << "rename " + Node->Caption +
               (Node->Data.Item ? " of " + QString::fromStdString(Node->Data.Item->Name()) : "");
  }
  void EndRename() override {}
  void Collapse(TTreeNode* Node) override { Node->Expanded = false; }
  void Expand(TTreeNode* Node) override { Node->Expanded = true; }
  void Clear() override {
    Roots.clear();
    Current = nullptr;
  }
  void BeginUpdate() override {}
  void EndUpdate() override {}
  TTreeNode* Selected() const override { return Current; }
  // The node shown above: the last shown node below the sibling before, or
  // the parent.
  TTreeNode* NodeAbove(TTreeNode* Node) const override {
    const TNodes& Siblings = Level(Node->Parent);
    const auto At = std::find_if(Siblings.begin(), Siblings.end(),
                                 [Node](const auto& Each) { return Each.get() == Node; });
    if (At == Siblings.begin()) return Node->Parent;
    TTreeNode* Above = std::prev(At)->get();
    while (Above->Expanded && !Above->Children.empty())
      Above = Above->Children.back().get();
    return Above;
  }
  QString Caption(TTreeNode* Node) const override { return Node ? Node->Caption : QString(); }
  TNodeData Data(TTreeNode* Node) const override { return Node ? Node->Data : TNodeData{}; }
  bool IsShown() const override { return true; }
  TTreeNode* ParentNode(TTreeNode* Node) const override { return Node ? Node->Parent : nullptr; }
  std::vector<TTreeNode*> Children(TTreeNode* Node) const override {
    std::vector<TTreeNode*> Out;
    for (const auto& Child : Node->Children)
      Out.push_back(Child.get());
    return Out;
  }
  bool IsExpanded(TTreeNode* Node) const override { return Node->Expanded; }
  void SetChildOrder(TTreeNode* Node, const std::vector<TTreeNode*>& Order) override {
    TNodes Sorted;
    for (TTreeNode* Child : Order)
      for (auto& Each : Node->Children)
        if (Each.get() == Child) Sorted.push_back(std::move(Each));
    Node->Children = std::move(Sorted);
  }

  // Every node, indented by depth: caption, + when expanded, * when selected.
  QString State(const TNodes& Nodes, int Depth = 0) const {
    QString Out;
    for (const auto& Node : Nodes)
      Out += QString(Depth, ' ') + Node->Caption + (Node->Expanded ? "+" : "") +
             (Node.get() == Current ? "*" : "") + "\n" + State(Node->Children, Depth + 1);
    return Out;
  }
};

class TFakePages : public TAttributeView {
 public:
  QString Shown;  // the page filled last and the name it shows
  void ShowBeanAttributes(const TJSBean& Bean) override { Show("Descriptor", Bean.Name()); }
  void ShowPropertyAttributes(const TPropertyDescriptor& Item) override { Show("Property", Item); }
  void ShowMethodAttributes(const TMethodDescriptor& Item) override { Show("Method", Item); }
  void ShowParameterAttributes(const TParameterDescriptor& Item) override {
    Show("Parameter", Item);
  }
  void ShowEventAttributes(const TEventSetDescriptor& Item) override { Show("Event", Item); }
  void ShowInterfaceAttributes(const TJSInterface& Item) override { Show("Interface", Item); }
  void ShowBeanName(const TJSBean& Bean) override { Show("Descriptor", Bean.Name()); }
  void ShowPropertyName(const TPropertyDescriptor& Item) override { Show("Property", Item); }
  void ShowMethodName(const TMethodDescriptor& Item) override { Show("Method", Item); }
  void ShowParameterName(const TParameterDescriptor& Item) override { Show("Parameter", Item); }
  void ShowEventName(const TEventSetDescriptor& Item) override { Show("Event", Item); }
  void ShowInterfaceName(const TJSInterface& Item) override { Show("Interface", Item); }

 private:
  void Show(const char* Page, const std::string& Name) {
    Shown = QString(Page) + " " + QString::fromStdString(Name);
  }
  void Show(const char* Page, const TJSB_CustomCollectionItem& Item) { Show(Page, Item.Name()); }
};

struct TQuietWindow : TFactoryWindow, TSourceText, TNamePrompt {
  void EnableDescriptorCommands(bool) override {}
  void SetCurrentFile(const QString&) override {}
  void SetConstructorSelectPending(bool) override {}
  void ShowAttributePage(const QString&) override {}
  void SetAttributesVisible(bool) override {}
  QString Text() const override { return {}; }
  void SetText(const QString&) override {}
  void Clear() override {}
  void Show() override {}
  void Hide() override {}
  void NewDocument() override {}
  std::optional<QString> AskComponentName() override { return QString("demo.Widget"); }
};

const char* const Component = R"(<JSB>
<JSB_DESCRIPTOR NAME="demo.Widget">
<JSB_PROPERTY NAME="zeta">
<JSB_METHOD NAME="run">
<JSB_PARAMETER NAME="a">
<JSB_PARAMETER NAME="b">
</JSB_METHOD>
<JSB_PROPERTY NAME="alpha">
<JSB_INTERFACE NAME="Runnable">
</JSB>
)";

struct TViews {
  TQuietWindow Window;
  TFakeTree Tree;
  TFakePages Pages;
  TBeanFactory Factory{{Window, Tree, Window, Window}};
  TDocumentHistory History{Factory};

  TViews() {
    Factory.View = &Pages;
    Tree.OnSelect = [this] { Factory.ShowSelection(); };
    Factory.LoadFromText(Component, "w.jsb");
  }
  // Child indexes from the root.
  TTreeNode* At(std::initializer_list<size_t> Path) {
    TTreeNode* Node = Tree.Roots[0].get();
    for (size_t Index : Path)
      Node = Node->Children[Index].get();
    return Node;
  }
  void Select(std::initializer_list<size_t> Path) { Tree.Select(At(Path)); }
  // Adds as the user does: the in-place rename ends with the name unchanged.
  void Add(TDescriptorKind Kind) {
    TJSB_CustomCollectionItem* Item = History.AddDescriptor(Kind);
    History.Rename(TObjectRef::Of(Item), "Untitled");
  }
  std::string Nodes() const { return Tree.State(Tree.Roots).toStdString(); }
  std::string State() const {
    return WriteJSBText(*Factory.Bean(), "") + Nodes() + "page " + Pages.Shown.toStdString();
  }
};

TJSB_CustomCollectionItem* ItemAt(TViews& V, std::initializer_list<size_t> Path) {
  return V.At(Path)->Data.Item;
}

}  // namespace

TEST(FactoryViews, TheTreeFollowsTheDocumentsItems) {
  TViews V;
  EXPECT_EQ(V.Nodes(), "demo.Widget+*\n zeta\n alpha\n run\n  a\n  b\n Runnable\n");
  auto* Run = dynamic_cast<TMethodDescriptor*>(ItemAt(V, {2}));
  ASSERT_TRUE(Run);
  TJSBDocument& Doc = V.Factory.Document();
  TJSB_CustomCollectionItem* C = Doc.AddItem(dkParameter, Run);
  Doc.Rename(C, "c");
  EXPECT_EQ(C->Node, V.At({2, 2}));
  EXPECT_EQ(V.At({2, 2})->Caption, "c");
  std::unique_ptr<TCollectionItem> Taken = Doc.RemoveItem(Run);
  EXPECT_EQ(V.Nodes(), "demo.Widget+\n zeta\n alpha\n Runnable\n");
  EXPECT_EQ(Run->Node, nullptr);
  EXPECT_EQ(C->Node, nullptr);  // a parameter's node goes with its method's
  Doc.InsertItem(std::move(Taken), 0);
  EXPECT_EQ(V.Nodes(), "demo.Widget+\n zeta\n alpha\n Runnable\n run\n  a\n  b\n  c\n");
  EXPECT_EQ(V.Factory.Bean()->Methods().Items(0), Run);
}

TEST(FactoryViews, AnAddedItemIsSelectedThenNamedThenRenamedInPlace) {
  TViews V;
  V.Tree.Log.clear();
  V.Factory.Document().SetModified(false);
  TJSB_CustomCollectionItem* Item = V.History.AddDescriptor(dkProperty);
  ASSERT_TRUE(Item);
  EXPECT_EQ(V.Tree.Log, QStringList({"select Untitled", "rename Untitled of Untitled"}));
  EXPECT_EQ(V.Pages.Shown, "Property ");  // the page was filled before the name came
  EXPECT_EQ(Item->Name(), "Untitled");
  EXPECT_TRUE(V.Factory.Bean()->Modified());
  EXPECT_EQ(V.Tree.Roots[0]->Children.back()->Caption, "Untitled");
}

// Each step from the node selected first; the user's own order of the root's
// children (not the collection's) and a collapsed method must come back.
TEST(FactoryViews, EveryStepUndoneAndRedoneLeavesTheViewsAsTheyWere) {
  struct TRow {
    const char* Name;
    std::initializer_list<size_t> Node;
    std::function<void(TViews&)> Make;
  };
  const TRow Rows[] = {
      {"a field", {1}, [](TViews& V) { V.History.SetText(ItemAt(V, {1}), "DISPLAYNAME", "Zed"); }},
      {"a flag", {2}, [](TViews& V) { V.History.SetFlag(ItemAt(V, {2}), "ISBOUND", true); }},
      {"a name", {1}, [](TViews& V) { V.History.Rename(TObjectRef::Of(ItemAt(V, {1})), "omega"); }},
      {"the component's name",
       {},
       [](TViews& V) { V.History.Rename(TObjectRef::Of(nullptr), "demo.Other"); }},
      {"adding a property", {1}, [](TViews& V) { V.Add(dkProperty); }},
      {"adding a parameter", {0, 0}, [](TViews& V) { V.Add(dkParameter); }},
      {"deleting a method", {0}, [](TViews& V) { V.History.DeleteItem(ItemAt(V, {0})); }},
      {"deleting a parameter",
       {0, 1},
       [](TViews& V) {
         V.History.DeleteItem(ItemAt(V, {0, 1}));
       }},
      {"deleting the last item", {3}, [](TViews& V) { V.History.DeleteItem(ItemAt(V, {3})); }},
  };
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    TViews V;
    TTreeNode* Root = V.At({});
    V.Tree.SetChildOrder(Root, {V.At({2}), V.At({1}), V.At({0}), V.At({3})});  // run alpha zeta
    V.At({0})->Expanded = true;
    V.Select(Row.Node);
    const std::string Before = V.State();
    Row.Make(V);
    const std::string After = V.State();
    EXPECT_NE(After, Before);
    ASSERT_EQ(V.History.Stack().count(), 1);
    V.History.Undo();
    EXPECT_EQ(V.State(), Before);
    V.History.Redo();
    EXPECT_EQ(V.State(), After);
    V.History.Undo();
    EXPECT_EQ(V.State(), Before);
  }
}
