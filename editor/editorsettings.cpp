#include "editor/editorsettings.h"

#include <QFont>
#include <QSet>

#include "editor/ledit.h"
#include "editor/settingsstore.h"

const char* const JavaScriptSyntax =
    "2\"\\2'\\2//2/*2*/1+1-1/1\\1;1:1=1(1)1[1]1.1{1}2++2--2&&2||1!2!=1<1>2>=2<=";
const char* const HTMLSyntax = "0001>1<";

namespace {

int Read(const char* Name, int Default) {
  return ReadSetting(srCurrentUser, EditorSettingsKey, Name, Default);
}

QString ReadText(const char* Name) {
  return ReadSetting(srCurrentUser, EditorSettingsKey, Name, "");
}

std::uint32_t ReadColour(const char* Name, std::uint32_t Default) {
  return static_cast<std::uint32_t>(Read(Name, static_cast<int>(Default)));
}

}  // namespace

bool IsJavaScriptKeyword(const QString& Word) {
  static const QSet<QString> Keywords = {
      "ABSTRACT",     "BOOLEAN", "BREAK",      "BYTE",    "CASE",      "CATCH",      "CHAR",
      "CLASS",        "CONST",   "CONTINUE",   "DEFAULT", "DO",        "DOUBLE",     "ELSE",
      "EXTENDS",      "FALSE",   "FINAL",      "FINALLY", "FLOAT",     "FOR",        "FUNCTION",
      "GOTO",         "IF",      "IMPLEMENTS", "IMPORT",  "IN",        "INSTANCEOF", "INT",
      "INTERFACE",    "LONG",    "NATIVE",     "NEW",     "NULL",      "PACKAGE",    "PRIVATE",
      "PROTECTED",    "PUBLIC",  "RETURN",     "SHORT",   "STATIC",    "SUPER",      "SWITCH",
      "SYNCHRONIZED", "THIS",    "THROW",      "THROWS",  "TRANSIENT", "TRUE",       "TRY",
      "VAR",          "VOID",    "WHILE",      "WITH"};
  QString Upper = Word;
  for (QChar& C : Upper)
    if (C >= 'a' && C <= 'z') C = QChar(C.unicode() - 'a' + 'A');
  return Keywords.contains(Upper);
}

void TEditorSettings::ApplyBuiltIn(TLEdit& Editor) {
  UseJavaScript(Editor);
}

void TEditorSettings::UseJavaScript(TLEdit& Editor) {
  Editor.SetFontColor(ColorOf(Scheme.Comments));
  Editor.SetSyntax(JavaScriptSyntax);
  Editor.OnControlHighlight = [this](TLEdit*, int Type, int, const QString& Word, QColor& Fore,
                                     QColor& Back) { JavaScriptHighlight(Type, Word, Fore, Back); };
}

void TEditorSettings::UseHTML(TLEdit& Editor) {
  Editor.SetSyntax(HTMLSyntax);
  Editor.OnControlHighlight = [this](TLEdit* Sender, int, int, const QString&, QColor& Fore,
                                     QColor& Back) { HTMLHighlight(*Sender, Fore, Back); };
  Editor.SetFontColor(ColorOf(Scheme.Normal));
}

void TEditorSettings::ReadColours() {
  TEditor& S = Scheme;
  S.Normal = ReadColour("NormalColor", S.Normal);
  S.Comments = ReadColour("CommentsColor", S.Comments);
  S.Keywords = ReadColour("KeywordsColor", S.Keywords);
  S.HTMLTags = ReadColour("HTMLTagsColor", S.HTMLTags);
  S.Strings = ReadColour("StringsColor", S.Strings);
  S.Numbers = ReadColour("NumbersColor", S.Numbers);
  S.Background = ReadColour("BackgroundColor", S.Background);
  S.BlockFore = ReadColour("BlockForeColor", S.BlockFore);
  S.BlockBack = ReadColour("BlockBackColor", S.BlockBack);
}

void TEditorSettings::LoadRegistryValues(TLEdit* Editor) {
  if (ReadText("Font").isEmpty()) return;
  ReadColours();
  FontName = ReadText("Font");
  FontSize = ReadText("FontSize");
  if (!Editor) return;
  Editor->SetFontColor(ColorOf(Scheme.Comments));
  Editor->SetForeColorSelected(ColorOf(Scheme.BlockFore));
  Editor->SetBackColorSelected(ColorOf(Scheme.BlockBack));
  Editor->SetColor(ColorOf(Scheme.Background));
  QFont Font = Editor->Font();
  if (!FontName.isEmpty()) Font.setFamily(FontName);
  bool IsNumber = false;
  const int Points = FontSize.trimmed().toInt(&IsNumber);
  if (IsNumber && Points > 0) Font.setPointSize(Points);  // anything else keeps the size
  Editor->SetFont(Font);
  ApplyFlags(*Editor);
  if (Read("HighlightFocus", 0) == 0)
    UseJavaScript(*Editor);
  else
    UseHTML(*Editor);
  const int Spacing = Read("VerticalSpacing", 0);
  if (Spacing >= slNone && Spacing <= slLarge)
    Editor->SetExtraVertSpacing(static_cast<TSpacing>(Spacing));
}

// Each switch is on for the value 1 only; the tab stop is kept in 8 bits and
// never 0, the undo depth in 16.
void TEditorSettings::ApplyFlags(TLEdit& Editor) const {
  Editor.SetAutoIndent(Read("AutoIndent", 0) == 1);
  Editor.SetInsertMode(Read("InsertMode", 0) == 1);
  Editor.SetDefaultSelection(Read("DefaultSelection", 0) == 1);
  Editor.SetHighlight(Read("SyntaxHighlight", 0) == 1);
  Editor.SetTabStopSize(static_cast<std::uint8_t>(Read("TabStopSize", 3)));
  if (Editor.TabStopSize() == 0) Editor.SetTabStopSize(1);
  Editor.SetUndoDepth(static_cast<std::int16_t>(Read("UndoLimit", 900)));
}

void TEditorSettings::JavaScriptHighlight(int WordType, const QString& Word, QColor& Fore,
                                          QColor& Back) const {
  Fore = ColorOf(Scheme.Normal);
  if (WordType == kWordTypeWord) {
    Back = ColorOf(Scheme.Background);
    if (IsJavaScriptKeyword(Word)) Fore = ColorOf(Scheme.Keywords);
  } else if (WordType == kWordTypeString1 || WordType == kWordTypeString2) {
    Fore = ColorOf(Scheme.Strings);
  }
}

void TEditorSettings::HTMLHighlight(const TLEdit& Editor, QColor& Fore, QColor& Back) const {
  if (Editor.Syntax() != HTMLSyntax) return;
  Fore = ColorOf(Scheme.HTMLTags);
  Back = ColorOf(Scheme.Background);
}

bool TEditorSettings::UseTabCharacter() {
  FUseTabCharacter = Read("TabChar", 0) == 1;
  return FUseTabCharacter;
}

QString TEditorSettings::TabSubstitute() const {
  if (FUseTabCharacter) return "\t";
  const int Size = Read("TabStopSize", 3);
  return Size > 0 ? QString(Size, ' ') : QString();
}
