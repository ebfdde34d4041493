#include "app/corvane/historykeys.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QUndoStack>
#include <memory>

#include "beans/undo/documenthistory.h"

THistoryKeys::THistoryKeys(QWidget& View, TDocumentHistory& History)
    : QObject(&View), FHistory(&History) {
  for (QWidget* Control : View.findChildren<QWidget*>())
    if (Control->focusPolicy() != Qt::NoFocus) Control->installEventFilter(this);
}

// Ctrl is the Command key on macOS, as everywhere in Qt. The platform's own
// undo and redo keys (Alt+Backspace on Windows, say), which a field would
// otherwise take for its own undo, go to the history as well.
int THistoryKeys::Direction(const QKeyEvent& Key) {
  const Qt::KeyboardModifiers Mods = Key.modifiers() & ~Qt::KeypadModifier;
  const bool Ctrl = Mods == Qt::ControlModifier;
  if ((Key.key() == Qt::Key_Z && Ctrl) || Key.matches(QKeySequence::Undo)) return -1;
  if ((Key.key() == Qt::Key_Z && Mods == (Qt::ControlModifier | Qt::ShiftModifier)) ||
      (Key.key() == Qt::Key_Y && Ctrl) || Key.matches(QKeySequence::Redo))
    return 1;
  return 0;
}

bool THistoryKeys::eventFilter(QObject* Watched, QEvent* Event) {
  if (!FHistory) return QObject::eventFilter(Watched, Event);
  switch (Event->type()) {
    case QEvent::ShortcutOverride:
      // Claimed before any menu shortcut or the field's own undo sees it.
      if (Direction(*static_cast<QKeyEvent*>(Event)) == 0) break;
      Event->accept();
      return true;
    case QEvent::KeyPress: {
      const int Way = Direction(*static_cast<QKeyEvent*>(Event));
      if (Way == 0) break;
      Way < 0 ? FHistory->Undo() : FHistory->Redo();
      return true;
    }
    case QEvent::FocusOut:
      // Typing in another field, or after a pick from a list, is another step.
      FHistory->Seal();
      break;
    case QEvent::ContextMenu:
      if (auto* Field = qobject_cast<QLineEdit*>(Watched)) {
        ShowFieldMenu(*Field, *Event);
        return true;
      }
      break;
    default:
      break;
  }
  return QObject::eventFilter(Watched, Event);
}

// The field's own menu, whose Undo and Redo (the first two entries of an
// editable field's menu) work on the document's history.
void THistoryKeys::ShowFieldMenu(QLineEdit& Field, QEvent& Event) {
  const std::unique_ptr<QMenu> Menu(Field.createStandardContextMenu());
  const QList<QAction*> Entries = Menu->actions();
  if (!Field.isReadOnly() && Entries.size() >= 2) {
    const QUndoStack& Stack = FHistory->Stack();
    for (QAction* Entry : {Entries[0], Entries[1]})
      disconnect(Entry, &QAction::triggered, &Field, nullptr);
    Entries[0]->setEnabled(Stack.canUndo());
    Entries[1]->setEnabled(Stack.canRedo());
    connect(Entries[0], &QAction::triggered, this, [this] {
      if (FHistory) FHistory->Undo();
    });
    connect(Entries[1], &QAction::triggered, this, [this] {
      if (FHistory) FHistory->Redo();
    });
  }
  Menu->exec(static_cast<QContextMenuEvent&>(Event).globalPos());
}
