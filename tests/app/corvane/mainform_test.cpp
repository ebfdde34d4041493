// The main window as it starts, switches pages and follows its document.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <filesystem>

#include <Qsci/qsciscintilla.h>

#include "app/corvane/appidentity.h"
#include "app/corvane/attributepages.h"
#include "app/corvane/mainform.h"
#include "app/corvane/newcomponentform.h"
#include "app/corvane/splashform.h"
#include "beans/uitext.h"
#include "editor/ledit.h"
#include "editor/settingsstore.h"
#include "mainformaccess.h"
#include "widgets/extpagecontrol.h"
#include "widgets/hetreeview.h"

namespace {

// Remembers what the window was asked to open instead of opening it.
class TRecordingForm : public TMainForm {
 public:
  using TMainForm::TMainForm;
  QStringList Opened;
  void LoadFile(const QString& FileName) override { Opened << FileName; }
};

const char* const AddButtons[] = {"sbNewProperty", "sbNewEvent", "sbNewMethod", "sbNewParameter",
                                  "sbNewInterface"};

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

  QTemporaryDir Store;
  QString StartDir;

 private slots:
  // Every designed menu entry and tool button runs a command of the window,
  // except those designed without one (disconnecting tells what was wired).
  void everyCommandIsWired() {
    TMainForm Form;
    const QStringList Inactive = {"miPrint", "miPrinterSetup", "ComponentView2", "ConstructorView1",
                                  "JARPackager1"};
    const QMetaMethod Triggered = QMetaMethod::fromSignal(&QAction::triggered);
    const QMetaMethod Clicked = QMetaMethod::fromSignal(&QToolButton::clicked);
    int Wired = 0;
    for (QAction* A : Form.findChildren<QAction*>()) {
      if (A->objectName().isEmpty() || A->isSeparator() || A->menu() ||
          Inactive.contains(A->objectName()))
        continue;
      QVERIFY2(QObject::disconnect(A, Triggered, &Form, QMetaMethod()),
               qPrintable(A->objectName()));
      ++Wired;
    }
    for (QToolBar* Bar : {Peek(Form).tbStandard, Peek(Form).ToolBar1})
      for (QToolButton* B : Bar->findChildren<QToolButton*>())
        if (!B->objectName().startsWith("qt_"))
          QVERIFY2(QObject::disconnect(B, Clicked, &Form, QMetaMethod()),
                   qPrintable(B->objectName()));
    QVERIFY(Wired > 50);
  }

  void initTestCase() {
    QApplication::setApplicationName("Corvane");
    for (auto Format : {QSettings::NativeFormat, QSettings::IniFormat}) {
      QSettings::setPath(Format, QSettings::UserScope, Store.path() + "/user");
      QSettings::setPath(Format, QSettings::SystemScope, Store.path() + "/system");
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(Store.path() + "/data"));
    StartDir = QDir::currentPath();
  }

  void cleanup() {
    QSettings(QSettings::NativeFormat, QSettings::SystemScope, "Brantwick Software", "Corvane")
        .clear();
    QDir::setCurrent(StartDir);
  }

  void startsOnTheComponentView() {
    TRecordingForm Form;
    Form.show();
    QCOMPARE(Form.windowTitle(), QString("Corvane"));
    QCOMPARE(Peek(Form).PageControl->ActivePage(), Peek(Form).tsComponentView);
    QCOMPARE(Form.CurrentAttributePage(), QString("Blank"));
    QCOMPARE(Form.tvBeanTree->topLevelItemCount(), 0);
    QVERIFY(Form.LEdit1->isHidden());
    for (const char* Name : AddButtons)
      QVERIFY2(!Peek(Form).Button(Name)->isEnabled(), Name);
    QVERIFY(Form.Opened.isEmpty());
    QVERIFY(Peek(Form).CurrentFile.isEmpty());
    QVERIFY(Peek(Form).AttributePages->AttributesLive);
    QVERIFY(!Peek(Form).ConstructorSelectPending);
    QVERIFY(!Peek(Form).PageControl->isTabVisible(2));  // the Help View cannot be reached
    QCOMPARE(Peek(Form).ilInfoView.Count(), 41);
    QCOMPARE(Peek(Form).tvLiveBooksImages, &Peek(Form).ilInfoView);
    QVERIFY(Peek(Form).tbStandard->isVisible());
    QVERIFY(!Peek(Form).ToolBar1->isVisible());
  }

