// The Source View's editing commands: paste with tab substitution, find,
// brace matching and the bookmark.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QToolButton>
#include <QtTest>

#include <Qsci/qsciscintilla.h>

#include "app/corvane/mainform.h"
#include "editor/ledit.h"
#include "editor/settingsstore.h"
#include "widgets/extpagecontrol.h"
#include "windowtest.h"

namespace {

// Answers the editor's Find dialog with a fixed text.
class TFindAnswer : public TLEditDialogs {
 public:
  QString Answer;
  bool AskFind(QWidget*, std::optional<QPoint>, TFindOptions& Options) override {
    Options.Text = Answer;
    return true;
  }
  bool AskReplace(QWidget*, std::optional<QPoint>, TReplaceOptions&) override { return false; }
  bool AskLine(QWidget*, std::optional<QPoint>, int, int&) override { return false; }
  void Notify(QWidget*, std::optional<QPoint>, const QString&) override {}
};

}  // namespace

class EditCommandsTest : public QObject {
  Q_OBJECT

  TTestStore Store;
  std::unique_ptr<TMainForm> Form;

  TLEdit& Editor() { return *Form->LEdit1; }
  void Caret(int Line, int Pos) {
    Editor().StartLine = Editor().EndLine = Line;
    Editor().StartPos = Editor().EndPos = Pos;
    Editor().SetSelection();
  }

 private slots:
  void init() { Form = SourceViewForm(); }
  void cleanup() {
    Form.reset();
    ClearUserSettings();
  }

  void menuPasteReplacesEveryTab() {
    WriteSetting(srCurrentUser, EditorSettingsKey, "TabStopSize", 4);
    Editor().SetText("\ta\r\n");
    Caret(2, 0);
    QApplication::clipboard()->setText("\tb");
    Peek(*Form).Action("Paste2")->trigger();
    QCOMPARE(Editor().Text(), QString("    a\r\n    b"));
  }

  // The tabs are replaced in place as one undo step: the caret stays with its
  // text, and the scroll position and the bookmark stay where they were.
  void menuPasteKeepsCaretScrollAndBookmark() {
    WriteSetting(srCurrentUser, EditorSettingsKey, "TabStopSize", 2);
    QString Text;
    for (int I = 1; I <= 300; ++I)
      Text += QString("\tline%1\r\n").arg(I);
    Editor().SetText(Text);
    QsciScintilla* S = Editor().Scintilla();
    S->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE, 140UL);
    Caret(150, 3);
    Editor().SetBookmark();
    const long Top = S->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    QApplication::clipboard()->setText("\tz");
    Peek(*Form).Action("Paste2")->trigger();
    QString Pasted = Text;
    Pasted.insert(Text.indexOf("\tline150") + 3, "\tz");
    QCOMPARE(Editor().Text(), QString(Pasted).replace("\t", "  "));
    Editor().GetSelection();
    QCOMPARE(Editor().StartLine, 150);
    QCOMPARE(Editor().StartPos, 7);  // after "  li  z"
    QCOMPARE(Editor().EndPos, 7);
    QCOMPARE(S->SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE), Top);
    QCOMPARE(Editor().BookmarkLine(), 150);
    Editor().Undo();
    QCOMPARE(Editor().Text(), Pasted);
  }

  // The menus' shortcuts reach their commands even though the editor, which
  // has the focus, would take the keys for itself.
  void menuShortcutsWinOverTheEditor() {
    WriteSetting(srCurrentUser, EditorSettingsKey, "TabStopSize", 2);
    Form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form.get()));
    Editor().Scintilla()->setFocus();
    Editor().SetText("\ta");
    Caret(1, 2);
    QApplication::clipboard()->setText("\tb");
    QTest::keyClick(Editor().Scintilla(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Editor().Text(), QString("  a  b"));
    Caret(1, 6);
    QTest::keyClick(Editor().Scintilla(), Qt::Key_X);  // other keys still type
    QCOMPARE(Editor().Text(), QString("  a  bx"));
  }

  void toolbarPasteKeepsTabs() {
    Editor().SetText("\ta\r\n");
    Caret(2, 0);
    QApplication::clipboard()->setText("\tb");
    Peek(*Form).Button("SpeedButton8")->click();
    QCOMPARE(Editor().Text(), QString("\ta\r\n\tb"));
  }

  void tabsAreKeptWhenAskedFor() {
    WriteSetting(srCurrentUser, EditorSettingsKey, "TabChar", 1);
    Editor().SetText("\ta");
    Caret(1, 2);
    QApplication::clipboard()->setText("\tb");
    Form->EditPaste();
    QCOMPARE(Editor().Text(), QString("\ta\tb"));
  }

  void bracketsPairByWhatTheyAre() {
    int Type = kWordTypeOperator, Value = 8 << 16, Brace = -1;
    QString Word = "(";
    TMainForm::LEdit1FindBrace(Editor(), Type, Value, Word, Brace);
    QCOMPARE(Brace, kBraceOpening);
    QCOMPARE(Value >> 16, 9);  // ")" is the ninth operator of the JavaScript syntax
    QCOMPARE(Type, 0);
    QVERIFY(Word.isEmpty());
    Type = kWordTypeOperator, Word = "}";
    TMainForm::LEdit1FindBrace(Editor(), Type, Value, Word, Brace);
    QCOMPARE(Brace, kBraceClosing);
    QCOMPARE(Value >> 16, 13);
    for (const QString& Other : {QString("+"), QString("=")}) {
      Type = kWordTypeOperator, Word = Other;
      TMainForm::LEdit1FindBrace(Editor(), Type, Value, Word, Brace);
      QCOMPARE(Brace, kBraceNone);
    }
    Type = kWordTypeWord, Word = "(";
    TMainForm::LEdit1FindBrace(Editor(), Type, Value, Word, Brace);
    QCOMPARE(Brace, kBraceNone);
    // In the editor: from each bracket to its partner.
    Editor().SetText("f(a[1], {b: (2)});");
    for (const auto& [From, To] : {std::pair{1, 16}, {3, 5}, {8, 15}, {12, 14}}) {
      Caret(1, From);
      Peek(*Form).Action("FindMatchingBrace1")->trigger();
      Editor().GetSelection();
      QCOMPARE(Editor().StartPos, To);
    }
  }

  void oneBookmark() {
    Editor().SetText("one\r\ntwo\r\nthree");
    Caret(1, 0);
    Peek(*Form).Action("SetBookmark1")->trigger();
    Caret(3, 0);
    Peek(*Form).Action("SetBookmark1")->trigger();
    QCOMPARE(Editor().BookmarkLine(), 3);
    Caret(1, 0);
    Peek(*Form).Action("FindBookmark1")->trigger();
    Editor().GetSelection();
    QCOMPARE(Editor().StartLine, 3);
  }

  void findOpensEmptyAndSearches() {
    auto* Dialogs = new TFindAnswer;
    Dialogs->Answer = "needle";
    Editor().SetDialogs(std::unique_ptr<TLEditDialogs>(Dialogs));
    Editor().SetText("hay needle hay needle");
    Caret(1, 0);
    Editor().SetSearchText("stale");
    Peek(*Form).Action("Find1")->trigger();
    QCOMPARE(Editor().GetSelText(), QString("needle"));
    Editor().GetSelection();
    QCOMPARE(Editor().StartPos, 4);
    Peek(*Form).Action("FindNext1")->trigger();  // the text found stays the one searched for
    Editor().GetSelection();
    QCOMPARE(Editor().StartPos, 15);
  }
};

QTEST_MAIN(EditCommandsTest)
#include "editcommands_test.moc"
