#include "editor/jslexer.h"

#include <Qsci/qsciscintilla.h>
#include <string_view>

namespace {

// Style numbers free for tokens: 32 to 39 are Scintilla's own styles.
constexpr int kFirstTokenStyle = 2;
constexpr int kFirstReservedStyle = 32;
constexpr int kLastReservedStyle = 39;
constexpr int kLastStyle = 255;

bool IsTokenStyle(int Style) {
  return Style >= 0 && Style <= kLastStyle &&
         (Style < kFirstReservedStyle || Style > kLastReservedStyle);
}

int NextFreeStyle(std::size_t Used) {
  int Style = kFirstTokenStyle + static_cast<int>(Used);
  if (Style >= kFirstReservedStyle) Style += kLastReservedStyle - kFirstReservedStyle + 1;
  return Style <= kLastStyle ? Style : -1;
}

}  // namespace

TLEditLexer::TLEditLexer(QObject* Parent) : QsciLexerCustom(Parent) {}

// Scintilla applies only styles that carry a description.
QString TLEditLexer::description(int Style) const {
  if (Style == kDefaultStyle) return QStringLiteral("Default");
  if (Style == kCommentStyle) return QStringLiteral("Comment");
  return IsTokenStyle(Style) ? QStringLiteral("Token %1").arg(Style) : QString();
}

long TLEditLexer::Send(unsigned int Message, unsigned long WParam, long LParam) const {
  return editor() ? editor()->SendScintilla(Message, WParam, LParam) : 0;
}

void TLEditLexer::SetBaseColours(const QColor& Fore, const QColor& Back) {
  Fore_ = Fore;
  Back_ = Back;
  setDefaultColor(Fore);
  setDefaultPaper(Back);
  DefineStyle(kDefaultStyle, Fore, Back);
  DefineStyle(kCommentStyle, Fore, Back);
  if (QsciScintilla* Editor = editor()) {
    Editor->SendScintilla(QsciScintillaBase::SCI_STYLESETFORE, QsciScintillaBase::STYLE_DEFAULT,
                          Fore);
    Editor->SendScintilla(QsciScintillaBase::SCI_STYLESETBACK, QsciScintillaBase::STYLE_DEFAULT,
                          Back);
  }
}

void TLEditLexer::SetEditorFont(const QFont& Font) {
  Font_ = Font;
  setDefaultFont(Font);
  setFont(Font, -1);
}

void TLEditLexer::DefineStyle(int Style, const QColor& Fore, const QColor& Back) {
  setColor(Fore, Style);
  setPaper(Back, Style);
  setFont(Font_, Style);
}

// Styles whole lines from the one holding Start. A block comment left open at
// a line's end carries over in the line state, so styling goes on past End
// until a line ends in the state it had before.
void TLEditLexer::styleText(int Start, int End) {
  QsciScintilla* Editor = editor();
  if (!Editor) return;
  const auto* Text = static_cast<const char*>(
      Editor->SendScintillaPtrResult(QsciScintillaBase::SCI_GETCHARACTERPOINTER));
  const long Lines = Send(QsciScintillaBase::SCI_GETLINECOUNT);
  long Line = Send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(Start));
  auto State = static_cast<TLineState>(
      Line > 0 ? Send(QsciScintillaBase::SCI_GETLINESTATE, static_cast<unsigned long>(Line - 1))
               : 0);
  startStyling(static_cast<int>(
      Send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(Line))));
  for (; Line < Lines; ++Line) {
    const auto LineStart = static_cast<std::size_t>(
        Send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(Line)));
    const auto LineEnd = static_cast<std::size_t>(
        Send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(Line + 1)));
    std::vector<TToken> Tokens;
    State = Tokenizer_.TokenizeLine(std::string_view(Text + LineStart, LineEnd - LineStart), State,
                                    LineStart, Tokens);
    StyleLine(LineStart, Tokens, LineEnd, Text);
    const long Old = Send(QsciScintillaBase::SCI_GETLINESTATE, static_cast<unsigned long>(Line));
    Send(QsciScintillaBase::SCI_SETLINESTATE, static_cast<unsigned long>(Line),
         static_cast<long>(State));
    if (LineEnd >= static_cast<std::size_t>(End) && Old == static_cast<long>(State)) break;
  }
}

void TLEditLexer::StyleLine(std::size_t LineStart, const std::vector<TToken>& Tokens,
                            std::size_t LineEnd, const char* Text) {
  std::size_t Pos = LineStart;
  for (const TToken& Token : Tokens) {
    if (Token.Start > Pos) setStyling(static_cast<int>(Token.Start - Pos), kDefaultStyle);
    setStyling(static_cast<int>(Token.Length), TokenStyle(Token, Text));
    Pos = Token.Start + Token.Length;
  }
  if (LineEnd > Pos) setStyling(static_cast<int>(LineEnd - Pos), kDefaultStyle);
}

int TLEditLexer::TokenStyle(const TToken& Token, const char* Text) {
  if (Token.Kind == TTokenKind::Comment) return kCommentStyle;
  if (!Highlight_ || !Colours_) return kDefaultStyle;
  QColor Fore = Fore_;
  QColor Back = Back_;
  Colours_(Token, QByteArray(Text + Token.Start, static_cast<qsizetype>(Token.Length)), Fore, Back);
  return StyleFor(Fore, Back);
}

// The style drawn in Fore on Back; when every style is taken, the default.
int TLEditLexer::StyleFor(const QColor& Fore, const QColor& Back) {
  const auto Key = std::make_pair(Fore.rgba(), Back.rgba());
  if (const auto Found = Styles_.find(Key); Found != Styles_.end()) return Found->second;
  const int Style = NextFreeStyle(Styles_.size());
  if (Style < 0) return kDefaultStyle;
  DefineStyle(Style, Fore, Back);
  Styles_.emplace(Key, Style);
  return Style;
}
