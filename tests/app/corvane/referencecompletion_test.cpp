// Completion in the Source View's editor, from the reference outline.
#include <Qsci/qsciscintilla.h>
#include <QtTest>
#include <tuple>

#include "app/corvane/referencecompletion.h"
#include "editor/editorsettings.h"
#include "windowtest.h"

using Sci = QsciScintillaBase;

class ReferenceCompletionTest : public QObject {
  Q_OBJECT

  TTestStore Store;
  const TReferenceCompletion Outline{ParseReferenceOutline(ReferenceOutline())};

 private slots:
  // Counted in the outline by hand; "!" marks a word that must be missing,
  // and no object asks for the words standing alone.
  void theOutlinesWords() {
    const std::tuple<const char*, int, QStringList> Rows[] = {
        {"document", 41, {"aLinkColor", "applets", "write()", "onDblClick", "!applets array"}},
        {"window", 68, {"frames", "alert()", "onUnload", "!Properties", "!history array"}},
        {"frames", 1, {"length"}},  // the same array under two parents
        {"", -1, {"window", "document", "Math", "DbPool", "var", "!Client", "!back()"}},
    };
    for (const auto& [Object, Count, Checks] : Rows) {
      const QStringList Words = Outline.Words(Object);
      if (Count >= 0) QCOMPARE(Words.size(), Count);
      for (const QString& Check : Checks)
        QVERIFY2(Words.contains(QString(Check).remove('!')) != Check.startsWith('!'),
                 qPrintable(Object + (" " + Check)));
    }
    const TReferenceCompletion Merged(ParseReferenceOutline(
        "- a [4]\n  - Methods [6]: y()\n- c [4]\n  - Properties [5]\n    - a array [5]\n"
        "      - Properties [5]: length\n"));
    QCOMPARE(Merged.Words("A"), (QStringList{"length", "y()"}));
  }

  // "|" is the caret, "^" Ctrl+Space; Enter chooses the word picked.
  void theEditorCompletes() {
    const std::tuple<QString, QString, int, const char*, QString> Rows[] = {
        {"|", "document.", 41, "writel", "document.writeln()"},
        {"x = Document.WR|", "^", 2, "writel", "x = Document.writeln()"},
        {"|tail", "wind^", 1, "window", "windowtail"},
        {"|", "other.", 0, nullptr, "other.\r\n"},
        {"|", "3.^", 0, nullptr, "3.\r\n"},
        {"  |", "document.z", 0, nullptr, "  document.z\r\n  "},  // no word left
        {"s = 'at |", "document.", 0, nullptr, "s = 'at document.\r\n"},
        {"/* a\r\n|", "document.", 0, nullptr, "/* a\r\ndocument.\r\n"},
        {"x = 'a'; // |", "wind^", 0, nullptr, "x = 'a'; // wind\r\n"},
    };
    for (const auto& [Start, Keys, Shown, Pick, Result] : Rows) {
      TLEdit Edit;
      QsciScintilla& Editor = *Edit.Scintilla();
      Edit.SetSyntax(JavaScriptSyntax);
      Edit.OnCompletions = [this](const QString& Object) { return Outline.Words(Object); };
      Edit.SetText(QString(Start).remove('|'));
      Editor.SendScintilla(Sci::SCI_GOTOPOS, static_cast<unsigned long>(Start.indexOf('|')));
      for (const QChar Key : Keys)
        Key == '^' ? QTest::keyClick(&Editor, Qt::Key_Space, Qt::ControlModifier)
                   : QTest::keyClicks(&Editor, Key);
      const bool Open = Editor.SendScintilla(Sci::SCI_AUTOCACTIVE);
      if (Open) Editor.SendScintilla(Sci::SCI_LINEEND);  // in the list: to its last word
      QCOMPARE(Open ? Editor.SendScintilla(Sci::SCI_AUTOCGETCURRENT) + 1 : 0L, long(Shown));
      if (Pick) Editor.SendScintilla(Sci::SCI_AUTOCSELECT, 0UL, Pick);
      QTest::keyClick(&Editor, Qt::Key_Return);
      QCOMPARE(Edit.Text(), Result);
    }
    TMainForm Form;
    QVERIFY(Form.LEdit1->OnCompletions);
    QCOMPARE(Form.LEdit1->OnCompletions("document"), Outline.Words("document"));
  }
};

QTEST_MAIN(ReferenceCompletionTest)
#include "referencecompletion_test.moc"
