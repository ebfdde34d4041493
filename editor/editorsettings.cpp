#include "editor/editorsettings.h"

#include <QApplication>
#include <QFont>
#include <QSet>
#include <optional>
#include <utility>

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

// The value the store holds, or none: a stored value reads the same
// whatever the default.
std::optional<int> ReadStored(const char* Name) {
  const int Value = Read(Name, 0);
  if (Value != Read(Name, 1)) return std::nullopt;
  return Value;
}

void Write(const char* Name, int Value) {
  WriteSetting(srCurrentUser, EditorSettingsKey, Name, Value);
}

// The scheme's colours by setting name, in the order they are read and written.
constexpr std::pair<const char*, std::uint32_t TEditor::*> Colours[] = {
    {"NormalColor", &TEditor::Normal},         {"CommentsColor", &TEditor::Comments},
    {"KeywordsColor", &TEditor::Keywords},     {"HTMLTagsColor", &TEditor::HTMLTags},
    {"StringsColor", &TEditor::Strings},       {"NumbersColor", &TEditor::Numbers},
    {"BackgroundColor", &TEditor::Background}, {"BlockForeColor", &TEditor::BlockFore},
    {"BlockBackColor", &TEditor::BlockBack}};

std::size_t IndexOf(std::uint32_t TEditor::*Field) {
  std::size_t I = 0;
  while (Colours[I].second != Field)
    ++I;
  return I;
}

}  // namespace

const QStringList& JavaScriptKeywords() {
  static const QStringList Keywords = {
      "abstract",     "boolean", "break",      "byte",    "case",      "catch",      "char",
      "class",        "const",   "continue",   "default", "do",        "double",     "else",
      "extends",      "false",   "final",      "finally", "float",     "for",        "function",
      "goto",         "if",      "implements", "import",  "in",        "instanceof", "int",
      "interface",    "long",    "native",     "new",     "null",      "package",    "private",
      "protected",    "public",  "return",     "short",   "static",    "super",      "switch",
      "synchronized", "this",    "throw",      "throws",  "transient", "true",       "try",
      "var",          "void",    "while",      "with"};
  return Keywords;
}

bool IsJavaScriptKeyword(const QString& Word) {
  static const QSet<QString> Keywords(JavaScriptKeywords().begin(), JavaScriptKeywords().end());
  QString Lower = Word;
  for (QChar& C : Lower)
    if (C >= 'A' && C <= 'Z') C = QChar(C.unicode() - 'A' + 'a');
  return Keywords.contains(Lower);
}

void TEditorSettings::ApplyBuiltIn(TLEdit& Editor) {
  FollowPalette(Editor.palette());
  UseJavaScript(Editor);
  ApplyColours(Editor);
}

void TEditorSettings::FollowPalette(const QPalette& Palette) {
  FPalette = Palette;
  const TEditor Readable =
      ReadableScheme(FKept[IndexOf(&TEditor::Background)] ? ColorOf(Scheme.Background)
                                                          : Palette.color(QPalette::Base),
                     Palette.color(QPalette::Text));
  for (std::size_t I = 0; I < std::size(Colours); ++I)
    if (!FKept[I]) Scheme.*Colours[I].second = Readable.*Colours[I].second;
}

void TEditorSettings::KeepColour(std::uint32_t TEditor::*Field) {
  FKept.set(IndexOf(Field));
  FollowPalette(FPalette);  // a background of the user's own: the others are made readable on it
}

void TEditorSettings::ApplyColours(TLEdit& Editor) const {
  Editor.SetFontColor(ColorOf(Editor.Syntax() == HTMLSyntax ? Scheme.Normal : Scheme.Comments));
  Editor.SetColor(ColorOf(Scheme.Background));
  const QPalette& Palette = Editor.palette();
  Editor.SetForeColorSelected(FLoaded ? ColorOf(Scheme.BlockFore)
                                      : Palette.color(QPalette::HighlightedText));
  Editor.SetBackColorSelected(FLoaded ? ColorOf(Scheme.BlockBack)
                                      : Palette.color(QPalette::Highlight));
  Editor.Rehighlight();
}

// A palette change, of the application's or the editor's own, colours the
// editor anew; the preview of Preferences follows its own editor.
void TEditorSettings::FollowEditorPalette(TLEdit& Editor) {
  Editor.OnPaletteChange = [this](TLEdit* Sender) {
    FollowPalette(Sender->palette());
    ApplyColours(*Sender);
  };
}

void TEditorSettings::UseJavaScript(TLEdit& Editor) {
  FollowEditorPalette(Editor);
  Editor.SetFontColor(ColorOf(Scheme.Comments));
  Editor.SetSyntax(JavaScriptSyntax);
  Editor.OnControlHighlight = [this](TLEdit*, int Type, int, const QString& Word, QColor& Fore,
                                     QColor& Back) { JavaScriptHighlight(Type, Word, Fore, Back); };
}

