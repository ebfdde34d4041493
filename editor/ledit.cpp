#include "editor/ledit.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QVBoxLayout>

#include "editor/jslexer.h"

namespace {

bool IsUrlDrag(QEvent* Event) {
  switch (Event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
      const QMimeData* Data = static_cast<QDropEvent*>(Event)->mimeData();
      return Data && Data->hasUrls();
    }
    default:
      return false;
  }
}

bool IsTypedText(QEvent* Event) {
  if (Event->type() != QEvent::KeyPress) return false;
  const auto* Key = static_cast<QKeyEvent*>(Event);
  return !Key->text().isEmpty() && Key->text().at(0).isPrint() &&
         !(Key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool IsCompletionKey(QEvent* Event) {
  if (Event->type() != QEvent::KeyPress) return false;
  const auto* Key = static_cast<QKeyEvent*>(Event);
  return Key->key() == Qt::Key_Space && Key->modifiers() == Qt::ControlModifier;
}

}  // namespace

int WordTypeOf(const TToken& Token) {
  switch (Token.Kind) {
    case TTokenKind::Operator:
      return kWordTypeOperator;
    case TTokenKind::String:
      return Token.Number == 1 ? kWordTypeString1 : kWordTypeString2;
    default:
      return kWordTypeWord;
  }
}

TLEdit::TLEdit(QWidget* Parent)
    : QWidget(Parent),
      Editor_(new QsciScintilla(this)),
      Lexer_(new TLEditLexer(Editor_)),
      Dialogs_(std::make_unique<TLEditModalDialogs>()) {
  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->addWidget(Editor_);
  setFocusProxy(Editor_);
  Editor_->setContextMenuPolicy(Qt::NoContextMenu);  // the host's menu, not Scintilla's
  Editor_->installEventFilter(this);
  Editor_->viewport()->installEventFilter(this);
  Lexer_->SetColourFunc([this](const TToken& Token, std::string_view Bytes, QColor& Fore,
                               QColor& Back) { ColourToken(Token, Bytes, Fore, Back); });
  Editor_->setLexer(Lexer_);
  ApplyDefaults();
  SetUpCompletion();
  SetUpChangeNotices();
}

TLEdit::~TLEdit() {
  QAccessible::removeActivationObserver(this);
}

long TLEdit::Send(unsigned int Message, unsigned long WParam, long LParam) const {
  return Editor_->SendScintilla(Message, WParam, LParam);
}

void TLEdit::ApplyDefaults() {
  Editor_->setUtf8(true);
  Editor_->setEolMode(QsciScintilla::EolWindows);
  Send(QsciScintillaBase::SCI_SETPASTECONVERTENDINGS, 1);
  Editor_->setMarginWidth(0, 0);
  Editor_->setMarginWidth(1, 14);
  QFont Font(QStringLiteral("Courier New"), 9);
  Font.setStyleHint(QFont::TypeWriter);
  Font_ = Font;
  FontColor_ = QColor(0x80, 0x00, 0x00);
  Color_ = palette().color(QPalette::Base);
  Lexer_->SetEditorFont(Font_);
  ApplyBaseColours();
  SetForeColorSelected(palette().color(QPalette::HighlightedText));
  SetBackColorSelected(palette().color(QPalette::Highlight));
  SetAutoIndent(true);
  SetInsertMode(true);
  Editor_->setTabWidth(TabStopSize_);
  SetUndoDepth(UndoDepth_);
  // Ctrl+Shift+Z redoes as well as Ctrl+Y, as everywhere else in the window.
  if (QsciCommand* Redo = Editor_->standardCommands()->find(QsciCommand::Redo))
    Redo->setAlternateKey((Qt::CTRL | Qt::SHIFT | Qt::Key_Z).toCombined());
  SetExtraVertSpacing(Spacing_);
  SetBookmarkStyle(baShape, 0);
  SetBookmarkStyle(baForeColor, 0x800000);
  SetBookmarkStyle(baBackColor, 0x00FFFF);
  ApplyErrorMarkStyle();
  ApplyMarginColours();
}

void TLEdit::ApplyBaseColours() {
  Lexer_->SetBaseColours(FontColor_, Color_);
  Editor_->setCaretForegroundColor(FontColor_);
}

// Drags carrying file names go to the window; typing over a selection only
// replaces it when DefaultSelection is on; Ctrl+Space offers completions and
// the viewport's tool tips are the error mark's.
bool TLEdit::eventFilter(QObject* Watched, QEvent* Event) {
  if (IsUrlDrag(Event)) {
    Event->ignore();
    return true;
  }
  if (Watched == Editor_->viewport() && Event->type() == QEvent::ToolTip) {
    ShowToolTip(static_cast<QHelpEvent&>(*Event));
    return true;
  }
  if (Watched == Editor_ && OnCompletions && IsCompletionKey(Event)) {
    ShowCompletions();
    return true;
  }
  if (Watched == Editor_ && IsTypedText(Event) && !DefaultSelection_ &&
      Editor_->hasSelectedText()) {
    Send(QsciScintillaBase::SCI_SETEMPTYSELECTION, static_cast<unsigned long>(CaretPos()));
  }
  return QWidget::eventFilter(Watched, Event);
}

// The margin takes the window's colours, so that it follows a dark desktop.
void TLEdit::changeEvent(QEvent* Event) {
  QWidget::changeEvent(Event);
  if (Event->type() != QEvent::PaletteChange) return;
  ApplyMarginColours();
  if (OnPaletteChange) OnPaletteChange(this);
}

void TLEdit::ApplyMarginColours() {
  Editor_->setMarginsBackgroundColor(palette().color(QPalette::Window));
  Editor_->setMarginsForegroundColor(palette().color(QPalette::WindowText));
}

void TLEdit::ColourToken(const TToken& Token, std::string_view Bytes, QColor& Fore, QColor& Back) {
  if (!OnControlHighlight) return;
  OnControlHighlight(this, WordTypeOf(Token), WordValueOf(Token),
                     QString::fromUtf8(Bytes.data(), static_cast<qsizetype>(Bytes.size())), Fore,
                     Back);
}

QString TLEdit::Text() const {
  return Editor_->text();
}

void TLEdit::SetText(const QString& Value) {
  Editor_->setText(WithCrLf(Value));
}

bool TLEdit::AutoIndent() const {
  return Editor_->autoIndent();
}

void TLEdit::SetAutoIndent(bool Value) {
  Editor_->setAutoIndent(Value);
}

bool TLEdit::InsertMode() const {
  return !Editor_->overwriteMode();
}

void TLEdit::SetInsertMode(bool Value) {
  Editor_->setOverwriteMode(!Value);
}

void TLEdit::SetHighlight(bool Value) {
  if (Value == Highlight_) return;
  Highlight_ = Value;
  Lexer_->SetHighlight(Value);
  Rehighlight();
}

// Scintilla cannot show a tab stop of 0 columns; it is drawn as 1.
void TLEdit::SetTabStopSize(std::uint8_t Value) {
  TabStopSize_ = Value;
  Editor_->setTabWidth(qMax(1, static_cast<int>(Value)));
}

// Scintilla keeps an unbounded history: a depth of 0 turns undo off, any other
// depth keeps it on. A negative depth means the largest one.
void TLEdit::SetUndoDepth(std::int16_t Value) {
  UndoDepth_ = Value < 0 ? kLargestUndoDepth : Value;
  Send(QsciScintillaBase::SCI_SETUNDOCOLLECTION, UndoDepth_ != 0);
  if (UndoDepth_ == 0) Send(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
}

// Extra pixels above and below every line.
void TLEdit::SetExtraVertSpacing(TSpacing Value) {
  static constexpr int kPixels[] = {0, 1, 2, 3};
  if (Value < slNone || Value > slLarge) return;
  Spacing_ = Value;
  Editor_->setExtraAscent(kPixels[Value]);
  Editor_->setExtraDescent(kPixels[Value]);
}

void TLEdit::SetForeColorSelected(const QColor& Value) {
  SelFore_ = Value;
  Editor_->setSelectionForegroundColor(Value);
}

void TLEdit::SetBackColorSelected(const QColor& Value) {
  SelBack_ = Value;
  Editor_->setSelectionBackgroundColor(Value);
}

void TLEdit::SetColor(const QColor& Value) {
  if (Value == Color_) return;
  Color_ = Value;
  ApplyBaseColours();
  Rehighlight();
}

void TLEdit::SetFont(const QFont& Value) {
  if (Value == Font_) return;
  Font_ = Value;
  Lexer_->SetEditorFont(Value);
}

void TLEdit::SetFontColor(const QColor& Value) {
  if (Value == FontColor_) return;
  FontColor_ = Value;
  ApplyBaseColours();
  Rehighlight();
}

void TLEdit::SetSyntax(const QString& Value) {
  const QString Cut = Value.left(static_cast<qsizetype>(kMaxSyntaxLength));
  if (Cut == Syntax_) return;
  Syntax_ = Cut;
  Tokenizer_ = TTokenizer(ParseSyntax(Cut.toStdString()));
  Lexer_->SetTokenizer(Tokenizer_);
  Rehighlight();
}

bool TLEdit::ReadOnly() const {
  return Editor_->isReadOnly();
}

void TLEdit::SetReadOnly(bool Value) {
  Editor_->setReadOnly(Value);
}

void TLEdit::Rehighlight() {
  Lexer_->ResetStyles();
  Editor_->recolor();
}
