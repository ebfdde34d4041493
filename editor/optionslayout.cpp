// The Preferences dialog's pages, groups and controls, as designed.
#include <Qsci/qsciscintilla.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "editor/ledit.h"
#include "editor/optionsform.h"

#include <algorithm>
#include "widgets/accessibility.h"
#include "widgets/colorbutton.h"
#include "widgets/groupcontents.h"

namespace {

QLabel* AddLabel(QWidget* Parent, const char* Name, const QString& Caption, int X, int Y,
                 QWidget* Buddy = nullptr) {
  auto* Label = new QLabel(Caption, Parent);
  Label->setObjectName(Name);
  Label->move(X, Y);
  if (Buddy) Label->setBuddy(Buddy);
  return Label;
}

QGroupBox* AddGroup(QWidget* Page, const char* Name, const QString& Caption, const QRect& Place,
                    int HelpContext) {
  auto* Group = new QGroupBox(Caption, Page);
  Group->setObjectName(Name);
  Group->setGeometry(Place);
  Group->setProperty("HelpContext", HelpContext);
  return Group;
}

QCheckBox* AddCheckBox(QWidget* Group, const char* Name, const QString& Caption, int Y) {
  auto* Box = new QCheckBox(Caption, Group);
  Box->setObjectName(Name);
  Box->setGeometry(12, Y, 172, 17);
  return Box;
}

QLineEdit* AddField(QWidget* Group, const char* Name, int Y) {
  auto* Field = new QLineEdit(Group);
  Field->setObjectName(Name);
  Field->setGeometry(276, Y, 67, 21);
  return Field;
}

QComboBox* AddList(QWidget* Group, const char* Name, const QStringList& Items, int Y) {
  auto* List = new QComboBox(Group);
  List->setObjectName(Name);
  List->addItems(Items);
  List->setGeometry(276, Y, 67, 21);
  return List;
}

QWidget* AddPage(QTabWidget* Pages, const char* Name, const QString& Caption) {
  auto* Page = new QWidget(Pages);
  Page->setObjectName(Name);
  Pages->addTab(Page, Caption);
  return Page;
}

// The designed places assume a group title as high as the designed style
// draws it. Where the style shown needs more room above a group's controls,
// they move down as far as needed, and the group grows with them, moving what
// lies below it on the page.
void FitGroups(QWidget* Page) {
  for (QGroupBox* Group : Page->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) {
    const QRect Inside = GroupContents(*Group);
    const QList<QWidget*> Controls = Group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int Top = Inside.bottom(), Bottom = 0;
    for (const QWidget* Control : Controls) {
      Top = std::min(Top, Control->geometry().top());
      Bottom = std::max(Bottom, Control->geometry().bottom());
    }
    const int Shift = std::max(0, Inside.top() + 1 - Top);
    if (Shift == 0) continue;
    for (QWidget* Control : Controls)
      Control->move(Control->pos() + QPoint(0, Shift));
    const int Grow = std::max(0, Bottom + Shift + 1 - Inside.bottom());
    const QRect Was = Group->geometry();
    Group->resize(Was.width(), Was.height() + Grow);
    for (QWidget* Below : Page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (Below != Group && Below->y() > Was.bottom() && Below->x() < Was.right() &&
          Below->geometry().right() > Was.left())
        Below->move(Below->pos() + QPoint(0, Grow));
  }
}

}  // namespace

void TOptionsForm::BuildButtons() {
  btnOK = new QPushButton(tr("OK"), this);
  btnOK->setObjectName("btnOK");
  btnOK->setGeometry(390, 28, 75, 25);
  btnOK->setDefault(true);
  btnCancel = new QPushButton(tr("Cancel"), this);
  btnCancel->setObjectName("btnCancel");
  btnCancel->setGeometry(390, 60, 75, 25);
  connect(btnOK, &QPushButton::clicked, this, &TOptionsForm::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TOptionsForm::BuildEditorPage() {
  QWidget* Page = AddPage(pcPreferences, "tsEditor", tr("Editor"));
  gbDefaultFont = BuildFontGroup(Page);
  gbEditorOptions = BuildOptionsGroup(Page);
  FitGroups(Page);
  return Page;
}

QGroupBox* TOptionsForm::BuildFontGroup(QWidget* Page) {
  QGroupBox* Group =
      AddGroup(Page, "gbDefaultFont", tr("Default Font"), QRect(8, 6, 353, 70), hcDefaultFont);
  AddLabel(Group, "lblFont", tr("Font:"), 12, 22);
  lbFont = AddLabel(Group, "lbFont", QString(), 52, 22);
  lbFont->setFixedWidth(170);
  AddLabel(Group, "lblSize", tr("Size:"), 12, 44);
  lbSize = AddLabel(Group, "lbSize", QString(), 52, 44);
  lbSize->setFixedWidth(170);
  btnFont = new QPushButton(tr("Choose &Font..."), Group);
  btnFont->setObjectName("btnFont");
  btnFont->setGeometry(240, 26, 101, 25);
  connect(btnFont, &QPushButton::clicked, this, &TOptionsForm::btnFontClick);
  return Group;
}

QGroupBox* TOptionsForm::BuildOptionsGroup(QWidget* Page) {
  QGroupBox* Group = AddGroup(Page, "gbEditorOptions", tr("Editor Options"), QRect(8, 82, 353, 160),
                              hcEditorOptions);
  cbAutoIndent = AddCheckBox(Group, "cbAutoIndent", tr("&Auto Indent"), 22);
  cbInsertMode = AddCheckBox(Group, "cbInsertMode", tr("&Insert Mode"), 44);
  cbDefaultSelection =
      AddCheckBox(Group, "cbDefaultSelection", tr("&Typing Replaces Selection"), 66);
  cbSyntaxHighlight = AddCheckBox(Group, "cbSyntaxHighlight", tr("Use &Syntax Highlighting"), 88);
  cbTabChar = AddCheckBox(Group, "cbTabChar", tr("Use Tab &Character"), 110);
  cbTabChar->setVisible(false);
  edUndo = AddField(Group, "edUndo", 20);
  lblUndo = AddLabel(Group, "lblUndo", tr("&Undo Limit:"), 184, 24, edUndo);
  cbVerticalSpacing =
      AddList(Group, "cbVerticalSpacing", {tr("None"), tr("Small"), tr("Medium"), tr("Large")}, 48);
  lblVerticalSpacing =
      AddLabel(Group, "lblVerticalSpacing", tr("&Vertical Spacing:"), 184, 52, cbVerticalSpacing);
  edTabStopSize = AddField(Group, "edTabStopSize", 76);
  lblTabStopSize = AddLabel(Group, "lblTabStopSize", tr("Tab Stop Si&ze:"), 184, 80, edTabStopSize);
  cbKeystrokes = AddList(Group, "cbKeystrokes",
                         {tr("Default"), tr("Classic"), tr("Brief"), tr("Epsilon")}, 104);
  lblKeystrokes =
      AddLabel(Group, "lblKeystrokes", tr("&Keystroke Mapping:"), 184, 108, cbKeystrokes);
  cbKeystrokes->setVisible(false);
  lblKeystrokes->setVisible(false);
  return Group;
}

QWidget* TOptionsForm::BuildColorsPage() {
  QWidget* Page = AddPage(pcPreferences, "tsColors", tr("Colors"));
  gbNormal = BuildColorGroup(Page, "gbNormal", tr("Normal"), cbNormal, "cbNormal", cbBackground,
                             "cbBackground");
  gbSelection = BuildColorGroup(Page, "gbSelection", tr("Selection"), cbBlockFore, "cbBlockFore",
                                cbBlockBack, "cbBlockBack");
  gbSelection->move(8, 92);
  gbLanguage = BuildLanguageGroup(Page);
  BuildPreview(Page);
  FitGroups(Page);
  return Page;
}

QGroupBox* TOptionsForm::BuildColorGroup(QWidget* Page, const char* Name, const QString& Caption,
                                         TColorButton*& Text, const char* TextName,
                                         TColorButton*& Back, const char* BackName) {
  QGroupBox* Group = AddGroup(Page, Name, Caption, QRect(8, 6, 130, 80), hcColors);
  Text = AddColorButton(Group, TextName, QString());
  Text->setGeometry(82, 18, 36, 23);
  AddLabel(Group, "", tr("Text:"), 10, 22, Text);
  Back = AddColorButton(Group, BackName, QString());
  Back->setGeometry(82, 48, 36, 23);
  AddLabel(Group, "", tr("Background:"), 10, 52, Back);
  return Group;
}

QGroupBox* TOptionsForm::BuildLanguageGroup(QWidget* Page) {
  QGroupBox* Group = AddGroup(Page, "gbLanguage", tr("Language"), QRect(146, 6, 215, 80), hcColors);
  const std::pair<TColorButton**, const char*> Buttons[] = {
      {&cbStrings, QT_TR_NOOP("Strings")},   {&cbNumbers, QT_TR_NOOP("Numbers")},
      {&cbKeywords, QT_TR_NOOP("Keywords")}, {&cbHTMLTags, QT_TR_NOOP("HTML Tags")},
      {&cbComments, QT_TR_NOOP("Comments")},
  };
  int Index = 0;
  for (const auto& [Button, Caption] : Buttons) {
    const QString Name = "cb" + QString(Caption).remove(' ');
    *Button = AddColorButton(Group, Name.toLatin1().constData(), tr(Caption));
    (*Button)->setGeometry(8 + (Index % 3) * 68, 18 + (Index / 3) * 30, 64, 25);
    ++Index;
  }
  return Group;
}

TColorButton* TOptionsForm::AddColorButton(QWidget* Group, const char* Name,
                                           const QString& Caption) {
  auto* Button = new TColorButton(Group);
  Button->setObjectName(Name);
  Button->SetCaption(Caption);
  connect(Button, &TColorButton::OnClick, this, [this, Button] { ColorButtonClick(Button); });
  return Button;
}

void TOptionsForm::BuildPreview(QWidget* Page) {
  lePreview = new TLEdit(Page);
  lePreview->setObjectName("lePreview");
  lePreview->setProperty("HelpContext", hcColors);
  lePreview->setGeometry(146, 96, 215, 146);
  // No caption shows with the preview; it is read as what it is.
  NameControl(lePreview, tr("Preview"));
  NameControl(lePreview->Scintilla(), tr("Preview"));
  QFont Font("Courier New", 9);
  Font.setStyleHint(QFont::TypeWriter);
  lePreview->SetFont(Font);
  lePreview->SetTabStopSize(3);
  lePreview->SetHighlight(true);
  lePreview->SetSyntax(PreviewSyntax);
  lePreview->OnControlHighlight = [this](TLEdit*, int Type, int, const QString& Word, QColor& Fore,
                                         QColor& Back) {
    lePreviewControlHighlight(Type, Word, Fore, Back);
  };
  lePreview->SetReadOnly(true);
}
