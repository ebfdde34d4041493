#include "app/corvane/referencecompletion.h"

#include <algorithm>

#include "editor/editorsettings.h"

namespace {

// The nodes whose children are the members of the node above them.
bool IsCategory(const TReferenceNode& Node) {
  return Node.Text == "Properties" || Node.Text == "Methods" || Node.Text == "Event handlers";
}

// "anchors array" stands for anchors.
QString NameOf(const QString& Text) {
  return Text.endsWith(" array") ? Text.chopped(6) : Text;
}

void AddUnique(QStringList& Words, const QString& Word) {
  if (!Words.contains(Word)) Words.append(Word);
}

// In the order the editor's list shows them: letter case ignored first.
void SortWords(QStringList& Words) {
  std::sort(Words.begin(), Words.end(), [](const QString& A, const QString& B) {
    const int Folded = QString::compare(A.toUpper(), B.toUpper());
    return Folded != 0 ? Folded < 0 : A < B;
  });
}

}  // namespace

TReferenceCompletion::TReferenceCompletion(const std::vector<TReferenceNode>& Nodes) {
  AddObjects(Nodes);
  for (const QString& Keyword : JavaScriptKeywords())
    AddUnique(FTopLevel, Keyword);
  SortWords(FTopLevel);
  for (QStringList& Members : FMembers)
    SortWords(Members);
}

// An object is a node with members: one with a category among its children.
void TReferenceCompletion::AddObjects(const std::vector<TReferenceNode>& Nodes) {
  for (const TReferenceNode& Node : Nodes) {
    AddObjects(Node.Children);
    if (std::none_of(Node.Children.begin(), Node.Children.end(), IsCategory)) continue;
    const QString Name = NameOf(Node.Text);
    AddUnique(FTopLevel, Name);
    QStringList& Members = FMembers[Name.toLower()];
    for (const TReferenceNode& Category : Node.Children) {
      if (!IsCategory(Category)) continue;
      for (const TReferenceNode& Member : Category.Children)
        AddUnique(Members, NameOf(Member.Text));
    }
  }
}

QStringList TReferenceCompletion::Words(const QString& Object) const {
  return Object.isEmpty() ? FTopLevel : FMembers.value(Object.toLower());
}
