#include "app/corvane/referencetree.h"

#include <QFile>
#include <QIcon>
#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "app/corvane/imagelist.h"
#include "app/corvane/resources.h"

namespace {

constexpr int ImageRole = Qt::UserRole, SelectedImageRole = Qt::UserRole + 1;

// "Text [4]", "Text [selected 0]", "Text [6 selected 0]" or plain "Text",
// whose images default to Inherited.
TReferenceNode ParseEntry(const QString& Entry, int Inherited) {
  TReferenceNode Node{Entry.trimmed(), Inherited, Inherited, {}};
  const int Open = Node.Text.lastIndexOf(" [");
  if (Open < 0 || !Node.Text.endsWith(']')) return Node;
  const QStringList Words =
      Node.Text.mid(Open + 2, Node.Text.size() - Open - 3).split(' ', Qt::SkipEmptyParts);
  Node.Text.truncate(Open);
  for (int I = 0; I < Words.size(); ++I) {
    if (Words[I] == "selected" && I + 1 < Words.size()) {
      Node.SelectedImage = Words[++I].toInt();
    } else {
      Node.Image = Words[I].toInt();
      Node.SelectedImage = Node.Image;
    }
  }
  return Node;
}

// A line's node, with the leaves listed after its colon.
TReferenceNode ParseLine(const QString& Line, int& Depth) {
  const int Dash = Line.indexOf("- ");
  Depth = Dash / 2;
  QString Body = Line.mid(Dash + 2);
  const int Colon = Body.indexOf("]: ");
  const QString Leaves = Colon >= 0 ? Body.mid(Colon + 3) : QString();
  if (Colon >= 0) Body.truncate(Colon + 1);
  TReferenceNode Node = ParseEntry(Body, 0);
  for (const QString& Leaf : Leaves.split(", ", Qt::SkipEmptyParts))
    Node.Children.push_back(ParseEntry(Leaf, Node.Image));
  return Node;
}

void AddChildren(QTreeWidgetItem* Parent, const std::vector<TReferenceNode>& Nodes) {
  for (const TReferenceNode& Node : Nodes) {
    auto* Item = new QTreeWidgetItem(Parent, {Node.Text});
    Item->setData(0, ImageRole, Node.Image);
    Item->setData(0, SelectedImageRole, Node.SelectedImage);
    AddChildren(Item, Node.Children);
  }
}

}  // namespace

std::vector<TReferenceNode> ParseReferenceOutline(const QString& Outline) {
  std::vector<TReferenceNode> Roots;
  std::vector<std::vector<TReferenceNode>*> Levels{&Roots};
  for (const QString& Line : Outline.split('\n', Qt::SkipEmptyParts)) {
    if (!Line.trimmed().startsWith("- ")) continue;
    int Depth = 0;
    TReferenceNode Node = ParseLine(Line, Depth);
    if (Depth >= static_cast<int>(Levels.size())) Depth = static_cast<int>(Levels.size()) - 1;
    Levels.resize(static_cast<size_t>(Depth) + 1);
    std::vector<TReferenceNode>* Siblings = Levels.back();
    Siblings->push_back(std::move(Node));
    Levels.push_back(&Siblings->back().Children);
  }
  return Roots;
}

void BuildReferenceTree(QTreeWidget& Tree, const std::vector<TReferenceNode>& Nodes) {
  Tree.clear();
  AddChildren(Tree.invisibleRootItem(), Nodes);
  Tree.collapseAll();
}

void ApplyReferenceImages(QTreeWidget& Tree, const TImageList& Images) {
  for (QTreeWidgetItemIterator It(&Tree); *It; ++It) {
    const int Image = (*It)->data(0, ImageRole).toInt();
    const int Selected = (*It)->data(0, SelectedImageRole).toInt();
    QIcon Icon = Images.Icon(Image);
    if (Selected != Image) Images.AddTo(Icon, Selected, QIcon::Selected);
    (*It)->setIcon(0, Icon);
  }
}

QString ReferenceOutline() {
  LoadCorvaneResources();
  QFile File(":/corvane/referencetree.txt");
  if (!File.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(File.readAll());
}
