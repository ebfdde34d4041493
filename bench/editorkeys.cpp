#include "editorkeys.h"

#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QKeyEvent>

namespace {

long Send(QsciScintilla& E, unsigned int Message, unsigned long W = 0, long L = 0) {
  return E.SendScintilla(Message, W, L);
}

}  // namespace

void ShowScreen(QsciScintilla& E) {
  const long Top = Send(E, QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
  const long Shown = Send(E, QsciScintillaBase::SCI_LINESONSCREEN);
  const long Last =
      Send(E, QsciScintillaBase::SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(Top + Shown));
  long End = Send(E, QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(Last + 1));
  if (End < 0) End = Send(E, QsciScintillaBase::SCI_GETLENGTH);
  const long Styled = Send(E, QsciScintillaBase::SCI_GETENDSTYLED);
  if (Styled < End)
    Send(E, QsciScintillaBase::SCI_COLOURISE, static_cast<unsigned long>(Styled), End);
  E.viewport()->repaint();
}

void Key(QsciScintilla& E, int Code, const QString& Text, Qt::KeyboardModifiers Mods) {
  QKeyEvent Press(QEvent::KeyPress, Code, Mods, Text);
  QApplication::sendEvent(&E, &Press);
  ShowScreen(E);
}

void ShowAtTop(QWidget& W) {
  W.resize(900, 700);
  W.show();
  QApplication::processEvents();
}
