// The Help menu: the help document's path and anchors, the launcher, and the
// About and Web Resources windows. Launches are recorded, never carried out.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "app/corvane/aboutform.h"
#include "app/corvane/attributepages.h"
#include "app/corvane/helpdocument.h"
#include "app/corvane/linklabel.h"
#include "app/corvane/mainform.h"
#include "app/corvane/shellopen.h"
#include "app/corvane/webresourcesform.h"
#include "editor/settingsstore.h"
#include "windowtest.h"

namespace {

const QString HelpTail = QString("%1Docs%1Corvane.html").arg(QDir::separator());
const QString SourceGuide = CORVANE_DOCS "/Corvane.html";

// A tab's labels, top to bottom: a field's without its colon, a check box's.
QStringList Labels(const QLayout* Layout) {
  QStringList Found;
  for (int I = 0; I < Layout->count(); ++I) {
    QWidget* W = Layout->itemAt(I)->widget();
    if (const QLayout* Inner = W ? W->layout() : Layout->itemAt(I)->layout())
      Found << Labels(Inner);
    else if (auto* Label = qobject_cast<QLabel*>(W))
      Found << Label->text().chopped(1);
    else if (auto* Tick = qobject_cast<QCheckBox*>(W))
      Found << Tick->text();
  }
  return Found;
}

}  // namespace

class HelpWindowsTest : public QObject {
  Q_OBJECT

  TTestStore Store;
  QString StartDir = QDir::currentPath();

 private slots:
  void cleanup() {
    QSettings(QSettings::NativeFormat, QSettings::SystemScope, "Brantwick Software", "Corvane")
        .clear();
    QDir::setCurrent(StartDir);
  }

  // The program folder's guide, joined as it stands, when it is there; else
  // the one beside the program, or as here the source tree's. A launch that
  // fails says so.
  void helpContentsJoinsTheProgramFolderAsItStands_data() {
    QTest::addColumn<QString>("Suffix");  // after the folder; null = no setting
    QTest::addColumn<bool>("Guide");      // the folder holds Docs/Corvane.html
    QTest::newRow("folder") << QString("") << true;
    QTest::newRow("trailing separator") << QString(QDir::separator()) << true;
    QTest::newRow("folder without the guide") << QString("") << false;
    QTest::newRow("no setting") << QString() << false;
  }
  void helpContentsJoinsTheProgramFolderAsItStands() {
    QFETCH(QString, Suffix);
    QFETCH(bool, Guide);
    QTemporaryDir Folder;
    if (Guide)
      QVERIFY(QDir(Folder.path()).mkdir("Docs") &&
              QFile::copy(SourceGuide, Folder.path() + "/Docs/Corvane.html"));
    if (!Suffix.isNull())
      WriteSetting(srLocalMachine, GeneralSettingsKey, "ProgramDir",
                   QDir::toNativeSeparators(Folder.path()) + Suffix);
    TMainForm Form;
    TScript Script;
    Script.Serve(Form);
    Form.show();
    QVERIFY(QTest::qWaitForWindowActive(&Form));
    const QString Expected =
        Guide ? QDir::toNativeSeparators(Folder.path()) + Suffix + HelpTail : SourceGuide;
    QCOMPARE(HelpDocumentPath(), Expected);
    Peek(Form).Action("HelpContents1")->trigger();
    Script.LaunchFails = true;
    QTest::keyClick(&Form, Qt::Key_F1);  // the shortcut works anywhere in the window
    QCOMPARE(Script.Launches.size(), 2);
    QCOMPARE(Script.Log,
             QStringList{"info:The help document " + Expected + " could not be opened."});
    for (const QUrl& Url : Script.Launches) {
      QVERIFY(Url.isLocalFile());
      QCOMPARE(QDir::toNativeSeparators(Url.toLocalFile()),
               QDir::toNativeSeparators(QDir::current().absoluteFilePath(Expected)));
      QVERIFY(!Url.hasFragment());
    }
  }