  // The parameters name one file, taken from the folder the program was
  // started in though the program folder becomes the current one, with bytes
  // that are not UTF-8 as they are.
  void joinsTheParametersIntoOneFileName() {
    QTemporaryDir Program, Start;
    WriteSetting(srLocalMachine, GeneralSettingsKey, "ProgramDir", Program.path());
    const std::string Here = FileNameBytes(Start.path()) + "/d\xff";
    std::filesystem::create_directory(Here);
    std::filesystem::current_path(Here);
    TRecordingForm Form({"My", FileNameText("\xfe.jsb")});
    Form.show();
    std::filesystem::remove(Here);  // a name Qt cannot give back
    QCOMPARE(Form.Opened, QStringList{FileNameText(Here + "/My \xfe.jsb")});
    QCOMPARE(Peek(Form).OpenDialogInitialDir, QDir(Program.path()).canonicalPath());
    QVERIFY(!Form.LEdit1->isHidden());  // shown, on the page that is not active yet
    Form.hide();
    Form.show();  // only the first showing opens it
    QCOMPARE(Form.Opened.size(), 1);
  }

  void pageSwitchShowsEachViewsMenusAndBand() {
    TRecordingForm Form;
    Form.show();
    const auto Visible = [&](const char* Name) { return Peek(Form).Action(Name)->isVisible(); };
    Peek(Form).PageControl->SetActivePage(Peek(Form).tsConstructorView);
    for (const char* Name :
         {"miSearch", "miInsert", "miUndo", "Cut2", "Copy2", "Paste2", "miSelectAll"})
      QVERIFY2(Visible(Name), Name);
    QVERIFY(!Visible("miDelete"));
    QVERIFY(!Visible("Rename1"));
    QVERIFY(Visible("miProperty"));  // below File > New, which is not visited
    QVERIFY(!Peek(Form).tbStandard->isVisible());
    QVERIFY(Peek(Form).ToolBar1->isVisible());
    Peek(Form).PageControl->SetActivePage(Peek(Form).tsComponentView);
    for (const char* Name : {"miSearch", "miInsert", "miUndo", "Cut2", "miSelectAll"})
      QVERIFY2(!Visible(Name), Name);
    QVERIFY(Visible("miDelete"));
    QVERIFY(Visible("Rename1"));
    QVERIFY(Visible("miProperty"));
    QVERIFY(Peek(Form).tbStandard->isVisible());
    QVERIFY(!Visible("Tools1"));  // not switched by either view
  }

  void firstSwitchSelectsThePlaceholderOnce() {
    TRecordingForm Form;
    Form.show();
    QString Text;
    for (int Line = 1; Line <= 8; ++Line)
      Text += Line == 6 ? "\t\t/* Define your constructor here */\r\n" : "\tline\r\n";
    Form.LEdit1->SetText(Text);
    Form.SetConstructorSelectPending(true);
    Peek(Form).PageControl->SetActivePage(Peek(Form).tsConstructorView);
    QVERIFY(!Peek(Form).ConstructorSelectPending);
    Form.LEdit1->GetSelection();
    QCOMPARE(Form.LEdit1->StartLine, 6);
    QCOMPARE(Form.LEdit1->StartPos, 2);
    QCOMPARE(Form.LEdit1->EndLine, 6);
    QCOMPARE(Form.LEdit1->EndPos, 36);  // the line is shorter than position 40
    Form.LEdit1->StartLine = Form.LEdit1->EndLine = 1;
    Form.LEdit1->StartPos = Form.LEdit1->EndPos = 0;
    Form.LEdit1->SetSelection();
    Peek(Form).PageControl->SetActivePage(Peek(Form).tsComponentView);
    Peek(Form).PageControl->SetActivePage(Peek(Form).tsConstructorView);
    Form.LEdit1->GetSelection();
    QCOMPARE(Form.LEdit1->StartLine, 1);
    QCOMPARE(Form.LEdit1->EndPos, 0);
  }

  void captionFollowsTheCurrentFile() {
    TRecordingForm Form;
    Form.SetCurrentFile("untitled");
    QCOMPARE(Form.windowTitle(), QString("Corvane - untitled"));
    Form.SetCurrentFile("/home/ann/components/clock.jsb");
    QCOMPARE(Form.windowTitle(), QString("Corvane - clock.jsb"));
    QCOMPARE(Peek(Form).CurrentFile, QString("/home/ann/components/clock.jsb"));
    Form.SetCurrentFile("");
    QCOMPARE(Form.windowTitle(), QString("Corvane"));
  }

