#include "app/corvane/mainform.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>

#include "app/corvane/appidentity.h"
#include "app/corvane/attributepages.h"
#include "app/corvane/beantreeview.h"
#include "app/corvane/constructorcheck.h"
#include "app/corvane/historykeys.h"
#include "app/corvane/qtwindowservices.h"
#include "app/corvane/recoverystore.h"
#include "app/corvane/referencetree.h"
#include "app/corvane/resources.h"
#include "app/corvane/sourcetext.h"
#include "app/corvane/windowfont.h"
#include "beans/beanfactory.h"
#include "beans/uitext.h"
#include "beans/undo/documenthistory.h"
#include "editor/editorsettings.h"
#include "editor/ledit.h"
#include "editor/settingsstore.h"
#include "widgets/accessibility.h"
#include "widgets/centre.h"
#include "widgets/extpagecontrol.h"
#include "widgets/filedrag.h"
#include "widgets/hetreeview.h"

QString ProgramDir;
QPointer<TMainForm> MainForm;

const char* const TMainForm::FileFilter =
    QT_TRANSLATE_NOOP("TMainForm", "JavaScript BeanInfo Files (*.jsb)|*.jsb|All Files (*.*)|*.*");

namespace {

constexpr int DesignedDpi = 96;

int ScreenDpi(const QWidget* Window) {
  const QScreen* Screen = Window->screen() ? Window->screen() : QGuiApplication::primaryScreen();
  return Screen ? qRound(Screen->logicalDotsPerInch()) : DesignedDpi;
}

// The file the command line names: its parameters joined by single spaces,
// a relative name taken from the current folder, which is still the one the
// program was started in. Folder and name are joined as bytes, so that
// either may hold bytes that are not UTF-8.
QString CommandLineFile(const QStringList& Arguments) {
  namespace fs = std::filesystem;
  const QString Name = Arguments.join(' ');
  const fs::path Bytes = FileNameBytes(Name);
  std::error_code Error;
  const fs::path Start = fs::current_path(Error);
  if (Name.isEmpty() || Bytes.is_absolute() || Error) return Name;
  return FileNameText((Start / Bytes).string());
}

}  // namespace

TMainForm::TMainForm(const QStringList& Arguments, QWidget* Parent)
    : QMainWindow(Parent),
      ilInfoView(16, 16),
      FArguments(Arguments),
      FCommandLineFile(CommandLineFile(Arguments)),
      FServices(std::make_unique<TQtWindowServices>(this)) {
  LoadCorvaneResources();
  MainForm = this;
  setObjectName("MainForm");
  CreateWindow();
}

// The editor outlives the settings its handlers use; it must not call them.
// The factory goes before the views it was given.
TMainForm::~TMainForm() {
  DetachTreeDelegate();
  LEdit1->Scintilla()->disconnect(this);
  // The document's file looks at the factory's document while it makes a copy.
  FFile.reset();
  History.reset();
  Factory.reset();
  LEdit1->OnControlHighlight = nullptr;
  LEdit1->OnFindBrace = nullptr;
}

void TMainForm::SetServices(std::unique_ptr<TWindowServices> Services) {
  FServices = Services ? std::move(Services) : std::make_unique<TQtWindowServices>(this);
}

// The model's messages name files as the bytes the user gave.
void TMainForm::Info(const std::string& Msg) {
  FServices->Info(FileNameText(Msg));
}

short TMainForm::Confirm(const std::string& Msg) {
  return FServices->Confirm(FileNameText(Msg));
}