  // The guide's row for each attribute page names the fields of each of its
  // tabs, as "Label (ATTRIBUTE)", in the order the page shows them.
  void guideNamesEachPagesFieldsOnTheirTabs() {
    QFile Document(SourceGuide);
    QVERIFY(Document.open(QIODevice::ReadOnly));
    const QString Html = QString::fromUtf8(Document.readAll());
    TMainForm Form;
    const QRegularExpression Field(
        R"(\b(Standard|Additional|Listener):|([A-Z][^,;():.<>]*?) \([A-Z]+\))");
    for (const QString Page :
         {"Descriptor", "Property", "Method", "Parameter", "Event", "Interface"}) {
      const QTabWidget* Tabs = Peek(Form).AttributePages->InnerTabs(Page);
      QStringList Shown, Described;
      for (int Tab = 0; Tab < Tabs->count(); ++Tab) {
        if (Tabs->count() > 1) Shown << Tabs->tabText(Tab) + ":";
        Shown << Labels(Tabs->widget(Tab)->layout());
      }
      const QRegularExpression Row("<tr><td>" + Page + "</td><td>(.*?)</td></tr>",
                                   QRegularExpression::DotMatchesEverythingOption);
      for (const QRegularExpressionMatch& M :
           Field.globalMatch(Row.match(Html).captured(1).simplified()))
        Described << (M.hasCaptured(1) ? M.captured(1) + ":" : M.captured(2));
      QCOMPARE(Described, Shown);
    }
  }

  void helpContextsLeadToAnchorsOfTheDocument() {
    QFile Document(SourceGuide);
    QVERIFY(Document.open(QIODevice::ReadOnly));
    const QString Html = QString::fromUtf8(Document.readAll());
    for (int Context : {170, 175, 180}) {
      const QString Anchor = HelpContextAnchor(Context);
      QCOMPARE(Anchor, QString("context-%1").arg(Context));
      QVERIFY2(Html.contains("id=\"" + Anchor + "\""), qPrintable(Anchor));
      const QUrl Url = HelpDocumentUrl(SourceGuide, Anchor);
      QCOMPARE(Url.fragment(), Anchor);
      QCOMPARE(Url.toLocalFile(), SourceGuide);
    }
    QCOMPARE(HelpContextAnchor(0), QString());
    QCOMPARE(HelpContextAnchor(171), QString());
    QVERIFY(!HelpDocumentUrl(SourceGuide, HelpContextAnchor(171)).hasFragment());
  }

  void shellOpenTellsFilesFromAddresses_data() {
    QTest::addColumn<QString>("Target");
    QTest::addColumn<QUrl>("Expected");
    const QDir Here = QDir::current();
    QTest::newRow("web address") << "https://www.example.com/a?b=1#c"
                                 << QUrl("https://www.example.com/a?b=1#c");
    QTest::newRow("mail") << "mailto:someone@example.com" << QUrl("mailto:someone@example.com");
    QTest::newRow("absolute path") << "/tmp/a b.html" << QUrl::fromLocalFile("/tmp/a b.html");
    QTest::newRow("relative path")
        << "docs/a.html" << QUrl::fromLocalFile(Here.absoluteFilePath("docs/a.html"));
    QTest::newRow("drive letter") << "C:/Docs/a.html"
                                  << QUrl::fromLocalFile(Here.absoluteFilePath("C:/Docs/a.html"));
  }
  void shellOpenTellsFilesFromAddresses() {
    QFETCH(QString, Target);
    QFETCH(QUrl, Expected);
    const QUrl Url = ShellTarget(Target);
    QCOMPARE(Url, Expected);
    QCOMPARE(Url.isLocalFile(), Expected.isLocalFile());
  }

  void shellOpenOfNothingFailsWithoutLaunching() {
    QVERIFY(ShellTarget("").isEmpty());
    QVERIFY(ShellOpenUrl(ShellTarget("")));
  }

  void aboutOpensFreshModalAndOnTop() {
    TMainForm Form;
    auto Services = std::make_unique<TWatchedServices>(&Form);
    int Shown = 0, Modal = 0;
    Services->OnRun = [&](QDialog& Dialog) {
      auto& Window = dynamic_cast<TfrmAbout&>(Dialog);
      ++Shown;
      QTimer::singleShot(0, &Window, [&Window, &Modal] {
        Modal += QApplication::activeModalWidget() == &Window;
        Window.OKButton->click();
      });
      QCOMPARE(Window.parentWidget(), &Form);
      QCOMPARE(Window.windowTitle(), QString("About Corvane"));
      QCOMPARE(Window.size(), QSize(388, 167));
      QVERIFY(Window.windowFlags() & Qt::WindowStaysOnTopHint);
      QCOMPARE(Window.ProductName->text(), QString("Corvane"));
      QCOMPARE(Window.Version->text(), QString("Version 1.0.0.87 PR2"));
      QVERIFY(!Window.Copyright->text().isEmpty());
      QCOMPARE(Window.Comments->toPlainText().count('\n'), 2);  // three lines
      QCOMPARE(Window.ProgramIcon->pixmap().size(), QSize(130, 46));
      QVERIFY(Window.OKButton->isDefault());
    };
    Form.SetServices(std::move(Services));
    Peek(Form).Action("About1")->trigger();
    Peek(Form).Action("About1")->trigger();
    QCOMPARE(Shown, 2);
    QCOMPARE(Modal, 2);
    QVERIFY(Form.findChildren<TfrmAbout*>().isEmpty());  // destroyed on closing
  }