void TEditorSettings::UseHTML(TLEdit& Editor) {
  FollowEditorPalette(Editor);
  Editor.SetSyntax(HTMLSyntax);
  Editor.OnControlHighlight = [this](TLEdit* Sender, int, int, const QString&, QColor& Fore,
                                     QColor& Back) { HTMLHighlight(*Sender, Fore, Back); };
  Editor.SetFontColor(ColorOf(Scheme.Normal));
}

// A colour the store holds is the user's from now on, under any palette.
void TEditorSettings::ReadColours() {
  for (std::size_t I = 0; I < std::size(Colours); ++I)
    if (const std::optional<int> Stored = ReadStored(Colours[I].first)) {
      Scheme.*Colours[I].second = static_cast<std::uint32_t>(*Stored);
      FKept.set(I);
    }
}

TEditorOptions TEditorSettings::ReadOptions() {
  TEditorOptions O;
  O.FontName = ReadText("Font");
  O.FontSize = ReadText("FontSize");
  O.AutoIndent = Read("AutoIndent", 0) == 1;
  O.InsertMode = Read("InsertMode", 0) == 1;
  O.DefaultSelection = Read("DefaultSelection", 0) == 1;
  O.SyntaxHighlight = Read("SyntaxHighlight", 0) == 1;
  O.TabChar = Read("TabChar", 0) == 1;
  O.TabStopSize = TabStopRange.Clamped(Read("TabStopSize", 3));
  O.UndoLimit = UndoRange.Clamped(Read("UndoLimit", 900));
  O.VerticalSpacing = Read("VerticalSpacing", 0);
  return O;
}

void TEditorSettings::WriteRegistryValues(const TEditorOptions& Options) const {
  WriteSetting(srCurrentUser, EditorSettingsKey, "Font", Options.FontName);
  WriteSetting(srCurrentUser, EditorSettingsKey, "FontSize", Options.FontSize);
  for (const auto& [Name, Field] : Colours)
    Write(Name, static_cast<int>(Scheme.*Field));
  Write("AutoIndent", Options.AutoIndent ? 1 : 0);
  Write("InsertMode", Options.InsertMode ? 1 : 0);
  Write("DefaultSelection", Options.DefaultSelection ? 1 : 0);
  Write("SyntaxHighlight", Options.SyntaxHighlight ? 1 : 0);
  Write("TabChar", Options.TabChar ? 1 : 0);
  Write("TabStopSize", Options.TabStopSize);
  Write("UndoLimit", Options.UndoLimit);
  Write("VerticalSpacing", Options.VerticalSpacing);
}

void TEditorSettings::LoadRegistryValues(TLEdit* Editor) {
  if (ReadText("Font").isEmpty()) return;
  FLoaded = true;
  ReadColours();
  FollowPalette(Editor ? Editor->palette() : QApplication::palette());
  const TEditorOptions Options = ReadOptions();
  FontName = Options.FontName;
  FontSize = Options.FontSize;
  if (!Editor) return;
  QFont Font = Editor->Font();
  if (!FontName.isEmpty()) Font.setFamily(FontName);
  bool IsNumber = false;
  const int Points = FontSize.trimmed().toInt(&IsNumber);
  if (IsNumber && Points > 0) Font.setPointSize(Points);  // anything else keeps the size
  Editor->SetFont(Font);
  ApplyFlags(*Editor, Options);
  if (Read("HighlightFocus", 0) == 0)
    UseJavaScript(*Editor);
  else
    UseHTML(*Editor);
  const int Spacing = Options.VerticalSpacing;
  if (Spacing >= slNone && Spacing <= slLarge)
    Editor->SetExtraVertSpacing(static_cast<TSpacing>(Spacing));
  ApplyColours(*Editor);
}

// Each switch is on for the value 1 only; the tab stop is never 0.
void TEditorSettings::ApplyFlags(TLEdit& Editor, const TEditorOptions& Options) {
  Editor.SetAutoIndent(Options.AutoIndent);
  Editor.SetInsertMode(Options.InsertMode);
  Editor.SetDefaultSelection(Options.DefaultSelection);
  Editor.SetHighlight(Options.SyntaxHighlight);
  Editor.SetTabStopSize(static_cast<std::uint8_t>(Options.TabStopSize));
  if (Editor.TabStopSize() == 0) Editor.SetTabStopSize(1);
  Editor.SetUndoDepth(static_cast<std::int16_t>(Options.UndoLimit));
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
  const int Size = TabStopRange.Clamped(Read("TabStopSize", 3));
  return Size > 0 ? QString(Size, ' ') : QString();
}
