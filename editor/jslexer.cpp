#include "editor/jslexer.h"

#include <Qsci/qsciscintilla.h>
#include <cstdint>
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

// Styles whole lines from the one holding Start up to the one holding End,
// and no further: the component asks again from the first line it lacks, and
// a block comment left open at a line's end carries over in the line state.
void TLEditLexer::styleText(int Start, int End) {
  if (!editor() || End <= Start) return;
  long Line = Send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(Start));
  const long Last =
      Send(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(End - 1));
  auto State = static_cast<TLineState>(
      Line > 0 ? Send(QsciScintillaBase::SCI_GETLINESTATE, static_cast<unsigned long>(Line - 1))
               : 0);
  const auto First = static_cast<std::size_t>(
      Send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(Line)));
  const auto Beyond = static_cast<std::size_t>(
      Send(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(Last + 1)));
  // Only this range is made contiguous, not the whole document. The pointer
  // comes back as the message's result, as the editing component hands it.
  const auto* Range = reinterpret_cast<const char*>(static_cast<std::intptr_t>(
      Send(QsciScintillaBase::SCI_GETRANGEPOINTER, First, static_cast<long>(Beyond - First))));
  if (!Range) return;
  const std::string_view Text(Range, Beyond - First);
  startStyling(static_cast<int>(First));
  TRuns Runs(*this);
  std::size_t LineStart = 0;  // in Text
  for (; Line <= Last; ++Line) {
    const auto LineEnd = static_cast<std::size_t>(Send(QsciScintillaBase::SCI_POSITIONFROMLINE,
                                                       static_cast<unsigned long>(Line + 1))) -
                         First;
    Tokens_.clear();
    State = Tokenizer_.TokenizeLine(Text.substr(LineStart, LineEnd - LineStart), State, LineStart,
                                    Tokens_);
    StyleLine(LineStart, LineEnd, Text.data(), Runs);
    Send(QsciScintillaBase::SCI_SETLINESTATE, static_cast<unsigned long>(Line),
         static_cast<long>(State));
    LineStart = LineEnd;
  }
}

void TLEditLexer::StyleLine(std::size_t LineStart, std::size_t LineEnd, const char* Text,
                            TRuns& Runs) {
  std::size_t Pos = LineStart;
  for (const TToken& Token : Tokens_) {
    Runs.Add(Token.Start - Pos, kDefaultStyle);
    Runs.Add(Token.Length, TokenStyle(Token, Text));
    Pos = Token.Start + Token.Length;
  }
  Runs.Add(LineEnd - Pos, kDefaultStyle);
}

void TLEditLexer::TRuns::Add(std::size_t Length, int Style) {
  constexpr std::size_t kBlock = 64 * 1024;
  Lexer_.Pending_.append(Length, static_cast<char>(Style));
  if (Lexer_.Pending_.size() >= kBlock) Flush();
}

void TLEditLexer::TRuns::Flush() {
  std::string& Styles = Lexer_.Pending_;
  if (Styles.empty()) return;
  Lexer_.editor()->SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX,
                                 static_cast<std::uintptr_t>(Styles.size()), Styles.data());
  Styles.clear();
}

int TLEditLexer::TokenStyle(const TToken& Token, const char* Text) {
  if (Token.Kind == TTokenKind::Comment) return kCommentStyle;
  if (!Highlight_ || !Colours_) return kDefaultStyle;
  QColor Fore = Fore_;
  QColor Back = Back_;
  Colours_(Token, std::string_view(Text + Token.Start, Token.Length), Fore, Back);
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