  // The first showing leaves the third page with a caption changed; the
  // second finds neither.
  void webResourcesOpenFreshOnTheFirstPage() {
    TMainForm Form;
    auto Services = std::make_unique<TWatchedServices>(&Form);
    QStringList Seen;
    Services->OnRun = [&](QDialog& Dialog) {
      auto& Window = dynamic_cast<TfrmWebResources&>(Dialog);
      Seen << QString::number(Window.PageControl1->currentIndex()) + ":" + Window.Links[3]->text();
      QTimer::singleShot(0, &Window, [&Window] {
        Window.PageControl1->setCurrentIndex(2);
        Window.Links[3]->setText("https://changed.example/");
        Window.OKButton->click();
      });
      QCOMPARE(Window.parentWidget(), &Form);
      QCOMPARE(Window.windowTitle(), QString("Web Resources"));
      QCOMPARE(Window.size(), QSize(422, 303));
      QCOMPARE(Window.PageControl1->size(), QSize(410, 234));
      QStringList Tabs;
      for (int I = 0; I < Window.PageControl1->count(); ++I)
        Tabs << Window.PageControl1->tabText(I);
      QCOMPARE(Tabs, (QStringList{"Corvane", "Brantwick Software", "Netscape"}));
      QStringList Titles;
      for (int I = 1; I <= 5; ++I)
        Titles << Window.findChild<QLabel*>(QString("lblTitle%1").arg(I))->text();
      QCOMPARE(Titles,
               (QStringList{"DevEdge Online:", "JavaScript Developer's Guide",
                            "Visual JavaScript Developer's Guide", "LiveWire Developer's Guide ",
                            "Netscape Technical Documentation"}));
    };
    Form.SetServices(std::move(Services));
    Peek(Form).Action("WebResources1")->trigger();
    Peek(Form).Action("WebResources1")->trigger();
    QCOMPARE(Seen.size(), 2);
    QCOMPARE(Seen[1], Seen[0]);
    QVERIFY(Seen[0].startsWith("0:https://"));
    QVERIFY(Form.findChildren<TfrmWebResources*>().isEmpty());
  }

  // Every link opens exactly what it shows, an edited caption included, and
  // the window stays open on the page it was on.
  void linkClickOpensItsCaption() {
    TWatchedServices Services(nullptr);
    QStringList Captions;
    bool StayedOpen = true;
    QStringList Looks;
    Services.OnRun = [&](QDialog& Dialog) {
      auto& Window = dynamic_cast<TfrmWebResources&>(Dialog);
      QTimer::singleShot(0, &Window, [&] {
        Window.Links[7]->setText("https://changed.example/path?q=1");
        for (TLinkLabel* Link : Window.Links) {
          Looks << QString("%1 %2 %3 %4")
                       .arg(Link->font().family())
                       .arg(Link->font().pointSize())
                       .arg(Link->font().underline())
                       .arg(Link->palette().color(QPalette::WindowText).name());
          const int Page = Window.PageControl1->indexOf(Link->parentWidget()->parentWidget());
          Window.PageControl1->setCurrentIndex(Page);
          QTest::mouseClick(Link, Qt::LeftButton);
          Captions << Link->text();
          StayedOpen =
              StayedOpen && Window.isVisible() && Window.PageControl1->currentIndex() == Page;
        }
        QTest::mouseClick(Window.Links[0], Qt::RightButton);  // not a click on the link
        Window.OKButton->click();
      });
    };
    Services.ShowWebResources();
    QVERIFY(StayedOpen);
    QCOMPARE(Looks, QStringList(8, "MS Sans Serif 8 1 #800080"));
    QCOMPARE(Captions.size(), 8);
    QCOMPARE(Captions.last(), QString("https://changed.example/path?q=1"));
    QList<QUrl> Expected;
    for (const QString& Caption : Captions)
      Expected << QUrl(Caption);
    QCOMPARE(Services.Launches, Expected);
  }
};

QTEST_MAIN(HelpWindowsTest)
#include "helpwindows_test.moc"