// The window as designed, then the creation steps in their order.
void TMainForm::CreateWindow() {
  InstallAccessibility();
  setWindowTitle(QApplication::applicationName());
  setWindowIcon(ApplicationIcon());
  resize(706, 573);
  CentreOnScreen(this);
  setFont(WindowFont());
  BuildMenus();
  BuildCoolBar();
  BuildPages();
  sb97 = new QStatusBar(this);
  sb97->setObjectName("sb97");
  sb97->setFixedHeight(22);
  sb97->setSizeGripEnabled(false);
  setStatusBar(sb97);

  if (ScreenDpi(this) != DesignedDpi) PageControl->SetTabWidth(130);
  LEdit1->PlaceDialog(0, width() / 2, height() / 2);
  LEdit1->PlaceDialog(6, width() / 2, height() / 2);
  CurrentFile.clear();
  ConstructorSelectPending = false;
  EditorSettings = std::make_unique<TEditorSettings>();
  EditorSettings->ApplyBuiltIn(*LEdit1);
  EditorSettings->LoadRegistryValues(LEdit1);
  ReadGeneralSettings();
  ilInfoView.LoadFromStrip(":/corvane/INFOVIEWIMAGES.png", QColor(128, 128, 0));
  OpenDialogInitialDir = QDir::currentPath();
  SaveDialogInitialDir = OpenDialogInitialDir;
  LEdit1->SetModified(false);
  BeanTreeView = std::make_unique<TBeanTreeView>(*tvBeanTree, ilInfoView);
  SourceText = std::make_unique<TEditorSourceText>(*LEdit1);
  ConstructorCheck = std::make_unique<TConstructorCheck>(*LEdit1);
  Factory = std::make_unique<TBeanFactory>(TFactoryViews{*this, *BeanTreeView, *SourceText, *this});
  History = std::make_unique<TDocumentHistory>(*Factory);
  AttributePages = std::make_unique<TAttributePages>(
      TPageParts{Factory->Document(), *History, Factory->Marks(), *BeanTreeView, *nbAttributes});
  Factory->View = AttributePages.get();
  WireDocumentFile();
  new THistoryKeys(*tsComponentView, *History);
  BeanTreeView->FollowValues(Factory->Marks());
  BuildTreeCommands();
  BuildEditCommands();
  WireCommands();
  EnableDescriptorCommands(false);
  ShowAttributePage("Blank");
  FileDrag1 = new TFileDrag(this);
  FileDrag1->SetEnableDrop(true);
  connect(FileDrag1, &TFileDrag::OnDrop, this, &TMainForm::FileDrag1Drop);
}

// The help file and the program folder, from the machine-wide settings.
void TMainForm::ReadGeneralSettings() {
  const QString Help = ReadSetting(srLocalMachine, GeneralSettingsKey, "HelpFile", "");
  if (!Help.isEmpty()) HelpFile = Help;
  ProgramDir = ReadSetting(srLocalMachine, GeneralSettingsKey, "ProgramDir", "");
  if (!ProgramDir.isEmpty() && !QDir::setCurrent(ProgramDir)) QDir::setCurrent(QDir::rootPath());
}

namespace {

// Two names of one file: the same path once links and dots are resolved.
bool SameFile(const QString& A, const QString& B) {
  namespace fs = std::filesystem;
  const fs::path First = FileNameBytes(A), Second = FileNameBytes(B);
  std::error_code Error, SecondError;
  const fs::path RealA = fs::canonical(First, Error), RealB = fs::canonical(Second, SecondError);
  if (Error || SecondError)
    return fs::absolute(First, Error).lexically_normal() ==
           fs::absolute(Second, Error).lexically_normal();
  return RealA == RealB;
}

}  // namespace

void TMainForm::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  if (FShown) return;
  FShown = true;
  const QString& FileName = FCommandLineFile;
  // Work left by a session that ended unexpectedly comes first; a file named
  // on the command line replaces recovered work only through the save prompt,
  // and recovered work on that very file is what the user asked to open.
  const bool Recovered = OfferRecovery();
  const bool Replace = !FArguments.isEmpty() && !(Recovered && SameFile(CurrentFile, FileName));
  if (Replace && (!Recovered || CloseFile())) {
    LEdit1->setVisible(true);
    LoadFile(FileName);
  }
  if (!tvLiveBooksImages) {
    tvLiveBooksImages = &ilInfoView;
    ApplyReferenceImages(*tvLiveBooks, ilInfoView);
  }
}

