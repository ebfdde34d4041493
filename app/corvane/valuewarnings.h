// How the window shows values that a save would change: a warning icon inside
// the field with the cause as its tool tip, the same mark on the tree node of
// the object, and one question before such a document is written.
#pragma once

#include <QIcon>
#include <QString>
#include <vector>

#include "beans/valuecheck.h"

class QWidget;
class TWindowServices;

// The warning icon of the platform's style.
QIcon WarningIcon();

// Shows the warning icon inside Field (an entry field or an editable combo
// box) with Problem as the tool tip; an empty Problem takes both away.
void MarkField(QWidget* Field, const QString& Problem);
// The warning shown inside Field; empty when there is none.
QString FieldWarning(QWidget* Field);

// Base with the warning icon in its lower right corner, at Size and twice it.
QIcon WithWarningMark(const QIcon& Base, const QSize& Size);

// The losses of one object as lines for a tool tip: "DisplayName: cause...".
QString LossLines(const std::vector<TFieldLoss>& Losses);

// Asks once, before a component is written, whether to save the values that
// will change when the file is opened again (its Losses); asks nothing when
// there are none. False when the user chose Cancel.
bool ConfirmLostValues(const std::vector<TItemLoss>& Losses, TWindowServices& Services);
