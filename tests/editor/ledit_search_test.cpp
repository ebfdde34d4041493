#include <Qsci/qsciscintilla.h>
#include <QtTest>

#include "editor/ledit.h"
#include "widgets/centre.h"

namespace {

// Answers the dialogs as told and records what they were shown.
struct TScript {
  bool Accept = true;
  TFindOptions Find;
  TReplaceOptions Replace;
  int Line = 1;
  QString ShownText;
  std::optional<QPoint> ShownPlace;
  QStringList Notices;
};

class TFakeDialogs : public TLEditDialogs {
 public:
  explicit TFakeDialogs(TScript& Script) : Script_(Script) {}

  bool AskFind(QWidget*, std::optional<QPoint> Place, TFindOptions& Options) override {
    Script_.ShownText = Options.Text;
    Script_.ShownPlace = Place;
    if (Script_.Accept) Options = Script_.Find;
    return Script_.Accept;
  }
  bool AskReplace(QWidget*, std::optional<QPoint> Place, TReplaceOptions& Options) override {
    Script_.ShownText = Options.Find.Text;
    Script_.ShownPlace = Place;
    if (Script_.Accept) Options = Script_.Replace;
    return Script_.Accept;
  }
  bool AskLine(QWidget*, std::optional<QPoint> Place, int, int& Line) override {
    Script_.ShownPlace = Place;
    if (Script_.Accept) Line = Script_.Line;
    return Script_.Accept;
  }
  void Notify(QWidget*, std::optional<QPoint>, const QString& Text) override {
    Script_.Notices.append(Text);
  }

 private:
  TScript& Script_;
};

struct TFixture {
  TScript Script;
  TLEdit Edit;
  TFixture() { Edit.SetDialogs(std::make_unique<TFakeDialogs>(Script)); }
  long SelStart() const {
    return Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONSTART);
  }
};

}  // namespace

class TLEditSearchTest : public QObject {
  Q_OBJECT

 private slots:
  void FindsFromTheDialogThenAgain() {
    TFixture F;
    F.Edit.SetText(QStringLiteral("Alpha alpha ALPHA alphabet"));
    F.Script.Find = {QStringLiteral("alpha"), true, true, false, false};
    F.Edit.SetSearchText(QString());
    F.Edit.FindDialog();
    QCOMPARE(F.SelStart(), 6L);
    QCOMPARE(F.Edit.GetSelText(), QStringLiteral("alpha"));
    F.Edit.SetSearchText(QString());  // what the window does after the dialog
    QVERIFY(!F.Edit.FindNext());      // whole words, matching case: no other one
    QCOMPARE(F.Script.Notices, QStringList{QStringLiteral("Search string 'alpha' not found")});
    F.Edit.SetSearchMode(1);
    F.Script.Find = {QStringLiteral("alpha"), false, false, true, false};
    F.Edit.SetSearchText(QStringLiteral("ALPHA"));
    F.Edit.FindDialog();
    QCOMPARE(F.Script.ShownText, QStringLiteral("ALPHA"));
    QCOMPARE(F.SelStart(), 0L);  // backward from the caret
    QCOMPARE(F.Edit.SearchMode(), 1);
  }

