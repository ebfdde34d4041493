#include "editor/optionsform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "editor/editorsettings.h"
#include "editor/ledit.h"
#include "editor/optionsdialogs.h"
#include "widgets/centre.h"
#include "widgets/colorbutton.h"

const char* const PreviewSyntax =
    "2''2\"\"2//2/*2*/1+1-1/1\\1;1:1=1(1)1.1{1}2++2--2&&2||1!2!=1<1>2>=2<=";

namespace {

// A swatch in Colour; its caption, if any, in black or white, whichever shows.
void ShowColour(TColorButton* Button, std::uint32_t BGR) {
  const QColor Colour = ColorOf(BGR);
  Button->SetColor(Colour);
  QPalette Palette = Button->palette();
  const int Luma = (299 * Colour.red() + 587 * Colour.green() + 114 * Colour.blue()) / 1000;
  Palette.setColor(QPalette::ButtonText, Luma < 128 ? Qt::white : Qt::black);
  Button->setPalette(Palette);
}

void CheckWhenSet(QCheckBox* Box, bool Set) {
  if (Set) Box->setChecked(true);
}

// Each colour button and the colour of the scheme it shows.
constexpr std::pair<TColorButton * TOptionsForm::*, std::uint32_t TEditor::*> Swatches[] = {
    {&TOptionsForm::cbNormal, &TEditor::Normal},
    {&TOptionsForm::cbBackground, &TEditor::Background},
    {&TOptionsForm::cbBlockFore, &TEditor::BlockFore},
    {&TOptionsForm::cbBlockBack, &TEditor::BlockBack},
    {&TOptionsForm::cbStrings, &TEditor::Strings},
    {&TOptionsForm::cbNumbers, &TEditor::Numbers},
    {&TOptionsForm::cbKeywords, &TEditor::Keywords},
    {&TOptionsForm::cbHTMLTags, &TEditor::HTMLTags},
    {&TOptionsForm::cbComments, &TEditor::Comments}};

}  // namespace

TOptionsForm::TOptionsForm(TEditorSettings& Settings, TLEdit* Editor, TOptionsDialogs& Dialogs,
                           QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      FSettings(Settings),
      FEditor(Editor),
      FDialogs(Dialogs) {
  setObjectName("OptionsForm");
  setWindowTitle(tr("Preferences"));
  setFont(QFont("MS Sans Serif", 8));
  setFixedSize(473, 301);
  pcPreferences = new QTabWidget(this);
  pcPreferences->setObjectName("pcPreferences");
  pcPreferences->setGeometry(6, 6, 377, 289);
  tsEditor = BuildEditorPage();
  tsColors = BuildColorsPage();
  tsPreview = new QWidget(pcPreferences);
  tsPreview->setObjectName("tsPreview");
  tsLiveWire = new QWidget(pcPreferences);
  tsLiveWire->setObjectName("tsLiveWire");
  pcPreferences->setTabVisible(pcPreferences->addTab(tsPreview, tr("Preview")), false);
  pcPreferences->setTabVisible(pcPreferences->addTab(tsLiveWire, tr("LiveWire")), false);
  BuildButtons();
  lePreview->OnPaletteChange = [this](TLEdit*) { PaletteChanged(); };
}

// The preview's handlers refer to the dialog; they must not outlive it.
TOptionsForm::~TOptionsForm() {
  lePreview->OnControlHighlight = nullptr;
  lePreview->OnPaletteChange = nullptr;
}

// The colours the user has not chosen follow the new palette, in the
// buttons and the preview as in the source editor.
void TOptionsForm::PaletteChanged() {
  FSettings.FollowPalette(lePreview->palette());
  ShowSwatches();
  ShowSchemeInPreview();
}

void TOptionsForm::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (FShown) return;
  FShown = true;
  CentreOnScreen(this);
  FormShow();
  FormActivate();
}

void TOptionsForm::FormShow() {
  pcPreferences->setCurrentWidget(tsColors);
  lePreview->SetReadOnly(false);
  lePreview->NewDocument();
  for (const char* Line : {"\t// Employee object constructor", "\tfunction employee(First, Last) {",
                           "\t\tthis.First = First", "\t\tthis.Last = Last", "\t}"})
    lePreview->AppendText(QString(Line) + "\r\n");
  lePreview->SetReadOnly(true);
  ShowSchemeInPreview();
  pcPreferences->setCurrentWidget(tsEditor);
  const TEditor& S = FSettings.Scheme;
  ShowColour(cbNormal, S.Normal);
  ShowColour(cbComments, S.Comments);
  ShowColour(cbKeywords, S.Keywords);
  ShowColour(cbHTMLTags, S.HTMLTags);
  ShowColour(cbStrings, S.Strings);
}

// Reads what the store holds now. A switch that is not stored as 1 leaves its
// box as it is. The tab-character box is hidden, so nobody can change it: it
// shows exactly what is stored, and OK keeps that.
void TOptionsForm::FormActivate() {
  const TEditorOptions O = TEditorSettings::ReadOptions();
  lbFont->setText(O.FontName);
  lbSize->setText(O.FontSize);
  CheckWhenSet(cbAutoIndent, O.AutoIndent);
  CheckWhenSet(cbInsertMode, O.InsertMode);
  CheckWhenSet(cbDefaultSelection, O.DefaultSelection);
  CheckWhenSet(cbSyntaxHighlight, O.SyntaxHighlight);
  cbTabChar->setChecked(O.TabChar);
  edTabStopSize->setText(QString::number(O.TabStopSize));
  edUndo->setText(QString::number(O.UndoLimit));
  cbVerticalSpacing->setCurrentIndex(O.VerticalSpacing);
  ShowSwatches();
}

