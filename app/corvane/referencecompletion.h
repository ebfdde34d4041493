// The words the Source View's editor offers for completion, taken from the
// reference outline: after an object's name its members, as the outline
// lists them under the object's Properties, Methods and Event handlers;
// standing alone the objects' names and the JavaScript keywords.
//
// An "x array" node stands for the name x, so "anchors array" gives the
// object and the member "anchors". An object listed under several parents
// offers the members of all of them. Names are looked up with letter case
// ignored; every word keeps the outline's spelling.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "app/corvane/referencetree.h"

class TReferenceCompletion {
 public:
  explicit TReferenceCompletion(const std::vector<TReferenceNode>& Nodes);

  // The members of Object, or with an empty Object the words standing
  // alone; nothing for a name the outline does not list as an object.
  QStringList Words(const QString& Object) const;

 private:
  void AddObjects(const std::vector<TReferenceNode>& Nodes);

  QHash<QString, QStringList> FMembers;  // by the object's name in lower case
  QStringList FTopLevel;
};
