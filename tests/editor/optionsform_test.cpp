// The Preferences dialog against a store in a temporary folder, with the
// font, colour and error dialogs answered here.
#include <Qsci/qsciscintilla.h>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>

#include "editor/editorsettings.h"
#include "editor/ledit.h"
#include "editor/optionsdialogs.h"
#include "editor/optionsform.h"
#include "widgets/colorbutton.h"
#include "widgets/groupcontents.h"

namespace {

QSettings UserStore() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brantwick Software", "Corvane");
}
// Stores "Name=Value,..."; reads such a list back for the names in it.
void StoreAll(const QString& Pairs) {
  for (const QString& Pair : Pairs.split(','))
    UserStore().setValue("Settings/Editor/" + Pair.section('=', 0, 0), Pair.section('=', 1));
}
QString Stored(const QStringList& Names) {
  QStringList Pairs;
  for (const QString& Name : Names)
    Pairs << Name + "=" + UserStore().value("Settings/Editor/" + Name).toString();
  return Pairs.join(',');
}

// The foreground colour the editor draws the character at Pos in.
QColor DrawnColour(TLEdit& Editor, long Pos) {
  QsciScintilla* S = Editor.Scintilla();
  const long Style = S->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, Pos);
  return ColorOf(S->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, Style));
}

// Answers the font and colour dialogs as told, Cancel when not, and records
// the error boxes.
struct TAnswers : TOptionsDialogs {
  std::function<std::optional<QFont>(const QFont&)> OnFont;
  std::function<std::optional<QColor>(const QColor&)> OnColor;
  QStringList Errors;
  std::optional<QFont> AskFont(QWidget*, const QFont& Initial) override {
    return OnFont ? OnFont(Initial) : std::nullopt;
  }
  std::optional<QColor> AskColor(QWidget*, const QColor& Initial) override {
    return OnColor ? OnColor(Initial) : std::nullopt;
  }
  void Error(const QString& Msg) override { Errors << Msg; }
};

}  // namespace

class OptionsFormTest : public QObject {
  Q_OBJECT

  QTemporaryDir Store;
  std::unique_ptr<TEditorSettings> Settings;
  std::unique_ptr<TLEdit> Source;  // the source editor the dialog reconfigures
  TAnswers Dialogs;
  std::unique_ptr<TOptionsForm> Form;

  // Loads the stored settings into the source editor, then shows a dialog.
  void Open() {
    Settings = std::make_unique<TEditorSettings>();
    Source = std::make_unique<TLEdit>();
    Settings->ApplyBuiltIn(*Source);
    Settings->LoadRegistryValues(Source.get());
    Form = std::make_unique<TOptionsForm>(*Settings, Source.get(), Dialogs);
    Form->show();
  }

