// Editor settings from a store in a temporary folder, applied to an editor.
#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "editor/editorsettings.h"
#include "editor/ledit.h"
#include "editor/settingsstore.h"

class EditorSettingsTest : public QObject {
  Q_OBJECT

  QTemporaryDir Store;

  void Set(const char* Name, int Value) {
    WriteSetting(srCurrentUser, EditorSettingsKey, Name, Value);
  }
  void Set(const char* Name, const char* Value) {
    WriteSetting(srCurrentUser, EditorSettingsKey, Name, Value);
  }

 private slots:
  void initTestCase() {
    for (auto Format : {QSettings::NativeFormat, QSettings::IniFormat})
      for (auto Scope : {QSettings::UserScope, QSettings::SystemScope})
        QSettings::setPath(Format, Scope, Store.path());
  }
  void cleanup() {
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brantwick Software", "Corvane")
        .clear();
  }

  void emptyStoreKeepsTheBuiltInState() {
    TLEdit Editor;
    TEditorSettings Settings;
    Settings.ApplyBuiltIn(Editor);
    const QFont Before = Editor.Font();
    Settings.LoadRegistryValues(&Editor);
    QCOMPARE(Editor.Font(), Before);
    QVERIFY(Editor.AutoIndent() && Editor.InsertMode() && Editor.DefaultSelection());
    QCOMPARE(int(Editor.TabStopSize()), 3);
    QCOMPARE(int(Editor.UndoDepth()), 909);
    QCOMPARE(Editor.ExtraVertSpacing(), slMedium);
    QCOMPARE(Editor.Syntax(), QString(JavaScriptSyntax));
    QCOMPARE(Editor.FontColor(), QColor(128, 0, 0));  // maroon comments
    QCOMPARE(Settings.Scheme.BlockBack, 0x00FFFFu);
  }

  void fontAloneTurnsTheSwitchesOff() {
    Set("Font", "DejaVu Sans Mono");
    TLEdit Editor;
    TEditorSettings Settings;
    Settings.ApplyBuiltIn(Editor);
    Settings.LoadRegistryValues(&Editor);
    QVERIFY(!Editor.AutoIndent() && !Editor.InsertMode() && !Editor.DefaultSelection());
    QVERIFY(!Editor.Highlight());
    QCOMPARE(int(Editor.TabStopSize()), 3);
    QCOMPARE(int(Editor.UndoDepth()), 900);
    QCOMPARE(Editor.ExtraVertSpacing(), slNone);
    QCOMPARE(Editor.Color(), QColor(255, 255, 255));
    QCOMPARE(Editor.ForeColorSelected(), QColor(0, 0, 255));
    QCOMPARE(Editor.BackColorSelected(), QColor(255, 255, 0));
    QCOMPARE(Editor.Font().family(), QString("DejaVu Sans Mono"));
  }

  void oddValues() {
    Set("Font", "Mono");
    Set("TabStopSize", 0);
    Set("AutoIndent", 2);
    Set("VerticalSpacing", 2);
    Set("FontSize", "big");
    TLEdit Editor;
    TEditorSettings Settings;
    const int Size = Editor.Font().pointSize();
    Settings.LoadRegistryValues(&Editor);
    QCOMPARE(int(Editor.TabStopSize()), 1);
    QVERIFY(!Editor.AutoIndent());
    QCOMPARE(Editor.ExtraVertSpacing(), slMedium);
    QCOMPARE(Editor.Font().pointSize(), Size);  // not a number: the size stays
    Set("VerticalSpacing", 7);
    Set("FontSize", "14");
    Settings.LoadRegistryValues(&Editor);
    QCOMPARE(Editor.ExtraVertSpacing(), slMedium);  // out of range: unchanged
    QCOMPARE(Editor.Font().pointSize(), 14);
    // A number beyond what the editor holds is read as the nearest it holds.
    Set("TabStopSize", 260);
    Set("UndoLimit", 99999);
    Settings.LoadRegistryValues(&Editor);
    QCOMPARE(int(Editor.TabStopSize()), 255);
    QCOMPARE(Settings.ReadOptions().UndoLimit, 32767);
  }

