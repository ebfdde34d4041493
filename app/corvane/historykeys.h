// The keys of the document's history in the Component View: Ctrl+Z undoes,
// Ctrl+Shift+Z and Ctrl+Y redo, wherever the focus is in the view. The entry
// fields give up their own undo, so that the view keeps one history.
#pragma once

#include <QObject>
#include <QPointer>

#include "beans/undo/documenthistory.h"

class QEvent;
class QKeyEvent;
class QLineEdit;
class QWidget;

class THistoryKeys : public QObject {
  Q_OBJECT

 public:
  // Watches every control of View that can take the focus; lives as long as
  // View does.
  THistoryKeys(QWidget& View, TDocumentHistory& History);

  // Undo is -1, redo 1, any other key 0.
  static int Direction(const QKeyEvent& Key);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void ShowFieldMenu(QLineEdit& Field, QEvent& Event);

  // The window frees the history before its widgets, whose closing still
  // moves the focus; from then on the keys do nothing.
  QPointer<TDocumentHistory> FHistory;
};
