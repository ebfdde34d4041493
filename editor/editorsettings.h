// The source editor's per-user settings: loading them into the editor,
// writing them back, the token colouring they choose, and the text that
// stands for a tab.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <bitset>

#include "editor/editorscheme.h"

class TLEdit;

// The editor's Syntax for JavaScript and for HTML colouring.
extern const char* const JavaScriptSyntax;
extern const char* const HTMLSyntax;

// The JavaScript keywords, in lower case.
const QStringList& JavaScriptKeywords();
// True when Word is one of the JavaScript keywords, letter case ignored.
bool IsJavaScriptKeyword(const QString& Word);

// The settings besides the colours, as the store keeps them. Each switch is
// true only for a stored 1.
// The numbers the editor can hold, as the store's values are read and the
// Preferences fields take them: a tab stop of 8 bits (0 is applied as 1) and
// an undo depth of 16 (negative: the editor's largest).
struct TSettingRange {
  int Min, Max;
  int Clamped(int Value) const { return Value < Min ? Min : Value > Max ? Max : Value; }
  bool Holds(int Value) const { return Value >= Min && Value <= Max; }
};
inline constexpr TSettingRange TabStopRange{0, 255}, UndoRange{-32768, 32767};

struct TEditorOptions {
  QString FontName, FontSize;
  bool AutoIndent = false;
  bool InsertMode = false;
  bool DefaultSelection = false;
  bool SyntaxHighlight = false;
  bool TabChar = false;
  int TabStopSize = 3;
  int UndoLimit = 900;
  int VerticalSpacing = 0;
};

class TEditorSettings {
 public:
  // The colours drawn: the user's own as stored or picked, the others the
  // designed ones made readable on the desktop's palette (ReadableScheme).
  TEditor Scheme;
  QString FontName, FontSize;  // as stored: a name, and points as decimal text

  // The editor's own state before any settings were confirmed: JavaScript
  // colouring with the scheme's colours.
  void ApplyBuiltIn(TLEdit& Editor);
  // Reads every setting and applies it; a store without a Font value (the
  // first run) leaves everything as it is.
  void LoadRegistryValues(TLEdit* Editor);
  // The options as stored now; absent values read as their defaults.
  static TEditorOptions ReadOptions();
  // Stores the font, the scheme's colours and Options, in that order; a
  // LoadRegistryValues afterwards applies them.
  void WriteRegistryValues(const TEditorOptions& Options) const;

  // The colouring handlers for the two modes.
  void JavaScriptHighlight(int WordType, const QString& Word, QColor& Fore, QColor& Back) const;
  void HTMLHighlight(const TLEdit& Editor, QColor& Fore, QColor& Back) const;

  // Takes the colours the user has not chosen from Palette again, made
  // readable on the user's background when there is one, else on the
  // palette's Base.
  void FollowPalette(const QPalette& Palette);
  // Marks a colour of the scheme as the user's: no palette changes it.
  void KeepColour(std::uint32_t TEditor::*Field);
  // Gives Editor the scheme's font colour and background, and its selection
  // colours once settings were loaded (the palette's highlight before), and
  // colours its tokens again.
  void ApplyColours(TLEdit& Editor) const;

  // Reads TabChar now and remembers it; true only for 1.
  bool UseTabCharacter();
  // A tab when the remembered flag is set, else TabStopSize spaces read now.
  QString TabSubstitute() const;

 private:
  void ReadColours();
  static void ApplyFlags(TLEdit& Editor, const TEditorOptions& Options);
  void UseJavaScript(TLEdit& Editor);
  void UseHTML(TLEdit& Editor);
  void FollowEditorPalette(TLEdit& Editor);

  bool FUseTabCharacter = false;
  bool FLoaded = false;  // a load passed the Font gate
  std::bitset<9> FKept;  // by the order of the settings' colours
  QPalette FPalette;     // the one the scheme follows now
};