 private slots:
  void initTestCase() {
    for (auto Format : {QSettings::NativeFormat, QSettings::IniFormat})
      for (auto Scope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(Format, Scope, Store.path());
  }
  void cleanup() {
    Form.reset();
    Dialogs.Errors.clear();
    Dialogs.OnFont = nullptr;
    Dialogs.OnColor = nullptr;
    UserStore().clear();
  }

  // Every control of a group lies inside its frame, below its title, in the
  // style shown.
  void groupsHoldTheirControlsBelowTheirTitles() {
    Open();
    for (QGroupBox* Group : Form->findChildren<QGroupBox*>()) {
      const QRect Inside = GroupContents(*Group);
      for (QWidget* Child : Group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!Child->isHidden())
          QVERIFY2(Inside.contains(Child->geometry()),
                   qPrintable(Group->objectName() + "/" + Child->objectName()));
    }
  }

  void emptyStore() {
    Open();
    QVERIFY(!Form->pcPreferences->isTabVisible(2) && !Form->pcPreferences->isTabVisible(3));
    QVERIFY(Form->lbFont->text().isEmpty() && Form->lbSize->text().isEmpty());
    QVERIFY(!Form->cbAutoIndent->isChecked() && !Form->cbSyntaxHighlight->isChecked());
    QVERIFY(Form->cbTabChar->isHidden() && !Form->cbTabChar->isChecked());
    QCOMPARE(Form->edUndo->text(), QString("900"));
    QCOMPARE(Form->cbBlockBack->Color(), QColor(255, 255, 0));  // the scheme's own colours
    Form->btnOK->click();
    QCOMPARE(Stored({"Font", "TabChar"}), QString("Font=,TabChar=0"));  // tabs are still replaced
    QVERIFY(Source->AutoIndent() && Source->Highlight());               // no font: nothing applied
  }

  void storedValuesAreShownAndWrittenBack() {
    StoreAll(
        "Font=Mono,FontSize=11,AutoIndent=0,InsertMode=1,DefaultSelection=2,TabChar=0,"
        "UndoLimit=-1,KeywordsColor=255");
    Open();
    QCOMPARE(Form->lbFont->text(), QString("Mono"));
    QVERIFY(!Form->cbAutoIndent->isChecked() && Form->cbInsertMode->isChecked());
    QVERIFY(!Form->cbDefaultSelection->isChecked());  // only 1 checks a box
    QCOMPARE(Form->edUndo->text(), QString("-1"));
    Dialogs.OnFont = [](const QFont&) { return std::nullopt; };
    Form->btnFont->click();  // cancelled: nothing changes
    QCOMPARE(Form->lbFont->text(), QString("Mono"));
    Dialogs.OnFont = [](const QFont&) { return QFont("DejaVu Sans Mono", 12); };
    Form->btnFont->click();
    Form->cbVerticalSpacing->setCurrentIndex(3);
    QCOMPARE(Stored({"Font"}), QString("Font=Mono"));  // nothing is stored before OK
    Form->btnOK->click();
    const QString Expected =
        "Font=DejaVu Sans Mono,FontSize=12,AutoIndent=0,InsertMode=1,DefaultSelection=0,"
        "TabChar=0,TabStopSize=3,UndoLimit=-1,VerticalSpacing=3,KeywordsColor=255,"
        "BlockBackColor=65535";
    QCOMPARE(Stored(QString(Expected).remove(QRegularExpression("=[^,]*")).split(',')), Expected);
    QCOMPARE(Source->ExtraVertSpacing(), slLarge);  // reconfigured
  }

  void pickedColoursStayAfterCancel() {
    Open();
    Source->SetText("while (x)");
    Source->Rehighlight();
    const QColor Green(0, 128, 0);
    Dialogs.OnColor = [](const QColor&) { return QColor(0, 128, 0); };
    Form->cbKeywords->OnClick();
    QCOMPARE(Settings->Scheme.Keywords, BGROf(Green));
    QCOMPARE(DrawnColour(*Source, 0), Green);  // the source editor's tokens follow at once
    Dialogs.OnColor = [](const QColor&) { return QColor(0, 0, 255); };
    Form->cbBlockBack->OnClick();
    QCOMPARE(Form->lePreview->BackColorSelected(), QColor(0, 0, 255));
    QVERIFY(Source->BackColorSelected() != QColor(0, 0, 255));  // until the next load
    Form->btnCancel->click();
    QVERIFY(UserStore().allKeys().isEmpty());
    QCOMPARE(DrawnColour(*Source, 0), Green);
  }

  // The preview draws what is neither word, operator nor string in Numbers.
  void previewColours() {
    Open();
    Settings->Scheme = {1, 2, 3, 4, 5, 6, 7, 8, 9};  // Normal 1, Strings 2, Keywords 3, Numbers 6
    const int Types[] = {kWordTypeWord, kWordTypeWord, kWordTypeOperator, kWordTypeString2, 0x4001};
    const QStringList Words = {"This", "First", "=", "'a'", "7"};
    QString Drawn;  // each token in the preview, then in the source editor
    for (int I = 0; I < 5; ++I)
      for (TLEdit* Editor : {Form->lePreview, Source.get()}) {
        QColor Fore, Back;
        Editor->OnControlHighlight(Editor, Types[I], 0, Words[I], Fore, Back);
        Drawn += QString::number(BGROf(Fore));
      }
    QCOMPARE(Drawn, QString("3311112261"));
  }

  void badNumbersStoreNothing() {
    for (const auto& [TabStop, Undo, Bad, Error] :
         {std::tuple<QString, QString, QString, QString>{"3a", "x", "3a",
                                                         "is not a valid integer value"},
          {"4", "", "", "is not a valid integer value"},
          {"256", "0", "256", "is not a value from 0 to 255"},
          {"4", "40000", "40000", "is not a value from -32768 to 32767"}}) {
      Open();
      Form->edTabStopSize->setText(TabStop);
      Form->edUndo->setText(Undo);
      Form->btnOK->click();
      QCOMPARE(Dialogs.Errors, QStringList{"'" + Bad + "' " + Error});
      QVERIFY(Form->isVisible() && UserStore().allKeys().isEmpty());
      QCOMPARE(Form->focusWidget(), Bad == TabStop ? Form->edTabStopSize : Form->edUndo);
      Form->edTabStopSize->setText(" 7 ");  // blanks around a number are fine
      Form->edUndo->setText("-7");
      Form->btnOK->click();
      QVERIFY(!Form->isVisible());
      QCOMPARE(Stored({"TabStopSize", "UndoLimit"}), QString("TabStopSize=7,UndoLimit=-7"));
      cleanup();
    }
  }

  void f1AsksForTheGroupsHelp() {
    Open();
    QList<int> Asked;
    Form->OnHelp = [&Asked](int Context) { Asked << Context; };
    const std::pair<QWidget*, int> Controls[] = {{Form->btnFont, 170},
                                                 {Form->cbVerticalSpacing, 175},
                                                 {Form->cbNumbers, 180},
                                                 {Form->lePreview->Scintilla(), 180},
                                                 {Form->btnOK, 0}};
    for (const auto& [Control, Context] : Controls) {
      Asked.clear();
      Form->pcPreferences->setCurrentWidget(Context == 180 ? Form->tsColors : Form->tsEditor);
      Control->setFocus();
      QTest::keyClick(Control, Qt::Key_F1);
      QCOMPARE(Asked, Context ? QList<int>{Context} : QList<int>{});
    }
  }
};

QTEST_MAIN(OptionsFormTest)
#include "optionsform_test.moc"
