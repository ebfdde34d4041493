// The Preferences dialog: the source editor's font, editing options, tab
// stop, undo limit, line spacing and colours, with a preview of the colours.
// Picked colours go into the colour scheme at once; everything else reaches
// the settings store, and the editor, only through OK.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "editor/editorsettings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TColorButton;
class TLEdit;
class TOptionsDialogs;

// The preview's syntax: strings in single or double quotes, each escaped by
// doubling, and no square brackets among the operators.
extern const char* const PreviewSyntax;

// Help contexts of the dialog's groups.
constexpr int hcDefaultFont = 170;
constexpr int hcEditorOptions = 175;
constexpr int hcColors = 180;

class TOptionsForm : public QDialog {
  Q_OBJECT

 public:
  // Settings holds the colour scheme the dialog edits; Editor, when given,
  // is the source editor that OK reconfigures; Dialogs answer for the font,
  // the colours and errors.
  TOptionsForm(TEditorSettings& Settings, TLEdit* Editor, TOptionsDialogs& Dialogs,
               QWidget* Parent = nullptr);
  ~TOptionsForm() override;

  // F1: the help context of the focused control's group.
  std::function<void(int HelpContext)> OnHelp;

  QTabWidget* pcPreferences;
  QWidget *tsEditor, *tsColors, *tsPreview, *tsLiveWire;
  QPushButton *btnOK, *btnCancel;

  QGroupBox* gbDefaultFont;
  QLabel *lbFont, *lbSize;
  QPushButton* btnFont;

  QGroupBox* gbEditorOptions;
  QCheckBox *cbAutoIndent, *cbInsertMode, *cbDefaultSelection, *cbSyntaxHighlight, *cbTabChar;
  QLineEdit *edUndo, *edTabStopSize;
  QComboBox *cbVerticalSpacing, *cbKeystrokes;
  QLabel *lblUndo, *lblVerticalSpacing, *lblTabStopSize, *lblKeystrokes;

  QGroupBox *gbNormal, *gbSelection, *gbLanguage;
  TColorButton *cbNormal, *cbBackground, *cbBlockFore, *cbBlockBack;
  TColorButton *cbStrings, *cbNumbers, *cbKeywords, *cbHTMLTags, *cbComments;
  TLEdit* lePreview;

  // Handlers, in the order the dialog runs them.
  void FormShow();
  void FormActivate();
  void btnFontClick();
  void ColorButtonClick(TColorButton* Button);
  void lePreviewControlHighlight(int WordType, const QString& WordStr, QColor& ForeClr,
                                 QColor& BackClr) const;
  void btnOKClick();
  // The help context of Widget's group; 0 when it is in none.
  static int HelpContextOf(const QWidget* Widget);

 protected:
  void showEvent(QShowEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  void BuildButtons();
  QWidget* BuildEditorPage();
  QGroupBox* BuildFontGroup(QWidget* Page);
  QGroupBox* BuildOptionsGroup(QWidget* Page);
  QWidget* BuildColorsPage();
  QGroupBox* BuildColorGroup(QWidget* Page, const char* Name, const QString& Caption,
                             TColorButton*& Text, const char* TextName, TColorButton*& Back,
                             const char* BackName);
  QGroupBox* BuildLanguageGroup(QWidget* Page);
  TColorButton* AddColorButton(QWidget* Group, const char* Name, const QString& Caption);
  void BuildPreview(QWidget* Page);
  void CopyColorsToScheme();
  void ShowSwatches();
  void ShowSchemeInPreview();
  void PaletteChanged();
  std::optional<int> IntegerField(QLineEdit* Field, const TSettingRange& Range);

  TEditorSettings& FSettings;
  TLEdit* FEditor;
  TOptionsDialogs& FDialogs;
  bool FShown = false;
};
