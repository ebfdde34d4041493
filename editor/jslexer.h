// The editor's lexer: styles the text token by token with colours chosen by
// the host. Each distinct pair of token colours gets a style of its own;
// comments, blanks and uncoloured text use the base colours (font colour on
// the background).
#pragma once

#include <Qsci/qscilexercustom.h>
#include <QColor>
#include <QFont>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/tokenizer.h"

class TLEditLexer : public QsciLexerCustom {
  Q_OBJECT

 public:
  // Answers the foreground and background colour of one token.
  using TColourFunc =
      std::function<void(const TToken& Token, std::string_view Bytes, QColor& Fore, QColor& Back)>;

  explicit TLEditLexer(QObject* Parent = nullptr);

  const char* language() const override { return "TLEdit"; }
  QString description(int Style) const override;
  void styleText(int Start, int End) override;

  void SetTokenizer(const TTokenizer& Tokenizer) { Tokenizer_ = Tokenizer; }
  void SetColourFunc(TColourFunc Func) { Colours_ = std::move(Func); }
  void SetHighlight(bool On) { Highlight_ = On; }
  void SetBaseColours(const QColor& Fore, const QColor& Back);
  void SetEditorFont(const QFont& Font);
  // Forgets the token styles handed out so far; restyle the text after this.
  void ResetStyles() { Styles_.clear(); }

  static constexpr int kDefaultStyle = 0;
  static constexpr int kCommentStyle = 1;

 private:
  // Collects the styles of a range and hands them to the component in
  // blocks, one call per block rather than one per token.
  class TRuns {
   public:
    explicit TRuns(TLEditLexer& Lexer) : Lexer_(Lexer) { Lexer_.Pending_.clear(); }
    ~TRuns() { Flush(); }
    void Add(std::size_t Length, int Style);

   private:
    void Flush();
    TLEditLexer& Lexer_;
  };

  void StyleLine(std::size_t LineStart, std::size_t LineEnd, const char* Text, TRuns& Runs);
  int TokenStyle(const TToken& Token, const char* Text);
  int StyleFor(const QColor& Fore, const QColor& Back);
  void DefineStyle(int Style, const QColor& Fore, const QColor& Back);
  long Send(unsigned int Message, unsigned long WParam = 0, long LParam = 0) const;

  TTokenizer Tokenizer_{TSyntaxList{}};
  TColourFunc Colours_;
  bool Highlight_ = true;
  QColor Fore_ = Qt::black;
  QColor Back_ = Qt::white;
  QFont Font_;
  std::map<std::pair<QRgb, QRgb>, int> Styles_;
  std::vector<TToken> Tokens_;  // one line's, kept to spare allocations
  std::string Pending_;         // styles not yet handed over, a byte per character
};