  void SearchesFromTheTopInModeTwo() {
    TFixture F;
    F.Edit.SetText(QStringLiteral("ab ab ab"));
    F.Edit.SetSearchText(QStringLiteral("ab"));
    F.Edit.SetSearchMode(0);
    F.Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 4UL);
    QVERIFY(F.Edit.FindNext());
    QCOMPARE(F.SelStart(), 6L);
    F.Edit.SetSearchMode(2);
    QVERIFY(F.Edit.FindNext());
    QCOMPARE(F.SelStart(), 0L);
    QCOMPARE(F.Edit.SearchMode(), 0);
    QVERIFY(F.Edit.FindNext());
    QCOMPARE(F.SelStart(), 3L);
    F.Edit.SetSearchText(QString(200, QLatin1Char('x')));
    F.Script.Accept = false;
    F.Edit.FindDialog();
    QCOMPARE(F.Script.ShownText.size(), 125);
  }

  void ReplacesOneOrAll() {
    TFixture F;
    F.Edit.SetText(QStringLiteral("a-b a-b\na-b"));
    F.Script.Replace = {
        {QStringLiteral("a-b"), false, false, false, false}, QStringLiteral("c"), false};
    F.Edit.ReplaceDialog();
    QCOMPARE(F.Edit.Text(), QStringLiteral("c a-b\r\na-b"));
    F.Script.Replace.All = true;
    F.Script.Replace.Replacement = QStringLiteral("a-b!");
    F.Edit.ReplaceDialog();
    QCOMPARE(F.Edit.Text(), QStringLiteral("c a-b!\r\na-b!"));
    F.Edit.Undo();  // one step for all of them
    QCOMPARE(F.Edit.Text(), QStringLiteral("c a-b\r\na-b"));
    F.Script.Replace.Find.Text = QStringLiteral("zz");
    F.Edit.ReplaceDialog();
    QCOMPARE(F.Script.Notices.size(), 1);
  }

  void GoesToALineWhereTheDialogsArePlaced() {
    TFixture F;
    F.Edit.SetText(QStringLiteral("1\n2\n3"));
    F.Edit.PlaceDialog(dkDefault, 100, 50);
    F.Edit.PlaceDialog(dkFind, 10, 20);
    F.Edit.PlaceDialog(9, 1, 1);  // no such kind: ignored
    F.Script.Line = 3;
    F.Edit.GotoLineDialog();
    F.Edit.GetSelection();
    QCOMPARE(F.Edit.StartLine, 3);
    QCOMPARE(F.Script.ShownPlace, std::optional<QPoint>(QPoint(100, 50)));
    F.Script.Accept = false;
    F.Edit.FindDialog();
    QCOMPARE(F.Script.ShownPlace, std::optional<QPoint>(QPoint(10, 20)));
    F.Script.Line = 1;
    F.Edit.GotoLineDialog();  // cancelled: the caret stays
    F.Edit.GetSelection();
    QCOMPARE(F.Edit.StartLine, 3);
  }

  // Whatever the fonts make of their size, each dialog is centred on its place
  // in the window, moved only as far as keeps it on the screen. It opens in its
  // text field with the text selected, to be typed over.
  void BuiltInDialogsOpenModalWhereTheyArePlaced() {
    const QRect Area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
      QRect Window;
      QPoint Place;
    } Cases[] = {
        {{200, 100, 400, 300}, {50, 40}},  // away from the centre, where Qt would put it
        {{Area.right() - 120, Area.bottom() - 90, 100, 80}, {90, 70}},  // held on the screen
    };
    for (const auto& Case : Cases) {
      QWidget Window;
      Window.setGeometry(Case.Window);
      auto* Edit = new TLEdit(&Window);
      Window.show();
      Edit->SetText(QStringLiteral("text"));
      Edit->SetSearchText(QStringLiteral("text"));
      Edit->PlaceDialog(dkDefault, Case.Place.x(), Case.Place.y());
      for (auto Open : {&TLEdit::FindDialog, &TLEdit::ReplaceDialog, &TLEdit::GotoLineDialog}) {
        QRect Shown;
        QString Title, Selected;
        QTimer::singleShot(0, [&] {
          QWidget* Dialog = QApplication::activeModalWidget();
          QVERIFY(Dialog);
          Shown = QRect(Dialog->pos(), Dialog->size());
          Title = Dialog->windowTitle();
          if (QWidget* Focus = Dialog->focusWidget())
            Selected = Focus->inputMethodQuery(Qt::ImCurrentSelection).toString();
          Dialog->close();
        });
        (Edit->*Open)();
        QVERIFY(!Title.isEmpty());
        QCOMPARE(Selected, Open == &TLEdit::GotoLineDialog ? "1" : "text");
        const QPoint Centre = Window.mapToGlobal(Case.Place);
        QCOMPARE(Shown.topLeft(), CentredWithin(Shown.size(), Centre, Area));
        QVERIFY(Area.contains(Shown));
      }
      QCOMPARE(Edit->Text(), QStringLiteral("text"));  // every dialog was cancelled
    }
  }
};

QTEST_MAIN(TLEditSearchTest)
#include "ledit_search_test.moc"