  void coloursComeFromTheStoreAndColourTokens() {
    Set("Font", "Mono");
    Set("KeywordsColor", 0x0000FF);
    Set("StringsColor", 0x00FF00);
    TEditorSettings Settings;
    Settings.LoadRegistryValues(nullptr);  // no editor: the scheme is still read
    QColor Fore, Back;
    Settings.JavaScriptHighlight(kWordTypeWord, "While", Fore, Back);
    QCOMPARE(Fore, QColor(255, 0, 0));
    Settings.JavaScriptHighlight(kWordTypeWord, "whilst", Fore, Back);
    QCOMPARE(Fore, QColor(0, 0, 0));
    QCOMPARE(Back, QColor(255, 255, 255));
    Settings.JavaScriptHighlight(kWordTypeString2, "'a'", Fore, Back);
    QCOMPARE(Fore, QColor(0, 255, 0));
    Settings.JavaScriptHighlight(kWordTypeOperator, "+", Fore, Back);
    QCOMPARE(Fore, QColor(0, 0, 0));
    QVERIFY(IsJavaScriptKeyword("instanceof") && !IsJavaScriptKeyword("instanceOF2"));
  }

  void htmlColouring() {
    Set("Font", "Mono");
    Set("HighlightFocus", 1);
    TLEdit Editor;
    TEditorSettings Settings;
    Settings.LoadRegistryValues(&Editor);
    QCOMPARE(Editor.Syntax(), QString(HTMLSyntax));
    QCOMPARE(Editor.FontColor(), QColor(0, 0, 0));  // text between tags: Normal
    QColor Fore(1, 2, 3), Back(4, 5, 6);
    Editor.OnControlHighlight(&Editor, kWordTypeWord, 0, "p", Fore, Back);
    QCOMPARE(Fore, QColor(0, 0, 128));  // navy tags
  }

  // The colours the editor draws a keyword in follow the palette until the
  // user stores some; a stored colour stays whatever the palette.
  void tokenColoursFollowThePaletteUntilStored() {
    const QPalette Light = QApplication::palette();
    QPalette Dark = Light;
    Dark.setColor(QPalette::Base, QColor(0x3d, 0x3d, 0x3d));
    Dark.setColor(QPalette::Text, Qt::white);
    for (const bool Stored : {false, true}) {
      if (Stored) {
        Set("Font", "Mono");
        Set("SyntaxHighlight", 1);
        Set("KeywordsColor", 0x0000FF);
        Set("BackgroundColor", 0xFFFFFF);
      }
      TLEdit Editor;
      TEditorSettings Settings;
      Settings.ApplyBuiltIn(Editor);
      Settings.LoadRegistryValues(&Editor);
      Editor.SetText("while");
      QApplication::setPalette(Dark);
      QCoreApplication::processEvents();  // the widgets hear of it from the event queue
      QsciScintilla* S = Editor.Scintilla();
      const long Style = S->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 0L);
      const QColor Fore = ColorOf(S->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, Style));
      const QColor Back = ColorOf(S->SendScintilla(QsciScintillaBase::SCI_STYLEGETBACK, Style));
      const QColor Background = Editor.Color();
      QApplication::setPalette(Light);
      QCoreApplication::processEvents();
      QCOMPARE(Back, Stored ? QColor(Qt::white) : Dark.color(QPalette::Base));
      QCOMPARE(Background, Back);
      if (Stored)
        QCOMPARE(Fore, QColor(Qt::red));
      else
        QVERIFY(ContrastRatio(Fore, Back) >= ReadableContrast);
    }
  }

  void tabSubstitute() {
    TEditorSettings Settings;
    QVERIFY(!Settings.UseTabCharacter());
    QCOMPARE(Settings.TabSubstitute(), QString("   "));
    Set("TabStopSize", 2147483647);  // not a text of 2 GB
    QCOMPARE(Settings.TabSubstitute(), QString(255, ' '));
    Set("TabStopSize", 0);
    QCOMPARE(Settings.TabSubstitute(), QString());
    Set("TabChar", 1);
    QCOMPARE(Settings.TabSubstitute(), QString());  // the flag is read by UseTabCharacter only
    QVERIFY(Settings.UseTabCharacter());
    QCOMPARE(Settings.TabSubstitute(), QString("\t"));
  }
};

QTEST_MAIN(EditorSettingsTest)
#include "editorsettings_test.moc"
