// The constructor's syntax check in the Source View: the error's line is
// marked a moment after the text changes, and the text is saved as typed.
#include <QtTest>

#include <Qsci/qsciscintilla.h>

#include "app/corvane/constructorcheck.h"
#include "windowtest.h"

namespace {

const std::string Broken =
    "<JSB>\r\n   <JSB_DESCRIPTOR NAME=\"demo.Clock\" ENV=\"client\">\r\n\r\n"
    "   <JSB_CONSTRUCTOR>\r\nfunction demo_Clock( params ) {\r\n  var a = {;\r\n}\r\n\r\n"
    "   </JSB_CONSTRUCTOR>\r\n\r\n</JSB>";

QString MarginTip(const TLEdit& Editor, int Line) {
  QsciScintilla* S = Editor.Scintilla();
  const long Pos = S->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                                    static_cast<unsigned long>(Line - 1));
  const long Y = S->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, Pos);
  return Editor.ToolTipAt(QPoint(2, static_cast<int>(Y) + 2));
}

}  // namespace

class ConstructorCheckTest : public QObject {
  Q_OBJECT

  TTestStore Store;
  QTemporaryDir Files;

 private slots:
  void marksTheErrorsLineAndSavesTheTextAsTyped() {
    const QString Path = Files.path() + "/broken.jsb";
    WriteBytes(Path, Broken);
    const std::unique_ptr<TMainForm> Form = SourceViewForm();
    Form->LoadFile(Path);
    TLEdit& Editor = *Form->LEdit1;
    QTRY_COMPARE_WITH_TIMEOUT(Editor.ErrorMarkLine(), 2, 20000);
    QVERIFY(MarginTip(Editor, 2).startsWith("Syntax error on line 2: "));
    QCOMPARE(MarginTip(Editor, 1), QString("The JavaScript has a syntax error on line 2."));
    QVERIFY(!Editor.IsModified());
    QVERIFY(Form->FileSave());
    QCOMPARE(ReadBytes(Path), Broken);
    Editor.StartLine = Editor.EndLine = 2;
    Editor.StartPos = 10;
    Editor.EndPos = 12;
    Editor.SetSelection();
    Editor.ReplaceSel("{};");
    QTRY_COMPARE_WITH_TIMEOUT(Editor.ErrorMarkLine(), 0, 20000);
    QTRY_COMPARE(MarginTip(Editor, 1), QString("The JavaScript has no syntax error."));
  }

  // A result for a text that has changed meanwhile is never shown.
  void showsOnlyTheCurrentTextsResult() {
    TLEdit Editor;
    TConstructorCheck Check(Editor, std::chrono::milliseconds(0));
    QSignalSpy Shown(&Check, &TConstructorCheck::Shown);
    Editor.SetText("a b;");
    QTest::qWait(1);
    Editor.SetText("a;\r\nb;\r\nc d;");
    QVERIFY(Shown.wait(20000));
    QCOMPARE(Editor.ErrorMarkLine(), 3);
    QVERIFY(!Shown.wait(300));
    QCOMPARE(Editor.ErrorMarkLine(), 3);
  }
};

QTEST_MAIN(ConstructorCheckTest)
#include "constructorcheck_test.moc"