void TOptionsForm::ShowSwatches() {
  for (const auto& [Button, Field] : Swatches)
    ShowColour(this->*Button, FSettings.Scheme.*Field);
}

// The dialog starts at the chosen font, or at the preview's when none is.
void TOptionsForm::btnFontClick() {
  QFont Initial = lePreview->Font();
  if (!lbFont->text().isEmpty()) Initial.setFamily(lbFont->text());
  const int Points = lbSize->text().toInt();
  if (Points > 0) Initial.setPointSize(Points);
  const std::optional<QFont> Chosen = FDialogs.AskFont(this, Initial);
  if (!Chosen) return;
  lbFont->setText(Chosen->family());
  lbSize->setText(QString::number(Chosen->pointSize()));
}

void TOptionsForm::ColorButtonClick(TColorButton* Button) {
  const std::optional<QColor> Chosen = FDialogs.AskColor(this, Button->Color());
  if (!Chosen) return;
  ShowColour(Button, BGROf(*Chosen));
  CopyColorsToScheme();
  for (const auto& [Swatch, Field] : Swatches)
    if (this->*Swatch == Button) FSettings.KeepColour(Field);
  ShowSwatches();  // a background of the user's own makes the other colours readable on it
  ShowSchemeInPreview();
  if (FEditor) FEditor->Rehighlight();  // its tokens take the new colours now
}

void TOptionsForm::CopyColorsToScheme() {
  for (const auto& [Button, Field] : Swatches)
    FSettings.Scheme.*Field = BGROf((this->*Button)->Color());
}

void TOptionsForm::ShowSchemeInPreview() {
  const TEditor& S = FSettings.Scheme;
  lePreview->SetFontColor(ColorOf(S.Comments));
  lePreview->SetForeColorSelected(ColorOf(S.BlockFore));
  lePreview->SetBackColorSelected(ColorOf(S.BlockBack));
  lePreview->SetColor(ColorOf(S.Background));
  lePreview->Rehighlight();
}

// The source editor's colouring, except that tokens other than words,
// operators and strings take the Numbers colour.
void TOptionsForm::lePreviewControlHighlight(int WordType, const QString& WordStr, QColor& ForeClr,
                                             QColor& BackClr) const {
  FSettings.JavaScriptHighlight(WordType, WordStr, ForeClr, BackClr);
  if (WordType != kWordTypeWord && WordType != kWordTypeOperator && WordType != kWordTypeString1 &&
      WordType != kWordTypeString2)
    ForeClr = ColorOf(FSettings.Scheme.Numbers);
}

// Both numbers are checked before anything is stored, so a bad one leaves
// the store and the editor as they were.
void TOptionsForm::btnOKClick() {
  const std::optional<int> TabStopSize = IntegerField(edTabStopSize, TabStopRange);
  if (!TabStopSize) return;
  const std::optional<int> UndoLimit = IntegerField(edUndo, UndoRange);
  if (!UndoLimit) return;
  CopyColorsToScheme();
  TEditorOptions O;
  O.FontName = lbFont->text();
  O.FontSize = lbSize->text();
  O.AutoIndent = cbAutoIndent->isChecked();
  O.InsertMode = cbInsertMode->isChecked();
  O.DefaultSelection = cbDefaultSelection->isChecked();
  O.SyntaxHighlight = cbSyntaxHighlight->isChecked();
  O.TabChar = cbTabChar->isChecked();
  O.TabStopSize = *TabStopSize;
  O.UndoLimit = *UndoLimit;
  O.VerticalSpacing = cbVerticalSpacing->currentIndex();
  FSettings.WriteRegistryValues(O);
  FSettings.LoadRegistryValues(FEditor);
  accept();
}

// The field's value as a decimal integer (blanks around it allowed) within
// the range; on anything else the error box names the text and the field
// takes the focus.
std::optional<int> TOptionsForm::IntegerField(QLineEdit* Field, const TSettingRange& Range) {
  bool Ok = false;
  const int Value = Field->text().trimmed().toInt(&Ok);
  if (Ok && Range.Holds(Value)) return Value;
  FDialogs.Error(
      Ok ? tr("'%1' is not a value from %2 to %3")
               .arg(Field->text().trimmed(), QString::number(Range.Min), QString::number(Range.Max))
         : tr("'%1' is not a valid integer value").arg(Field->text()));
  Field->setFocus();
  return std::nullopt;
}

int TOptionsForm::HelpContextOf(const QWidget* Widget) {
  for (; Widget; Widget = Widget->parentWidget()) {
    const int Context = Widget->property("HelpContext").toInt();
    if (Context != 0) return Context;
  }
  return 0;
}

// Controls outside the groups and the preview have no help of their own.
void TOptionsForm::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() != Qt::Key_F1 || Event->modifiers() != Qt::NoModifier)
    return QDialog::keyPressEvent(Event);
  const int Context = HelpContextOf(focusWidget());
  if (Context != 0 && OnHelp) OnHelp(Context);
  Event->accept();
}