  void descriptorCommandsLeaveEditDeleteAndRenameAlone() {
    TRecordingForm Form;
    Form.EnableDescriptorCommands(true);
    for (const char* Name : AddButtons)
      QVERIFY2(Peek(Form).Button(Name)->isEnabled(), Name);
    for (const char* Name : {"miProperty", "miEvent", "miMethod", "miParameter", "miInterface"})
      QVERIFY2(Peek(Form).Action(Name)->isEnabled(), Name);
    Form.EnableDescriptorCommands(false);
    QVERIFY(!Peek(Form).Action("miInterface")->isEnabled());
    QVERIFY(Peek(Form).Action("miDelete")->isEnabled());
    QVERIFY(Peek(Form).Action("Rename1")->isEnabled());
  }

  void statusBarAndButtonSizes() {
    TRecordingForm Form;
    Form.show();
    QAction* Status = Peek(Form).Action("StatusBar1");
    Status->trigger();
    QVERIFY(!Status->isChecked());
    QVERIFY(!Peek(Form).sb97->isVisible());
    Status->trigger();
    QVERIFY(Peek(Form).sb97->isVisible());
    QToolButton* New = Peek(Form).Button("SpeedButton2");
    QCOMPARE(New->size(), QSize(58, 40).expandedTo(New->sizeHint()));
    Form.miSmallButtonsClick();
    QCOMPARE(New->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(New->size(), QSize(23, 23).expandedTo(New->sizeHint()));
    Form.miLargeButtonsClick();
    QCOMPARE(New->size(), QSize(50, 40).expandedTo(New->sizeHint()));
    QCOMPARE(New->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(Peek(Form).Action("miLargeButtons")->isChecked());  // marks are not changed
  }

  // The designed button sizes grow as far as a caption needs in larger
  // fonts (a higher resolution), so that none is cut or loses descenders.
  void toolButtonCaptionsFitWhateverTheFont() {
    const QFont Designed = QApplication::font();
    for (const qreal Points : {8.0, 10.0, 16.0}) {
      QFont Font = Designed;
      Font.setPointSizeF(Points);
      QApplication::setFont(Font);
      TRecordingForm Form;
      Form.show();
      QWidget* CoolBar = Peek(Form).tbStandard->parentWidget();
      for (QToolButton* B : CoolBar->findChildren<QToolButton*>()) {
        if (B->text().isEmpty()) continue;  // a bar's own extension button
        const QString Label = B->text() + QString(" at %1 pt").arg(Points);
        QVERIFY2(B->width() >= B->sizeHint().width() && B->height() >= B->sizeHint().height(),
                 qPrintable(Label));
        QVERIFY2(B->width() >= 58 && B->height() >= 40, qPrintable(Label));
      }
      QVERIFY(CoolBar->height() >= Peek(Form).tbStandard->sizeHint().height());
    }
    QApplication::setFont(Designed);
  }

  void menusAsDesigned() {
    TRecordingForm Form;
    QStringList Menus;
    for (QAction* A : Form.menuBar()->actions())
      Menus << A->objectName() + ":" + A->text();
    QCOMPARE(Menus,
             (QStringList{"miFile:&File", "miEdit:&Edit", "MenuItem18:&View", "miSearch:&Search",
                          "miInsert:&Insert", "Tools1:&Tools", "MenuItem40:&Help"}));
    QCOMPARE(Peek(Form).Action("miDelete")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    QCOMPARE(Peek(Form).Action("Rename1")->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(Peek(Form).Action("MenuItem17")->statusTip(), QString("Exit this application"));
    QVERIFY(!Peek(Form).Action("JARPackager1")->isEnabled());
    QVERIFY(!Peek(Form).Action("miPrint")->isVisible());
    QCOMPARE(Peek(Form).Button("sbNewParameter")->toolTip(),
             QString("Add new parameter to method"));
  }

  // The File menu keeps its designed captions and order and gains the
  // desktop's usual keys; the designed keys of the other menus stay.
  void menusCarryTheUsualAndTheDesignedKeys() {
    TRecordingForm Form;
    QStringList File;
    for (QAction* A : Peek(Form).Action("miFile")->menu()->actions())
      File << A->objectName() + ":" + A->text();
    QCOMPARE(File, (QStringList{"miNew:&New", "Open2:&Open...", "miSave:&Save...",
                                "miSaveAs:Save &As...", ":", "Close1:&Close", "miPrint:&Print...",
                                "miPrinterSetup:P&rinter Setup", ":", "MenuItem17:&Exit"}));
    const std::pair<const char*, const char*> Keys[] = {
        {"Component1", "Ctrl+N"},     {"Open2", "Ctrl+O"},          {"miSave", "Ctrl+S"},
        {"miSaveAs", "Ctrl+Shift+S"}, {"Close1", "Ctrl+W"},         {"MenuItem17", "Ctrl+Q"},
        {"miUndo", "Ctrl+Z"},         {"Cut2", "Ctrl+X"},           {"Copy2", "Ctrl+C"},
        {"Paste2", "Ctrl+V"},         {"miDelete", "Ctrl+Del"},     {"Rename1", "F2"},
        {"FindNext1", "F3"},          {"FindMatchingBrace1", "F4"}, {"HelpContents1", "F1"},
    };
    for (const auto& [Name, Key] : Keys)
      QVERIFY2(Peek(Form).Action(Name)->shortcut() == QKeySequence(Key), Name);
    QCOMPARE(Peek(Form).Action("Component1")->text(), QString("&Component"));
  }

  // Who the program is to the desktop, its icon, and the double-size images
  // that stay sharp on a screen scaled by two.
  void identityIconAndDoubleSizeImages() {
    SetApplicationIdentity();
    QCOMPARE(QCoreApplication::applicationVersion(), QString(CORVANE_VERSION));
    QCOMPARE(QCoreApplication::organizationDomain(), QString("example.org"));
    QCOMPARE(QGuiApplication::desktopFileName(), QString("org.example.Corvane"));
    TRecordingForm Form;
    QCOMPARE(Form.windowIcon().pixmap(32).size(), QSize(32, 32));
    for (const char* Name : {"SpeedButton2", "sbNewInterface", "SpeedButton9"})
      QVERIFY2(Peek(Form).Button(Name)->icon().availableSizes().contains(QSize(48, 48)), Name);
    const QIcon Image = Peek(Form).ilInfoView.Icon(5);
    QCOMPARE(Image.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    QCOMPARE(Image.pixmap(QSize(16, 16), 2.0).devicePixelRatio(), 2.0);
  }

  void generalSettingsSetTheProgramFolder() {
    QTemporaryDir Folder;
    WriteSetting(srLocalMachine, GeneralSettingsKey, "ProgramDir", Folder.path());
    WriteSetting(srLocalMachine, GeneralSettingsKey, "HelpFile", "corvane.hlp");
    {
      TRecordingForm Form;
      QCOMPARE(QDir::currentPath(), QDir(Folder.path()).canonicalPath());
      QCOMPARE(ProgramDir, Folder.path());
      QCOMPARE(Peek(Form).HelpFile, QString("corvane.hlp"));
      QCOMPARE(Peek(Form).OpenDialogInitialDir, QDir::currentPath());
    }
    WriteSetting(srLocalMachine, GeneralSettingsKey, "ProgramDir", Folder.path() + "/missing");
    TRecordingForm Form;
    QCOMPARE(QDir::currentPath(), QDir::rootPath());
  }

  void statusBarShowsNoHints() {
    TRecordingForm Form;
    Form.show();
    Peek(Form).Action("MenuItem17")->showStatusText(&Form);
    QStatusTipEvent Tip("New file");
    QCoreApplication::sendEvent(&Form, &Tip);
    QVERIFY(Peek(Form).sb97->currentMessage().isEmpty());
  }

  // Without a window manager nothing else would place them.
  void windowsStartCentred() {
    TRecordingForm Form;
    TfrmSplash Splash;
    TfrmNewComponent Dialog(&Form);
    const QRect Area = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QWidget* Window : {static_cast<QWidget*>(&Form), static_cast<QWidget*>(&Splash),
                                  static_cast<QWidget*>(&Dialog)}) {
      const QPoint Offset = Window->geometry().center() - Area.center();
      QVERIFY2(Offset.manhattanLength() <= 2, qPrintable(Window->objectName()));
    }
  }

  void sourceViewKeepsItsCaptionAtTheTopAndFocusesTheEditor() {
    TRecordingForm Form;
    Form.show();
    Form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Form));
    Peek(Form).PageControl->SetActivePage(Peek(Form).tsConstructorView);
    const auto* Caption = Form.LEdit1->parentWidget()->findChildren<QWidget*>().first();
    QCOMPARE(Caption->y(), 0);  // no document: the editor is hidden
    Peek(Form).PageControl->SetActivePage(Peek(Form).tsComponentView);
    Form.LEdit1->setVisible(true);
    Peek(Form).PageControl->SetActivePage(Peek(Form).tsConstructorView);
    QCOMPARE(Caption->y(), 0);
    QVERIFY(Form.LEdit1->Scintilla()->hasFocus());
  }

  void splashScalesWithTheScreen() {
    QCOMPARE(TfrmSplash::ScaledSize(96), QSize(360, 276));
    QCOMPARE(TfrmSplash::ScaledSize(120), QSize(450, 345));
  }
};

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
