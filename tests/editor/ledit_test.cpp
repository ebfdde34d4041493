#include <Qsci/qsciscintilla.h>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

#include "editor/ledit.h"

namespace {

const QString kJavaScript =
    QStringLiteral("2\"\\2'\\2//2/*2*/1+1-1/1\\1;1:1=1(1)1[1]1.1{1}2++2--2&&2||1!2!=1<1>2>=2<=");

struct TCall {
  int Type;
  int Value;
  QString Word;
};

// Foreground colour drawn at a byte position, the text styled first as far
// as it is not.
QColor ForeAt(TLEdit& Edit, long Pos) {
  QsciScintilla* S = Edit.Scintilla();
  S->SendScintilla(QsciScintillaBase::SCI_COLOURISE,
                   S->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED), -1L);
  const long Style =
      S->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(Pos));
  const long Bgr =
      S->SendScintilla(QsciScintillaBase::SCI_STYLEGETFORE, static_cast<unsigned long>(Style));
  return QColor(Bgr & 0xFF, (Bgr >> 8) & 0xFF, (Bgr >> 16) & 0xFF);
}

QList<QColor> Colours(TLEdit& Edit) {
  QList<QColor> Result;
  for (long Pos = 0; Pos < Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_GETLENGTH); ++Pos)
    Result.append(ForeAt(Edit, Pos));
  return Result;
}

long BytePos(const TLEdit& Edit, const char* Fragment) {
  return static_cast<long>(Edit.Text().toUtf8().indexOf(Fragment));
}

// The window's brace rule: odd operator numbers open, even ones close.
void OddEvenBraces(TLEdit*, int& Type, int& Value, QString& Word, int& Brace) {
  if (Type != kWordTypeOperator) {
    Brace = kBraceNone;
    return;
  }
  const int N = Value >> 16;
  Brace = N % 2 ? kBraceOpening : kBraceClosing;
  Value = (N % 2 ? N + 1 : N - 1) << 16;
  Type = 0;
  Word.clear();
}

class TDropSink : public QWidget {
 public:
  TDropSink() { setAcceptDrops(true); }
  int Entered = 0;

 protected:
  void dragEnterEvent(QDragEnterEvent* Event) override {
    ++Entered;
    Event->acceptProposedAction();
  }
};

}  // namespace

class TLEditTest : public QObject {
  Q_OBJECT

