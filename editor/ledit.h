// TLEdit: the syntax-colouring source editor. Text goes in and out as
// QString with CR LF line breaks; the host colours tokens through
// OnControlHighlight, pairs braces through OnFindBrace and offers words for
// completion through OnCompletions.
#pragma once

#include <QAccessible>
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "editor/leditdialogs.h"
#include "editor/tokenizer.h"

class QHelpEvent;
class QsciScintilla;
class TLEditLexer;

// A fixed underlying type: a stored setting may hold any integer, and the
// setter checks the range of what it is given.
enum TSpacing : int { slNone, slSmall, slMedium, slLarge };

// Word types handed to the events.
constexpr int kWordTypeWord = 1;
constexpr int kWordTypeOperator = 0x8000;
constexpr int kWordTypeString1 = 0x2001;  // literal in the first string delimiter
constexpr int kWordTypeString2 = 0x6001;  // literal in the second string delimiter

// Brace types answered by OnFindBrace.
constexpr int kBraceNone = 0;
constexpr int kBraceOpening = 1;
constexpr int kBraceClosing = 2;

// Dialog kinds for PlaceDialog. Kind 6 places every dialog without a place of
// its own; kinds 4 and 5 are accepted but no dialog uses them.
enum TLEditDialogKind {
  dkFind = 0,
  dkReplace = 1,
  dkGotoLine = 2,
  dkNotice = 3,
  dkDefault = 6,
};

// Bookmark appearance attributes for SetBookmarkStyle. Colours are 0x00BBGGRR.
enum TBookmarkAttribute { baShape = 0, baForeColor = 1, baBackColor = 2 };
// Shapes: 0 circle, 1 rounded box, 2 arrow, 3 whole line in the back colour,
// 4 bookmark ribbon.

// Every line break, whatever its kind, becomes CR LF.
QString WithCrLf(QString Text);

// The word type and word value the events report for a token.
int WordTypeOf(const TToken& Token);
inline int WordValueOf(const TToken& Token) {
  return Token.Number << 16;
}

// The editor follows assistive technology's starting and stopping to listen.
class TLEdit : public QWidget, public QAccessible::ActivationObserver {
  Q_OBJECT

 public:
  // WordValue holds an operator's or string delimiter's number in its high 16 bits.
  using TControlHighlightEvent =
      std::function<void(TLEdit* Sender, int WordType, int WordValue, const QString& WordStr,
                         QColor& ForeClr, QColor& BackClr)>;
  // The handler answers BraceType and puts the partner's number in the high
  // 16 bits of WordValue.
  using TFindBraceEvent = std::function<void(TLEdit* Sender, int& WordType, int& WordValue,
                                             QString& WordStr, int& BraceType)>;

  explicit TLEdit(QWidget* Parent = nullptr);
  ~TLEdit() override;

  TControlHighlightEvent OnControlHighlight;
  TFindBraceEvent OnFindBrace;
  // After the editor's palette changed, the application's or its own.
  std::function<void(TLEdit* Sender)> OnPaletteChange;
  // The words offered for completion after "Object.", or with an empty
  // Object those standing alone; each in the spelling to insert. A word
  // holds no line break.
  std::function<QStringList(const QString& Object)> OnCompletions;

  // The selection that GetSelection reads and SetSelection applies: lines
  // from 1, columns (in characters) from 0.
  int StartLine = 1;
  int StartPos = 0;
  int EndLine = 1;
  int EndPos = 0;

  QString Text() const;
  void SetText(const QString& Value);
  bool AutoIndent() const;
  void SetAutoIndent(bool Value);
  bool InsertMode() const;
  void SetInsertMode(bool Value);
  bool DefaultSelection() const { return DefaultSelection_; }
  void SetDefaultSelection(bool Value) { DefaultSelection_ = Value; }
  bool Highlight() const { return Highlight_; }
  void SetHighlight(bool Value);
  std::uint8_t TabStopSize() const { return TabStopSize_; }
  void SetTabStopSize(std::uint8_t Value);
  std::int16_t UndoDepth() const { return UndoDepth_; }
  void SetUndoDepth(std::int16_t Value);
  TSpacing ExtraVertSpacing() const { return Spacing_; }
  void SetExtraVertSpacing(TSpacing Value);
  QColor ForeColorSelected() const { return SelFore_; }
  void SetForeColorSelected(const QColor& Value);
  QColor BackColorSelected() const { return SelBack_; }
  void SetBackColorSelected(const QColor& Value);
  QColor Color() const { return Color_; }
  void SetColor(const QColor& Value);
  QFont Font() const { return Font_; }
  void SetFont(const QFont& Value);
  QColor FontColor() const { return FontColor_; }
  void SetFontColor(const QColor& Value);
  QString Syntax() const { return Syntax_; }
  void SetSyntax(const QString& Value);
  bool ReadOnly() const;
  void SetReadOnly(bool Value);
  bool Visible() const { return !isHidden(); }
  void SetVisible(bool Value) { setVisible(Value); }

