// The Preferences dialog against a store in a temporary folder, with the
// font, colour and error dialogs answered here.
#include <Qsci/qsciscintilla.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "editor/editorsettings.h"
#include "editor/ledit.h"
#include "editor/optionsdialogs.h"
#include "editor/optionsform.h"
#include "editor/settingsstore.h"
#include "widgets/colorbutton.h"

namespace {

void Set(const char* Name, int Value) {
  WriteSetting(srCurrentUser, EditorSettingsKey, Name, Value);
}
void Set(const char* Name, const char* Value) {
  WriteSetting(srCurrentUser, EditorSettingsKey, Name, Value);
}
QVariant Stored(const char* Name) {
  QSettings S(QSettings::NativeFormat, QSettings::UserScope, "Brantwick Software", "Corvane");
  return S.value(QString("Settings/Editor/") + Name);
}
bool StoreIsEmpty() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brantwick Software", "Corvane")
      .allKeys()
      .isEmpty();
}

// The foreground colour the editor draws the character at Pos in.
QColor DrawnColour(TLEdit& Editor, long Pos) {
  QsciScintilla* S = Editor.Scintilla();
  const long Style = S->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, Pos);
  const long BGR = S->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, Style);
  return ColorOf(static_cast<std::uint32_t>(BGR));
}

}  // namespace

class OptionsFormTest : public QObject {
  Q_OBJECT

  QTemporaryDir Store;
  std::unique_ptr<TEditorSettings> Settings;
  std::unique_ptr<TLEdit> Source;  // the source editor the dialog reconfigures
  std::unique_ptr<TOptionsForm> Form;
  QStringList Errors;

  // Loads the stored settings into the source editor, then shows a dialog.
  void Open() {
    Settings = std::make_unique<TEditorSettings>();
    Source = std::make_unique<TLEdit>();
    Settings->ApplyBuiltIn(*Source);
    Settings->LoadRegistryValues(Source.get());
    Form = std::make_unique<TOptionsForm>(*Settings, Source.get());
    Form->show();
  }

