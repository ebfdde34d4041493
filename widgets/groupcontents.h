// Where a group box's style puts its contents: below its title and inside
// its frame.
#pragma once

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>

inline QRect GroupContents(const QGroupBox& Group) {
  QStyleOptionGroupBox Option;
  Option.initFrom(&Group);
  Option.text = Group.title();
  Option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return Group.style()->subControlRect(QStyle::CC_GroupBox, &Option, QStyle::SC_GroupBoxContents,
                                       &Group);
}