 private slots:
  void KeepsCrLfLineBreaks() {
    TLEdit Edit;
    Edit.SetText(QStringLiteral("a\nb\rc\r\nd"));
    QCOMPARE(Edit.Text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
    QCOMPARE(Edit.LineCount(), 4);
    Edit.AppendText(QStringLiteral("\nz"));
    QCOMPARE(Edit.Text(), QStringLiteral("a\r\nb\r\nc\r\nd\r\nz"));
    Edit.StartLine = Edit.EndLine = 1;
    Edit.StartPos = Edit.EndPos = 1;
    Edit.SetSelection();
    QTest::keyClick(Edit.Scintilla(), Qt::Key_Return);
    QVERIFY(Edit.Text().startsWith(QStringLiteral("a\r\n\r\nb")));
    TLEdit Empty;
    Empty.AppendText(QStringLiteral("x"));
    QCOMPARE(Empty.Text(), QStringLiteral("x"));
  }

  void SelectsByLineAndCharacterColumn() {
    TLEdit Edit;
    Edit.SetText(QStringLiteral("\u00e4\u00e4abc\nxyz"));
    Edit.StartLine = 1;
    Edit.StartPos = 2;
    Edit.EndLine = 2;
    Edit.EndPos = 1;
    Edit.SetSelection();
    QCOMPARE(Edit.GetSelText(), QStringLiteral("abc\r\nx"));
    Edit.StartLine = Edit.EndLine = 0;
    Edit.GetSelection();
    QCOMPARE(QList<int>({Edit.StartLine, Edit.StartPos, Edit.EndLine, Edit.EndPos}),
             QList<int>({1, 2, 2, 1}));
    Edit.InsertText(QStringLiteral("-"));
    QCOMPARE(Edit.Text(), QStringLiteral("\u00e4\u00e4-yz"));
  }

  void ColoursTokensAsTheHandlerSays() {
    TLEdit Edit;
    Edit.SetSyntax(kJavaScript);
    Edit.SetFontColor(QColor(0x80, 0, 0));
    QList<TCall> Calls;
    Edit.OnControlHighlight = [&](TLEdit* Sender, int Type, int Value, const QString& Word,
                                  QColor& Fore, QColor&) {
      QCOMPARE(Sender, &Edit);
      Calls.append({Type, Value, Word});
      Fore = Word == QStringLiteral("var") ? Qt::blue
             : Type == kWordTypeWord       ? Qt::black
                                           : Qt::gray;
    };
    Edit.SetText(QStringLiteral("\u00e4 var x = \"s\" + 'c'; // note\n/* a\nb */ var"));
    QCOMPARE(ForeAt(Edit, BytePos(Edit, "var")), QColor(Qt::blue));
    QCOMPARE(ForeAt(Edit, BytePos(Edit, "x")), QColor(Qt::black));
    QCOMPARE(ForeAt(Edit, BytePos(Edit, "\"s")), QColor(Qt::gray));
    QCOMPARE(ForeAt(Edit, BytePos(Edit, "note")), QColor(0x80, 0, 0));
    QCOMPARE(ForeAt(Edit, BytePos(Edit, "b */")), QColor(0x80, 0, 0));
    QCOMPARE(ForeAt(Edit, static_cast<long>(Edit.Text().toUtf8().lastIndexOf("var"))),
             QColor(Qt::blue));
    auto Find = [&](const QString& Word) {
      for (const TCall& C : Calls)
        if (C.Word == Word) return C;
      return TCall{-1, -1, Word};
    };
    QCOMPARE(Find(QStringLiteral("\"s\"")).Type, kWordTypeString1);
    QCOMPARE(Find(QStringLiteral("'c'")).Type, kWordTypeString2);
    QCOMPARE(Find(QStringLiteral("+")).Type, kWordTypeOperator);
    QCOMPARE(Find(QStringLiteral("+")).Value, 1 << 16);
    QCOMPARE(Find(QStringLiteral(";")).Value, 5 << 16);
    QCOMPARE(Find(QStringLiteral("x")).Type, kWordTypeWord);
    QCOMPARE(Find(QStringLiteral("note")).Type, -1);  // comments are not asked about
  }

  void RestylesWhenABlockCommentOpensOrColoursChange() {
    TLEdit Edit;
    Edit.SetSyntax(kJavaScript);
    QColor Word = Qt::blue;
    Edit.OnControlHighlight = [&](TLEdit*, int, int, const QString&, QColor& Fore, QColor&) {
      Fore = Word;
    };
    Edit.SetText(QStringLiteral("a\nb\nc\nd"));
    QCOMPARE(ForeAt(Edit, BytePos(Edit, "d")), QColor(Qt::blue));
    Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "/*");
    QCOMPARE(ForeAt(Edit, BytePos(Edit, "d")), Edit.FontColor());
    Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, 0UL, 2L);
    QCOMPARE(ForeAt(Edit, BytePos(Edit, "d")), QColor(Qt::blue));
    Word = Qt::green;
    Edit.Rehighlight();
    QCOMPARE(ForeAt(Edit, BytePos(Edit, "d")), QColor(Qt::green));
    Edit.SetHighlight(false);
    QCOMPARE(ForeAt(Edit, BytePos(Edit, "d")), Edit.FontColor());
  }

  // Styling stops within a line of the end asked for, and an open comment's
  // state carries on when the rest is asked for later.
  void StylesOnlyAsFarAsAskedAndCarriesStateOn() {
    TLEdit Edit;
    Edit.SetSyntax(kJavaScript);
    Edit.OnControlHighlight = [](TLEdit*, int, int, const QString&, QColor& Fore, QColor&) {
      Fore = Qt::blue;
    };
    Edit.SetText(QStringLiteral("/* open\n") + QStringLiteral("word\n").repeated(2000));
    QsciScintilla* S = Edit.Scintilla();
    auto LineStart = [&](long Line) {
      return S->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE,
                              static_cast<unsigned long>(Line));
    };
    for (const long Asked : {LineStart(10) + 2, LineStart(500), LineStart(1500) + 1}) {
      S->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, Asked);
      const long Styled = S->SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED);
      const long Line = S->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                         static_cast<unsigned long>(Asked - 1));
      QVERIFY(Styled >= Asked);
      QVERIFY2(Styled <= LineStart(Line + 1), qPrintable(QString::number(Styled)));
    }
    QCOMPARE(ForeAt(Edit, LineStart(2000)), Edit.FontColor());
    S->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, 0UL, 2L);
    QCOMPARE(ForeAt(Edit, LineStart(2000)), QColor(Qt::blue));
  }

  // Tabs become the given text in place: every byte is then coloured as in
  // that text set afresh, listeners hear of the change once, and one undo
  // step brings back the exact text. The long text, with characters of two
  // bytes throughout, is replaced in several pieces, one without a tab.
  void ReplacesACharacterInPlace_data() {
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("With");
    const QString Short = QStringLiteral("var a;\r\n\tb = \"\t\";\r\n/*\tc\r\n\t*/ d\t\r\n\te\r\n");
    const QString Long = Short + QStringLiteral("\t\u00e4 = '\t\u00f6';\r\n").repeated(9000) +
                         QStringLiteral("\u00fc").repeated(70000) + QStringLiteral("\r\n\tz\t");
    QTest::newRow("blanks") << Short << QStringLiteral("   ");
    QTest::newRow("nothing") << Short << QString();
    QTest::newRow("line breaks") << Short << QStringLiteral("\r\n");
    QTest::newRow("long, blanks") << Long << QStringLiteral("  ");
    QTest::newRow("long, nothing") << Long << QString();
  }
  void ReplacesACharacterInPlace() {
    QFETCH(QString, Text);
    QFETCH(QString, With);
    const QString Replaced = QString(Text).replace('\t', With);
    TLEdit Edit, Fresh;
    for (TLEdit* E : {&Edit, &Fresh}) {
      E->SetSyntax(kJavaScript);
      E->OnControlHighlight = [](TLEdit*, int Type, int, const QString&, QColor& Fore, QColor&) {
        Fore = Type == kWordTypeWord ? Qt::blue : Qt::green;
      };
    }
    Edit.SetText(Text);
    Fresh.SetText(Replaced);
    QsciScintilla* S = Edit.Scintilla();
    ForeAt(Edit, 0);  // all styled before the change
    const long Mask = S->SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK);
    QSignalSpy Changed(S, &QsciScintilla::textChanged);
    QSignalSpy LinesChanged(S, &QsciScintilla::linesChanged);
    Edit.ReplaceChar('\t', With);
    QCOMPARE(Edit.Text(), Replaced);
    QCOMPARE(Changed.count(), 1);
    QCOMPARE(LinesChanged.count(), With.contains('\n') ? 1 : 0);
    QCOMPARE(S->SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK), Mask);
    QCOMPARE(Colours(Edit), Colours(Fresh));
    Edit.Undo();
    QCOMPARE(Edit.Text(), Text);
  }

  void MatchesBracesThroughTheHandler() {
    TLEdit Edit;
    Edit.SetSyntax(kJavaScript);
    QList<int> Asked;
    Edit.OnFindBrace = [&](TLEdit* Sender, int& Type, int& Value, QString& Word, int& Brace) {
      Asked.append(Value >> 16);
      OddEvenBraces(Sender, Type, Value, Word, Brace);
    };
    Edit.SetText(QStringLiteral("{ a { '}' } /* } */ b }"));
    auto CaretTo = [&](long Pos) {
      Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS,
                                      static_cast<unsigned long>(Pos));
    };
    auto Caret = [&] {
      return Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    };
    const long Close = Edit.Text().size() - 1;
    CaretTo(0);
    Edit.FindMatchingBrace();
    QCOMPARE(Caret(), Close);
    QCOMPARE(Asked, QList<int>{13});  // "{" is operator 13
    CaretTo(Close + 1);               // just after the closing brace
    Edit.FindMatchingBrace();
    QCOMPARE(Caret(), 0L);
    CaretTo(2);  // on a word: no brace, the caret stays
    Edit.FindMatchingBrace();
    QCOMPARE(Caret(), 2L);
    CaretTo(4);
    Edit.FindMatchingBrace();
    QCOMPARE(Caret(), 10L);  // the inner pair, skipping the string
  }

  void KeepsOneBookmark() {
    TLEdit Edit;
    Edit.SetText(QStringLiteral("1\n2\n3\n4\n5"));
    QCOMPARE(Edit.BookmarkLine(), 0);
    Edit.StartLine = Edit.EndLine = 2;
    Edit.StartPos = Edit.EndPos = 0;
    Edit.SetSelection();
    Edit.SetBookmark();
    Edit.StartLine = Edit.EndLine = 4;
    Edit.SetSelection();
    Edit.SetBookmark();
    QCOMPARE(Edit.BookmarkLine(), 4);
    const long Markers =
        Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_MARKERNEXT, 0UL, -1L);
    QCOMPARE(Markers, 3L);  // the first marked line (from 0) is the fourth
    Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "0\r\n");
    Edit.StartLine = Edit.EndLine = 1;
    Edit.SetSelection();
    Edit.GotoBookmark();
    Edit.GetSelection();
    QCOMPARE(Edit.StartLine, 5);  // the bookmark moved down with its line
    Edit.NewDocument();
    QCOMPARE(Edit.BookmarkLine(), 0);
  }

  // The mark underlines the word at its place, moves with its line and is no
  // edit; its message is the tool tip over it and over its margin.
  void MarksOneWrongPlace() {
    TLEdit Edit;
    Edit.resize(400, 300);
    Edit.show();
    Edit.SetText(QStringLiteral("a();\nb cd;\nc();"));
    Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
    Edit.SetModified(false);
    Edit.SetMarginHint(QStringLiteral("hint"));
    QsciScintilla* S = Edit.Scintilla();
    const auto At = [S](long Pos) {
      return QPoint(
          static_cast<int>(S->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, Pos)) +
              2,
          static_cast<int>(S->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, Pos)) +
              2);
    };
    const long Cd = BytePos(Edit, "cd");
    Edit.SetErrorMark(Cd, QStringLiteral("wrong"));
    QCOMPARE(Edit.ErrorMarkLine(), 2);
    QCOMPARE(Edit.ToolTipAt(At(Cd + 1)), QString("wrong"));
    QCOMPARE(Edit.ToolTipAt(At(Cd + 3)), QString());  // past the word
    QCOMPARE(Edit.ToolTipAt({2, At(Cd).y()}), QString("wrong"));
    QCOMPARE(Edit.ToolTipAt({2, At(0).y()}), QString("hint"));
    QVERIFY(!Edit.IsModified());
    QVERIFY(!S->SendScintilla(QsciScintillaBase::SCI_CANUNDO));
    S->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, 0UL, "0\r\n");
    QCOMPARE(Edit.ErrorMarkLine(), 3);
    QCOMPARE(Edit.ToolTipAt(At(Cd + 4)), QString("wrong"));
    Edit.SetErrorMark(S->SendScintilla(QsciScintillaBase::SCI_GETLENGTH), QStringLiteral("end"));
    QCOMPARE(Edit.ErrorMarkLine(), 4);  // the text's end marks its last character
    QCOMPARE(Edit.ToolTipAt(At(Cd + 4)), QString());
    QCOMPARE(Edit.ToolTipAt(At(S->SendScintilla(QsciScintillaBase::SCI_GETLENGTH) - 1)),
             QString("end"));
    Edit.ClearErrorMark();
    QCOMPARE(Edit.ErrorMarkLine(), 0);
    QCOMPARE(Edit.ToolTipAt({2, At(0).y()}), QString("hint"));
    QVERIFY(!S->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, 9UL,
                              S->SendScintilla(QsciScintillaBase::SCI_GETLENGTH) - 1));
    // no underline left
  }

  void MarginFollowsThePalette() {
    TLEdit Edit;
    QPalette Dark = Edit.palette();
    Dark.setColor(QPalette::Window, QColor(0x30, 0x31, 0x32));
    Edit.setPalette(Dark);
    QCOMPARE(Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_STYLEGETBACK,
                                             QsciScintillaBase::STYLE_LINENUMBER),
             0x323130L);  // blue, green, red
  }

  // While no assistive technology listens, the component's notices after a
  // change are held back and its interface counts nothing (both would count
  // the text's characters up to the change or the caret); either way
  // textChanged comes once a change, typed or undone.
  void ListensForAssistiveTechnologyOnly() {
    int Count[2] = {};
    for (const bool Listening : {false, true}) {
      QAccessible::setActive(Listening);
      TLEdit Edit;
      Edit.show();
      QSignalSpy Changed(Edit.Scintilla(), &QsciScintilla::textChanged);
      QTest::keyClicks(Edit.Scintilla(), "ab");
      QCOMPARE(Changed.count(), 2);
      Edit.Undo();
      QCOMPARE(Edit.Text(), QString());
      Count[Listening] = static_cast<int>(Changed.count());
      const long Mask = Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK);
      QCOMPARE((Mask & QsciScintillaBase::SC_MOD_INSERTTEXT) != 0, Listening);
      QAccessibleInterface* Interface = QAccessible::queryAccessibleInterface(Edit.Scintilla());
      QCOMPARE(Interface->textInterface() != nullptr, Listening);
      if (Listening) continue;
      QAccessible::setActive(true);  // a listener comes: the component's own
      QVERIFY(QAccessible::queryAccessibleInterface(Edit.Scintilla())->textInterface());
      QAccessible::setActive(false);
    }
    QAccessible::setActive(false);
    QCOMPARE(Count[0], Count[1]);  // the undo as well
  }

  void TracksChangesSinceTheLastSave() {
    TLEdit Edit;
    Edit.SetText(QStringLiteral("abc"));
    QVERIFY(Edit.IsModified());
    Edit.SetModified(false);
    QVERIFY(!Edit.IsModified());
    Edit.AppendText(QStringLiteral("d"));
    QVERIFY(Edit.IsModified());
    Edit.Undo();
    QVERIFY(!Edit.IsModified());
    Edit.SetModified(true);
    QVERIFY(Edit.IsModified());
    Edit.SetModified(false);
    QVERIFY(!Edit.IsModified());
    Edit.Clear();
    QVERIFY(Edit.IsModified());
    Edit.NewDocument();
    QVERIFY(!Edit.IsModified());
    QCOMPARE(Edit.Text(), QString());
  }

  void TypingReplacesTheSelectionOnlyWhenAsked() {
    TLEdit Edit;
    Edit.SetText(QStringLiteral("abcd"));
    Edit.StartPos = 1;
    Edit.EndPos = 3;
    Edit.SetSelection();
    QTest::keyClick(Edit.Scintilla(), Qt::Key_X);
    QCOMPARE(Edit.Text(), QStringLiteral("axd"));
    Edit.SetDefaultSelection(false);
    Edit.SetSelection();
    QTest::keyClick(Edit.Scintilla(), Qt::Key_Y);
    QCOMPARE(Edit.Text(), QStringLiteral("axdy"));
  }

  // Both of the usual redo keys take back an undo.
  void RedoesWithEitherKey() {
    for (const QKeyCombination Redo : {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}) {
      TLEdit Edit;
      QTest::keyClick(Edit.Scintilla(), Qt::Key_A);
      QTest::keyClick(Edit.Scintilla(), Qt::Key_Z, Qt::ControlModifier);
      const QString Undone = Edit.Text();
      QTest::keyClick(Edit.Scintilla(), Redo.key(), Redo.keyboardModifiers());
      QCOMPARE(Undone + "|" + Edit.Text(), QStringLiteral("|a"));
    }
  }

  void SendsFileDropsOnToTheWindow() {
    TDropSink Window;
    auto* Edit = new TLEdit(&Window);
    Window.resize(300, 200);
    Edit->resize(300, 200);
    QMimeData Files;
    Files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.jsb"))});
    QDragEnterEvent FileDrag(QPoint(5, 5), Qt::CopyAction, &Files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Edit->Scintilla()->viewport(), &FileDrag);
    QCOMPARE(Window.Entered, 1);
    QMimeData Text;
    Text.setText(QStringLiteral("plain"));
    QDragEnterEvent TextDrag(QPoint(5, 5), Qt::CopyAction, &Text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Edit->Scintilla()->viewport(), &TextDrag);
    QCOMPARE(Window.Entered, 1);  // text drags stay with the editor
  }

  void AppliesLimitsOfTheSettings() {
    TLEdit Edit;
    Edit.SetTabStopSize(0);
    QCOMPARE(Edit.TabStopSize(), std::uint8_t{0});
    QCOMPARE(Edit.Scintilla()->tabWidth(), 1);
    Edit.SetUndoDepth(-1);
    QCOMPARE(Edit.UndoDepth(), TLEdit::kLargestUndoDepth);
    Edit.SetUndoDepth(0);
    Edit.SetText(QStringLiteral("kept"));
    Edit.Undo();
    QCOMPARE(Edit.Text(), QStringLiteral("kept"));
    Edit.SetExtraVertSpacing(slLarge);
    QCOMPARE(Edit.Scintilla()->extraAscent(), 3);
    Edit.SetExtraVertSpacing(static_cast<TSpacing>(7));
    QCOMPARE(Edit.ExtraVertSpacing(), slLarge);
  }
};

QTEST_MAIN(TLEditTest)
#include "ledit_test.moc"
