// The main window: its layout, the document state it keeps, and what it does
// when it is created, shown, switched between its pages and asked to close.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/corvane/documentfile.h"
#include "app/corvane/imagelist.h"
#include "beans/factoryviews.h"
#include "beans/jsbreader.h"
#include "widgets/messages.h"
#include "widgets/textfile.h"

class QAction;
class QMenu;
class QStackedWidget;
class QStatusBar;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QWidget;
class TExtPageControl;
class TFileDrag;
class THETreeView;
class TLEdit;
class TODPanel;
class TBeanFactory;
class TBeanTreeView;
class TEditorSourceText;
class TConstructorCheck;
class TTreeNode;
class TAttributePages;
class TEditorSettings;
class QTimer;
class TDocumentHistory;
class TWindowServices;

// The program directory from the general settings; empty when absent.
extern QString ProgramDir;

// View marks that menu items carry in their "tag" property.
enum TViewMark { vmNone = 0, vmComponentView = 5, vmSourceView = 6 };

// The window also carries the model's notices and questions to the user
// through its services, once the program installs it as the message handler.
class TMainForm : public QMainWindow,
                  public TFactoryWindow,
                  public TNamePrompt,
                  public TMessageHandler,
                  public TDocumentFileWindow {
  Q_OBJECT

 public:
  // Arguments are the command-line parameters after the program name; the
  // file they name is taken from the current folder as the window is made.
  explicit TMainForm(const QStringList& Arguments = {}, QWidget* Parent = nullptr);
  ~TMainForm() override;

  // What the window asks of the desktop and the user; nullptr restores the
  // desktop's own (TQtWindowServices), which the window starts with.
  void SetServices(std::unique_ptr<TWindowServices> Services);
  void Info(const std::string& Msg) override;
  short Confirm(const std::string& Msg) override;

  // What the bean factory asks of the window.
  void SetCurrentFile(const QString& Name) final;
  void EnableDescriptorCommands(bool Enabled) final;
  void SetConstructorSelectPending(bool Pending) override { ConstructorSelectPending = Pending; }
  void SetAttributesVisible(bool Visible) override;
  std::optional<QString> AskComponentName() override;
  // Opens a JSB file; every way of opening one comes here.
  virtual void LoadFile(const QString& FileName);
  // Closes the document; false when the user cancelled or it failed.
  virtual bool CloseDocument();

  // File commands. Those answering false were abandoned: cancelled by the
  // user, or a save failed.
  void miNewClick();
  void Open2Click();
  bool FileSave();
  bool FileSaveAs();
  bool CloseFile();
  bool CheckFileSave();
  void FileDrag1Drop();
  // An empty tree, a cleared and hidden editor, the "Blank" page, no file.
  void ShowNoDocument();
  // A name being typed in the tree goes through as Enter would send it. The
  // save prompt (and so Close, New, a drop and Exit), Open, Save, Save As and
  // the page switch call this before they read or replace the document.
  void EndPendingRename() override;
  // The document counts as changed when the component or the editor is.
  bool DocumentChanged() const;

  // The document's file: its stamp, changes made to it by another program,
  // and the recovery copy of unsaved work.
  TDocumentFile& File() { return *FFile; }
  // Offers each copy that an ended session left; true when one was opened.
  bool OfferRecovery();
  // What the document's file asks of the window.
  QString FileName() const override { return CurrentFile; }
  bool Unsaved() const override { return DocumentChanged(); }
  bool Saving() const override { return FSaving; }
  // The tree keeps its selected node where it still exists.
  void Reload() override;
  TWindowServices& Services() override { return *FServices; }

  // The component tree.
  void tvBeanTreeChange();
  void tvBeanTreeEdited(TTreeNode* Node, const QString& Text);
  static int tvBeanTreeCompare(TTreeNode* A, TTreeNode* B);
  void SortBeanTree();
  void pmiDeleteClick();
  void pmiRenameClick();
  void AddDescriptorCommand(TDescriptorKind Kind);

  // Editing commands of the Source View.
  void EditPaste();
  void SubstituteTabs();
  void Find1Click();
  void SetBookmark1Click();
  // HTML insertion: wraps the selection in the named tag pair; inserts a file.
  void InsertTag(const QString& Name);
  void InsertFile1Click();
  static void LEdit1FindBrace(const TLEdit& Editor, int& WordType, int& WordValue, QString& WordStr,
                              int& BraceType);

  // The Help menu.
  void HelpContents();
  void WebResources1Click();
  void HelpAbout();

  // Edit > Preferences, and the help document at the section its F1 asks for.
  void Options1Click();
  void ShowHelpContext(int Context);

  // Handlers named after their controls.
  void StatusBar1Click();
  void miSmallButtonsClick();
  void miLargeButtonsClick();
  void SpeedButton6Click();
  void FileExit();
  void PageControlChange();

  // The source editor, which the command table drives; and what the
  // attribute pages work with: the tree whose selection they show and the
  // notebook of pages.
  TLEdit* LEdit1 = nullptr;
  THETreeView* tvBeanTree = nullptr;
  QStackedWidget* nbAttributes = nullptr;
  // The document's undo history, through which the pages change the model;
  // it goes before the factory and the tree.
  std::unique_ptr<TDocumentHistory> History;
  // The filter of the open and save dialogs.
  static const char* const FileFilter;
  // Shows the attribute page with this name ("Blank", "Descriptor", ...).
  void ShowAttributePage(const QString& Name) final;
  QString CurrentAttributePage() const;

 protected:
  bool event(QEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;

 private:
  // What the window's tests look at and drive directly.
  friend struct TMainFormTestAccess;

  // Document state.
  QString CurrentFile;
  bool ConstructorSelectPending = false;
  QString HelpFile;
  // The initial folder of the open and save dialogs.
  QString OpenDialogInitialDir, SaveDialogInitialDir;

  // The window's other widgets and parts.
  TExtPageControl* PageControl = nullptr;
  QWidget* tsComponentView = nullptr;
  QWidget* tsConstructorView = nullptr;
  QWidget* TabSheet9 = nullptr;
  THETreeView* tvLiveBooks = nullptr;
  QStatusBar* sb97 = nullptr;
  QWidget* CoolBar = nullptr;
  QToolBar* tbStandard = nullptr;
  QToolBar* ToolBar1 = nullptr;
  TFileDrag* FileDrag1 = nullptr;
  QMenu* pmBeanTree = nullptr;
  QMenu* pmEdit = nullptr;
  // The factory's views of the tree and the editor outlive the factory.
  std::unique_ptr<TBeanTreeView> BeanTreeView;
  std::unique_ptr<TEditorSourceText> SourceText;
  std::unique_ptr<TConstructorCheck> ConstructorCheck;
  std::unique_ptr<TBeanFactory> Factory;
  std::unique_ptr<TAttributePages> AttributePages;
  // The editor's colour scheme and settings; created with the window.
  std::unique_ptr<TEditorSettings> EditorSettings;
  TImageList ilInfoView;
  // The reference tree's image list; given when the window is first shown.
  const TImageList* tvLiveBooksImages = nullptr;

  // A menu item or tool button by its designed name; nullptr if none.
  QAction* Action(const QString& Name) const;
  QToolButton* Button(const QString& Name) const;

  void CreateWindow();
  void ReadGeneralSettings();
  void BuildMenus();
  QMenu* BuildFileMenu();
  QMenu* BuildEditMenu();
  QMenu* BuildViewMenu();
  QMenu* BuildSearchMenu();
  QMenu* BuildInsertMenu();
  QMenu* BuildHelpMenu();
  void BuildCoolBar();
  QToolButton* AddButton(QToolBar* Bar, const QString& Name, const QString& Caption,
                         const QString& Hint, const QString& Glyph);
  void BuildPages();
  QWidget* BuildComponentView();
  QWidget* BuildConstructorView();
  QWidget* BuildHelpView();
  QWidget* BuildAttributeNotebook();
  void ApplyViewMarks(bool ComponentView);
  void BuildTreeCommands();
  void DetachTreeDelegate();
  void BuildTreeMenu();
  // Connects every command to its menu entries and tool buttons.
  void WireCommands();
  void BuildEditCommands();
  void BuildEditorMenu();
  bool WriteDocument(const QString& Path);
  void MarkSaved(const QString& FileName, const TFileHash& Hash);
  void SelectConstructorPlaceholder();

  QStringList FArguments;
  // The file they name, resolved before the program folder becomes the
  // current one.
  QString FCommandLineFile;
  QList<QAction*> FMenuShortcuts;
  // The controls by their designed names, collected once while the window
  // is built; and those that commands switch as a group.
  std::map<QString, QAction*> FActions;
  std::map<QString, QToolButton*> FButtons;
  std::map<QString, QWidget*> FAttributePages;
  QList<QToolButton*> FDescriptorButtons;
  QList<QAction*> FDescriptorEntries;
  QAction* FStatusBarEntry = nullptr;
  bool FShown = false;
  std::unique_ptr<TDocumentFile> FFile;
  void WireDocumentFile();
  void FitCoolBar();
  // A recovery copy's model, or what can be read of it; false for nothing.
  bool OpenKeptModel(const std::string& Json);
  // A save or its prompt is asking: the window's activation as a box closes
  // offers no reload in the middle of it.
  bool FSaving = false;
  bool FReloading = false;  // LoadFile reads the open file again
  std::unique_ptr<TWindowServices> FServices;
};

extern QPointer<TMainForm> MainForm;