// Hints are tool tips only: the status bar shows no text, so the status tips
// that menu entries and buttons carry as their hints are never shown there.
bool TMainForm::event(QEvent* Event) {
  if (Event->type() == QEvent::StatusTip) return true;
  // Checked once the activation is over, so that a question it asks does
  // not run inside the activation.
  if (Event->type() == QEvent::WindowActivate)
    QTimer::singleShot(0, this, [this] { FFile->CheckChangedOnDisk(); });
  return QMainWindow::event(Event);
}

void TMainForm::closeEvent(QCloseEvent* Event) {
  if (CloseDocument())
    Event->accept();
  else
    Event->ignore();
}

// A component never saved is "untitled" in the user's language.
void TMainForm::SetCurrentFile(const QString& Name) {
  CurrentFile = Name;
  const QString Title = QApplication::applicationName();
  const QString Shown = Name == "untitled" ? tr("untitled") : ShownText(QFileInfo(Name).fileName());
  setWindowTitle(Name.isEmpty() ? Title : QString("%1 - %2").arg(Title, Shown));
}

void TMainForm::EnableDescriptorCommands(bool Enabled) {
  for (QToolButton* B : FDescriptorButtons)
    B->setEnabled(Enabled);
  for (QAction* A : FDescriptorEntries)
    A->setEnabled(Enabled);
}

void TMainForm::SetAttributesVisible(bool Visible) {
  nbAttributes->setVisible(Visible);
}

std::optional<QString> TMainForm::AskComponentName() {
  return FServices->AskComponentName();
}

void TMainForm::StatusBar1Click() {
  sb97->setVisible(FStatusBarEntry->isChecked());
}

void TMainForm::SpeedButton6Click() {
  LEdit1->CutToClipboard();
}

void TMainForm::FileExit() {
  close();
}

// Shows the items of the active page's view and hides the other view's,
// visiting the menus and their direct entries only.
void TMainForm::ApplyViewMarks(bool ComponentView) {
  const int Shown = ComponentView ? vmComponentView : vmSourceView;
  const int Hidden = ComponentView ? vmSourceView : vmComponentView;
  const auto Apply = [&](QAction* A) {
    const int Tag = A->property("tag").toInt();
    if (Tag == Shown) A->setVisible(true);
    if (Tag == Hidden) A->setVisible(false);
  };
  for (QAction* MenuItem : menuBar()->actions()) {
    Apply(MenuItem);
    if (QMenu* Menu = MenuItem->menu())
      for (QAction* Entry : Menu->actions())
        Apply(Entry);
  }
  tbStandard->setVisible(ComponentView);
  ToolBar1->setVisible(!ComponentView);
}

void TMainForm::PageControlChange() {
  EndPendingRename();
  const bool ComponentView = PageControl->ActivePage() == tsComponentView;
  ApplyViewMarks(ComponentView);
  if (!ComponentView && ConstructorSelectPending) SelectConstructorPlaceholder();
  if (!ComponentView && LEdit1->isVisible()) LEdit1->Scintilla()->setFocus();
}

void TMainForm::EndPendingRename() {
  tvBeanTree->EndEditing();
}

// The placeholder comment on the sixth line of the constructor template.
void TMainForm::SelectConstructorPlaceholder() {
  LEdit1->StartLine = 6;
  LEdit1->StartPos = 2;
  LEdit1->EndLine = 6;
  LEdit1->EndPos = 40;
  LEdit1->SetSelection();
  ConstructorSelectPending = false;
}

QAction* TMainForm::Action(const QString& Name) const {
  const auto Found = FActions.find(Name);
  return Found == FActions.end() ? nullptr : Found->second;
}

QToolButton* TMainForm::Button(const QString& Name) const {
  const auto Found = FButtons.find(Name);
  return Found == FButtons.end() ? nullptr : Found->second;
}

void TMainForm::ShowAttributePage(const QString& Name) {
  const auto Found = FAttributePages.find(Name);
  if (Found != FAttributePages.end()) nbAttributes->setCurrentWidget(Found->second);
}

QString TMainForm::CurrentAttributePage() const {
  return nbAttributes->currentWidget() ? nbAttributes->currentWidget()->objectName() : QString();
}
