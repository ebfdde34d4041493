// The source editor's per-user settings: loading them into the editor, the
// token colouring they choose, and the text that stands for a tab.
#pragma once

#include <QColor>
#include <QString>

#include "editor/editorscheme.h"

class TLEdit;

// The editor's Syntax for JavaScript and for HTML colouring.
extern const char* const JavaScriptSyntax;
extern const char* const HTMLSyntax;

// True when Word is one of the JavaScript keywords, letter case ignored.
bool IsJavaScriptKeyword(const QString& Word);

class TEditorSettings {
 public:
  TEditor Scheme;
  QString FontName, FontSize;  // as stored: a name, and points as decimal text

  // The editor's own state before any settings were confirmed: JavaScript
  // colouring with the scheme's colours.
  void ApplyBuiltIn(TLEdit& Editor);
  // Reads every setting and applies it; a store without a Font value (the
  // first run) leaves everything as it is.
  void LoadRegistryValues(TLEdit* Editor);

  // The colouring handlers for the two modes.
  void JavaScriptHighlight(int WordType, const QString& Word, QColor& Fore, QColor& Back) const;
  void HTMLHighlight(const TLEdit& Editor, QColor& Fore, QColor& Back) const;

  // Reads TabChar now and remembers it; true only for 1.
  bool UseTabCharacter();
  // A tab when the remembered flag is set, else TabStopSize spaces read now.
  QString TabSubstitute() const;

 private:
  void ReadColours();
  void ApplyFlags(TLEdit& Editor) const;
  void UseJavaScript(TLEdit& Editor);
  void UseHTML(TLEdit& Editor);

  bool FUseTabCharacter = false;
};