 private slots:
  void initTestCase() {
    for (auto Format : {QSettings::NativeFormat, QSettings::IniFormat})
      for (auto Scope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(Format, Scope, Store.path());
    TOptionsDialogs::OnError = [this](const QString& Msg) { Errors << Msg; };
  }
  void cleanup() {
    Form.reset();
    Source.reset();
    Errors.clear();
    TOptionsDialogs::OnFont = nullptr;
    TOptionsDialogs::OnColor = nullptr;
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brantwick Software", "Corvane")
        .clear();
  }

  void asDesigned() {
    Open();
    QCOMPARE(Form->windowTitle(), QString("Preferences"));
    QCOMPARE(Form->size(), QSize(473, 301));
    QCOMPARE(Form->pcPreferences->currentWidget(), Form->tsEditor);
    const QStringList Tabs = {"Editor", "Colors", "Preview", "LiveWire"};
    for (int I = 0; I < Tabs.size(); ++I) {
      QCOMPARE(Form->pcPreferences->tabText(I), Tabs[I]);
      QCOMPARE(Form->pcPreferences->isTabVisible(I), I < 2);
    }
    QVERIFY(Form->cbTabChar->isHidden() && Form->cbKeystrokes->isHidden());
    QCOMPARE(Form->cbKeystrokes->count(), 4);
    QCOMPARE(Form->lblUndo->buddy(), Form->edUndo);
    QCOMPARE(Form->lblTabStopSize->buddy(), Form->edTabStopSize);
    QCOMPARE(Form->lblVerticalSpacing->buddy(), Form->cbVerticalSpacing);
    QCOMPARE(Form->findChildren<TColorButton*>().size(), 9);
    QVERIFY(Form->lePreview->ReadOnly() && Form->lePreview->Highlight());
    QCOMPARE(Form->lePreview->Syntax(), QString(PreviewSyntax));
    QCOMPARE(Form->lePreview->Text(),
             QString("\t// Employee object constructor\r\n\tfunction employee(First, Last) {\r\n"
                     "\t\tthis.First = First\r\n\t\tthis.Last = Last\r\n\t}\r\n"));
    QCOMPARE(Form->lePreview->FontColor(), QColor(128, 0, 0));  // Comments
  }

  void emptyStore() {
    Open();
    QVERIFY(Form->lbFont->text().isEmpty() && Form->lbSize->text().isEmpty());
    for (QCheckBox* Box : {Form->cbAutoIndent, Form->cbInsertMode, Form->cbDefaultSelection,
                           Form->cbSyntaxHighlight})
      QVERIFY(!Box->isChecked());
    QVERIFY(Form->cbTabChar->isChecked());
    QCOMPARE(Form->edTabStopSize->text(), QString("3"));
    QCOMPARE(Form->edUndo->text(), QString("900"));
    QCOMPARE(Form->cbVerticalSpacing->currentIndex(), 0);
    QCOMPARE(Form->cbBlockBack->Color(), QColor(255, 255, 0));  // the scheme's own colours
    QCOMPARE(Form->cbHTMLTags->Color(), QColor(0, 0, 128));
    Form->btnOK->click();
    QCOMPARE(Form->result(), int(QDialog::Accepted));
    QCOMPARE(Stored("Font").toString(), QString());
    QCOMPARE(Stored("TabChar").toInt(), 1);                // the hidden box is always checked
    QVERIFY(Source->AutoIndent() && Source->Highlight());  // no font: nothing applied
  }

  void storedValuesAreShownAndWrittenBack() {
    const std::pair<const char*, int> Values[] = {
        {"AutoIndent", 0},      {"InsertMode", 1},      {"DefaultSelection", 2},
        {"SyntaxHighlight", 1}, {"TabChar", 0},         {"TabStopSize", 5},
        {"UndoLimit", -1},      {"VerticalSpacing", 2}, {"KeywordsColor", 0x0000FF}};
    for (const auto& [Name, Value] : Values)
      Set(Name, Value);
    Set("Font", "Mono");
    Set("FontSize", "11");
    Open();
    QCOMPARE(Form->lbFont->text(), QString("Mono"));
    QCOMPARE(Form->lbSize->text(), QString("11"));
    QVERIFY(!Form->cbAutoIndent->isChecked() && Form->cbInsertMode->isChecked());
    QVERIFY(!Form->cbDefaultSelection->isChecked() && Form->cbSyntaxHighlight->isChecked());
    QCOMPARE(Form->edUndo->text(), QString("-1"));
    QCOMPARE(Form->cbVerticalSpacing->currentIndex(), 2);
    QCOMPARE(Form->cbKeywords->Color(), QColor(255, 0, 0));

    TOptionsDialogs::OnFont = [](const QFont&) { return std::nullopt; };
    Form->btnFont->click();  // cancelled: nothing changes
    QCOMPARE(Form->lbFont->text(), QString("Mono"));
    QFont Initial;
    TOptionsDialogs::OnFont = [&Initial](const QFont& Shown) {
      Initial = Shown;
      return std::optional<QFont>(QFont("DejaVu Sans Mono", 12));
    };
    Form->btnFont->click();
    QCOMPARE(Initial.pointSize(), 11);  // the dialog starts at the current choice
    QCOMPARE(Form->lbSize->text(), QString("12"));
    QCOMPARE(Stored("Font").toString(), QString("Mono"));  // not before OK
    Form->cbVerticalSpacing->setCurrentIndex(3);
    Form->btnOK->click();

    const std::pair<const char*, QVariant> Expected[] = {{"Font", "DejaVu Sans Mono"},
                                                         {"FontSize", "12"},
                                                         {"AutoIndent", 0},
                                                         {"InsertMode", 1},
                                                         {"DefaultSelection", 0},
                                                         {"SyntaxHighlight", 1},
                                                         {"TabChar", 1},
                                                         {"TabStopSize", 5},
                                                         {"UndoLimit", -1},
                                                         {"VerticalSpacing", 3},
                                                         {"KeywordsColor", 0x0000FF},
                                                         {"BlockBackColor", 0x00FFFF}};
    for (const auto& [Name, Value] : Expected)
      QCOMPARE(Stored(Name).toString(), Value.toString());
    QCOMPARE(Source->Font().family(), QString("DejaVu Sans Mono"));  // reconfigured
    QCOMPARE(Source->Font().pointSize(), 12);
    QCOMPARE(Source->ExtraVertSpacing(), slLarge);
    QVERIFY(!Source->AutoIndent() && Source->InsertMode());
  }

  void pickedColoursStayAfterCancel() {
    Open();
    Source->SetText("while (x)");
    Source->Rehighlight();
    QCOMPARE(DrawnColour(*Source, 0), QColor(0, 0, 0));
    const QColor Green(0, 128, 0);
    TOptionsDialogs::OnColor = [](const QColor& Initial) {
      return Initial == QColor(0, 0, 0) ? std::optional<QColor>(QColor(0, 128, 0)) : std::nullopt;
    };
    Form->cbKeywords->OnClick();
    QCOMPARE(Form->cbKeywords->Color(), Green);
    QCOMPARE(Settings->Scheme.Keywords, BGROf(Green));
    QCOMPARE(DrawnColour(*Source, 0), Green);  // the source editor's tokens follow at once
    Form->cbBackground->OnClick();             // the colour dialog cancelled
    QCOMPARE(Settings->Scheme.Background, 0xFFFFFFu);
    TOptionsDialogs::OnColor = [](const QColor&) { return QColor(0, 0, 255); };
    Form->cbBlockBack->OnClick();
    QCOMPARE(Form->lePreview->BackColorSelected(), QColor(0, 0, 255));
    QVERIFY(Source->BackColorSelected() != QColor(0, 0, 255));  // until the next load
    Form->btnCancel->click();
    QCOMPARE(Form->result(), int(QDialog::Rejected));
    QVERIFY(StoreIsEmpty());
    QCOMPARE(Settings->Scheme.Keywords, BGROf(Green));
    QCOMPARE(DrawnColour(*Source, 0), Green);
  }

  void previewColours_data() {
    QTest::addColumn<int>("WordType");
    QTest::addColumn<QString>("Word");
    QTest::addColumn<QColor>("Preview");
    QTest::addColumn<QColor>("SourceEditor");
    const QColor Normal(1, 1, 1), Numbers(2, 2, 2), Keywords(3, 3, 3), Strings(4, 4, 4);
    QTest::newRow("keyword") << kWordTypeWord << "This" << Keywords << Keywords;
    QTest::newRow("word") << kWordTypeWord << "First" << Normal << Normal;
    QTest::newRow("operator") << kWordTypeOperator << "=" << Normal << Normal;
    QTest::newRow("string") << kWordTypeString2 << "'a'" << Strings << Strings;
    QTest::newRow("other") << 0x4001 << "7" << Numbers << Normal;
  }
  void previewColours() {
    QFETCH(int, WordType);
    QFETCH(QString, Word);
    QFETCH(QColor, Preview);
    QFETCH(QColor, SourceEditor);
    Open();
    Settings->Scheme.Normal = 0x010101;
    Settings->Scheme.Numbers = 0x020202;
    Settings->Scheme.Keywords = 0x030303;
    Settings->Scheme.Strings = 0x040404;
    QColor Fore, Back;
    Form->lePreview->OnControlHighlight(Form->lePreview, WordType, 0, Word, Fore, Back);
    QCOMPARE(Fore, Preview);
    Source->OnControlHighlight(Source.get(), WordType, 0, Word, Fore, Back);
    QCOMPARE(Fore, SourceEditor);
  }

  void badNumbersStoreNothing_data() {
    QTest::addColumn<QString>("TabStop");
    QTest::addColumn<QString>("Undo");
    QTest::addColumn<QString>("Field");
    QTest::newRow("tab stop") << "3a"
                              << "900"
                              << "edTabStopSize";
    QTest::newRow("undo") << "4"
                          << ""
                          << "edUndo";
    QTest::newRow("both") << "x"
                          << "y"
                          << "edTabStopSize";
    QTest::newRow("too big") << "4"
                             << "99999999999"
                             << "edUndo";
  }
  void badNumbersStoreNothing() {
    QFETCH(QString, TabStop);
    QFETCH(QString, Undo);
    QFETCH(QString, Field);
    Open();
    Form->cbAutoIndent->setChecked(true);
    Form->edTabStopSize->setText(TabStop);
    Form->edUndo->setText(Undo);
    Form->btnOK->click();
    auto* Bad = Form->findChild<QLineEdit*>(Field);
    QCOMPARE(Errors, QStringList{QString("'%1' is not a valid integer value").arg(Bad->text())});
    QVERIFY(Form->isVisible());
    QCOMPARE(Form->focusWidget(), Bad);
    QVERIFY(StoreIsEmpty());
    QVERIFY(Source->InsertMode());  // not reconfigured
    Form->edTabStopSize->setText(" 7 ");  // blanks around a number are fine
    Form->edUndo->setText("-7");
    Form->btnOK->click();
    QVERIFY(!Form->isVisible());
    QCOMPARE(Stored("TabStopSize").toInt(), 7);
    QCOMPARE(Stored("UndoLimit").toInt(), -7);
    QCOMPARE(Stored("AutoIndent").toInt(), 1);
  }

  void f1AsksForTheGroupsHelp() {
    Open();
    QList<int> Asked;
    Form->OnHelp = [&Asked](int Context) { Asked << Context; };
    const std::pair<QWidget*, int> Controls[] = {{Form->btnFont, 170},
                                                 {Form->cbAutoIndent, 175},
                                                 {Form->edUndo, 175},
                                                 {Form->cbVerticalSpacing, 175},
                                                 {Form->btnOK, 0}};
    for (const auto& [Control, Context] : Controls) {
      Asked.clear();
      Control->setFocus();
      QTest::keyClick(Control, Qt::Key_F1);
      QCOMPARE(Asked, Context ? QList<int>{Context} : QList<int>{});
    }
    Form->pcPreferences->setCurrentWidget(Form->tsColors);
    const QList<QWidget*> ColourControls = {Form->cbNumbers, Form->cbBlockFore,
                                            Form->lePreview->Scintilla()};
    for (QWidget* Control : ColourControls) {
      Asked.clear();
      Control->setFocus();
      QTest::keyClick(Control, Qt::Key_F1);
      QCOMPARE(Asked, QList<int>{180});
    }
  }
};

QTEST_MAIN(OptionsFormTest)
#include "optionsform_test.moc"