  void GetSelection();
  void SetSelection();
  QString GetSelText() const;
  void ReplaceSel(const QString& Value);
  void InsertText(const QString& Value);
  void AppendText(const QString& Value);
  int LineCount() const;
  bool IsModified() const;
  void SetModified(bool Value);
  void NewDocument();
  void Clear();
  void Undo();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void SelectAll();

  void FindDialog();
  bool FindNext();
  void ReplaceDialog();
  void GotoLineDialog();
  void SetSearchText(const QString& Value);
  void SetSearchMode(int Mode);
  int SearchMode() const;
  void FindMatchingBrace();
  void SetBookmark();
  void GotoBookmark();
  void SetBookmarkStyle(int Attribute, int Value);
  void PlaceDialog(int Kind, int X, int Y);

  // Replaces every What in the text with With as one undo step, keeping the
  // selection, the scroll position and the bookmark. What must be one byte
  // of the text's encoding (a tab, for instance).
  void ReplaceChar(QChar What, const QString& With);
  // Asks OnControlHighlight again for every token; call it when the colours
  // the handler answers have changed.
  void Rehighlight();
  // Line (from 1) holding the bookmark, 0 when there is none.
  int BookmarkLine() const;
  // One place of the text marked as wrong: underlined from Offset (a byte of
  // the text) to the end of its word, a sign in the margin of its line, and
  // Message the tool tip of both. The mark moves with the text around it; a
  // new one replaces it. Neither is an edit: undo and the modified flag stay.
  void SetErrorMark(long Offset, const QString& Message);
  void ClearErrorMark();
  // The line (from 1) of the mark, 0 when there is none.
  int ErrorMarkLine() const;
  // The margin's tool tip on the lines without the mark.
  void SetMarginHint(const QString& Hint) { MarginHint_ = Hint; }
  // The tool tip at Point of the viewport: the mark's message over the mark
  // or its margin, the margin's hint elsewhere in the margin, else empty.
  QString ToolTipAt(QPoint Point) const;
  // The text as the editor holds it, UTF-8; valid until the next change.
  std::string_view DocumentBytes() const;
  // Puts other dialogs in place of the built-in modal ones.
  void SetDialogs(std::unique_ptr<TLEditDialogs> Dialogs);
  // Lists the words of OnCompletions that begin with the part of a name
  // before the caret, letter case ignored: after "x." those of x, else those
  // standing alone. Typing "." after a name and Ctrl+Space call it. The word
  // chosen replaces only that part, never the text after the caret.
  void ShowCompletions();
  QsciScintilla* Scintilla() const { return Editor_; }

  static constexpr int kLongestSearchText = 125;
  static constexpr std::int16_t kLargestUndoDepth = INT16_MAX;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void changeEvent(QEvent* Event) override;

 private:
  void ApplyDefaults();
  void ApplyBaseColours();
  void ApplyErrorMarkStyle();
  void ApplyMarginColours();
  void ShowToolTip(const QHelpEvent& Event) const;
  void SetUpCompletion();
  void SetUpChangeNotices();
  void accessibilityActiveChanged(bool Active) override;
  bool InCommentOrString(long Line, long LineStart, long Caret) const;
  void ColourToken(const TToken& Token, std::string_view Bytes, QColor& Fore, QColor& Back);
  bool Search(const TFindOptions& Options);
  void ReplaceAll(const TReplaceOptions& Options);
  void NotFound();
  std::optional<QPoint> PlaceOf(int Kind) const;
  int AskBrace(const TToken& Token, std::string_view Text, int& Partner);
  long CaretPos() const;
  long PositionOf(int Line, int Column) const;
  void GotoPos(long Pos);
  void MoveBookmark(long Line);
  long Send(unsigned int Message, unsigned long WParam = 0, long LParam = 0) const;

  QsciScintilla* Editor_;
  TLEditLexer* Lexer_;
  std::unique_ptr<TLEditDialogs> Dialogs_;
  TTokenizer Tokenizer_{TSyntaxList{}};
  QString Syntax_;
  bool DefaultSelection_ = true;
  bool Highlight_ = true;
  bool ForcedModified_ = false;
  std::uint8_t TabStopSize_ = 3;
  std::int16_t UndoDepth_ = 909;
  TSpacing Spacing_ = slMedium;
  QColor SelFore_;
  QColor SelBack_;
  QColor Color_;
  QColor FontColor_;
  QFont Font_;
  TFindOptions Search_;
  QString SearchPrefill_;
  TReplaceOptions Replace_;
  int BookmarkHandle_ = -1;
  int ErrorMarkHandle_ = -1;
  bool QuietChanges_ = false;  // only the notices before a change come
  QString ErrorMessage_;
  QString MarginHint_;
  std::array<std::optional<QPoint>, 7> Places_;
};
