// The reference tree of the Source View: a fixed outline of JavaScript
// objects and language elements, kept as text in the program's resources.
//
// Each line of the outline is a node, nested by two blanks a level:
//   - Text [image]                          a node
//   - Text [image]: leaf, leaf [image], ...  a node with only leaf children
// A leaf without an image takes its parent's; "[selected n]" or
// "[image selected n]" gives a different image for the selected state.
#pragma once

#include <QString>
#include <vector>

class QTreeWidget;
class TImageList;

struct TReferenceNode {
  QString Text;
  int Image = 0;
  int SelectedImage = 0;
  std::vector<TReferenceNode> Children;
};

std::vector<TReferenceNode> ParseReferenceOutline(const QString& Outline);
// Fills Tree with the outline, every node collapsed; images come later.
void BuildReferenceTree(QTreeWidget& Tree, const std::vector<TReferenceNode>& Nodes);
// Gives every node its images from Images.
void ApplyReferenceImages(QTreeWidget& Tree, const TImageList& Images);
// The outline the program carries.
QString ReferenceOutline();
