// The three pages of the main window's page control and what they hold.
#include <Qsci/qsciscintilla.h>

#include <QFrame>
#include <QImage>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <memory>

#include "app/corvane/mainform.h"
#include "app/corvane/referencecompletion.h"
#include "app/corvane/referencetree.h"
#include "editor/ledit.h"
#include "widgets/accessibility.h"
#include "widgets/extpagecontrol.h"
#include "widgets/hetreeview.h"
#include "widgets/odpanel.h"

namespace {

constexpr int CaptionHeight = 17;

// A grey caption bar above a pane: Arial, left-aligned, no bevel.
QWidget* CaptionBar(QWidget* Parent, const QString& Caption, const QString& Hint) {
  auto* Bar = new TODPanel(Parent);
  Bar->setFixedHeight(CaptionHeight);
  Bar->setToolTip(Hint);
  Bar->SetCaption(Caption);
  Bar->SetAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Bar->SetBevelOuter(TODPanel::bvNone);
  Bar->SetBevelInner(TODPanel::bvNone);
  Bar->SetFontColor(QColor(128, 128, 128));
  QFont Font("Arial");
  Font.setPointSize(8);
  Bar->setFont(Font);
  return Bar;
}

// A caption bar above Content, as one pane; Content is read by the caption.
QWidget* Pane(QWidget* Parent, const QString& Caption, const QString& Hint, QWidget* Content) {
  NameControl(Content, Caption, Hint);
  auto* Box = new QWidget(Parent);
  auto* Layout = new QVBoxLayout(Box);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->setSpacing(0);
  Layout->addWidget(CaptionBar(Box, Caption, Hint));
  Content->setParent(Box);
  Layout->addWidget(Content, 1);
  return Box;
}

QSplitter* Split(QWidget* Parent, QWidget* Left, int LeftWidth, QWidget* Right, int Handle) {
  auto* Splitter = new QSplitter(Qt::Horizontal, Parent);
  Splitter->setHandleWidth(Handle);
  Splitter->setChildrenCollapsible(false);
  Splitter->addWidget(Left);
  Splitter->addWidget(Right);
  Splitter->setStretchFactor(1, 1);
  Splitter->setSizes({LeftWidth, 706 - LeftWidth});
  return Splitter;
}

// A page holding Content, which is read by the page's tab caption.
QWidget* Page(QWidget* Parent, const char* Name, const QString& Caption, QSplitter* Content) {
  NameControl(Content, Caption);
  for (int I = 1; I < Content->count(); ++I)
    NameControl(Content->handle(I), Caption);
  auto* Sheet = new QWidget(Parent);
  Sheet->setObjectName(Name);
  auto* Layout = new QVBoxLayout(Sheet);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->addWidget(Content);
  return Sheet;
}

THETreeView* Tree(QWidget* Parent, const char* Name) {
  auto* View = new THETreeView(Parent);
  View->setObjectName(Name);
  View->setHeaderHidden(true);
  return View;
}

}  // namespace

void TMainForm::BuildPages() {
  PageControl = new TExtPageControl(this);
  PageControl->setObjectName("PageControl");
  PageControl->SetTabPosition(tabPosBottom);
  PageControl->SetTabHeight(22);
  PageControl->SetTabWidth(112);
  PageControl->setFocusPolicy(Qt::NoFocus);
  const QColor Face = palette().color(QPalette::Button);
  PageControl->SetTabActiveColor(Face);
  PageControl->SetTabInactiveColor(Face);
  QFont TabFont = font();
  TabFont.setPointSize(8);
  const TExtTabFont Tabs{TabFont, palette().color(QPalette::WindowText)};
  PageControl->SetTabActiveFont(Tabs);
  PageControl->SetTabInactiveFont(Tabs);
  PageControl->TabGlyphs().SetTransparentColor(QColor(128, 128, 0));
  PageControl->TabGlyphs().SetGlyph(QImage(":/corvane/tabglyphs.png"));
  PageControl->TabGlyphs().SetNumGlyphs(2);
  tsComponentView = BuildComponentView();
  tsConstructorView = BuildConstructorView();
  TabSheet9 = BuildHelpView();
  PageControl->addTab(tsComponentView, tr("Component View"));
  PageControl->addTab(tsConstructorView, tr("Source View"));
  PageControl->addTab(TabSheet9, tr("Help View"));
  PageControl->setTabVisible(2, false);
  PageControl->setCurrentWidget(tsComponentView);
  connect(PageControl, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });
  // The tabs take no focus, so the views are switched from wherever the
  // focus is in the window.
  for (const auto& [Key, Back] : std::initializer_list<std::pair<Qt::Key, bool>>{
           {Qt::Key_PageUp, true}, {Qt::Key_PageDown, false}}) {
    auto* Switch = new QShortcut(QKeyCombination(Qt::ControlModifier, Key), this);
    Switch->setContext(Qt::WindowShortcut);
    connect(Switch, &QShortcut::activated, PageControl,
            [this, Back = Back] { PageControl->SelectNextPage(Back); });
  }

  auto* Central = new QWidget(this);
  auto* Layout = new QVBoxLayout(Central);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->setSpacing(0);
  Layout->addWidget(CoolBar);
  Layout->addWidget(PageControl, 1);
  setCentralWidget(Central);
}

QWidget* TMainForm::BuildComponentView() {
  tvBeanTree = Tree(this, "tvBeanTree");
  tvBeanTree->setIndentation(19);
  QWidget* Left =
      Pane(this, tr("  Component"), tr("Shows current JavaScript component"), tvBeanTree);
  auto* Frame = new QFrame(this);
  Frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Frame->setLineWidth(2);
  auto* FrameLayout = new QVBoxLayout(Frame);
  FrameLayout->setContentsMargins(2, 2, 2, 2);
  FrameLayout->addWidget(BuildAttributeNotebook());
  QWidget* Right = Pane(this, tr("  Attributes"),
                        tr("Shows attributes of the selected component descriptor"), Frame);
  return Page(PageControl, "tsComponentView", tr("Component View"),
              Split(this, Left, 222, Right, 3));
}

QWidget* TMainForm::BuildAttributeNotebook() {
  nbAttributes = new QStackedWidget(this);
  nbAttributes->setObjectName("nbAttributes");
  for (const char* Name :
       {"Blank", "Descriptor", "Property", "Method", "Event", "Parameter", "Interface"}) {
    auto* Sheet = new QWidget(nbAttributes);
    Sheet->setObjectName(Name);
    nbAttributes->addWidget(Sheet);
    FAttributePages.emplace(Name, Sheet);
  }
  QWidget* Blank = nbAttributes->widget(0);
  Blank->setAutoFillBackground(true);
  QPalette Workspace = Blank->palette();
  Workspace.setColor(QPalette::Window, palette().color(QPalette::Dark));
  Blank->setPalette(Workspace);
  return nbAttributes;
}

QWidget* TMainForm::BuildConstructorView() {
  tvLiveBooks = Tree(this, "tvLiveBooks");
  tvLiveBooks->setEditTriggers(QAbstractItemView::NoEditTriggers);
  const std::vector<TReferenceNode> Outline = ParseReferenceOutline(ReferenceOutline());
  BuildReferenceTree(*tvLiveBooks, Outline);
  QWidget* Left = Pane(this, tr("  Reference"),
                       tr("Shows JavaScript object model and language elements "), tvLiveBooks);
  LEdit1 = new TLEdit(this);
  LEdit1->setObjectName("LEdit1");
  // The editor completes from the outline the tree shows.
  LEdit1->OnCompletions = [Words = std::make_shared<const TReferenceCompletion>(Outline)](
                              const QString& Object) { return Words->Words(Object); };
  LEdit1->setVisible(false);
  // The hidden editor keeps its room, so the caption bar above it stays at
  // the top of the page.
  QSizePolicy Policy = LEdit1->sizePolicy();
  Policy.setRetainSizeWhenHidden(true);
  LEdit1->setSizePolicy(Policy);
  QWidget* Right = Pane(this, tr("  Constructor Definition"),
                        tr("Show the contents of the <JSB_CONSTRUCTOR> tag"), LEdit1);
  // The text area inside the editor is what takes the focus.
  NameControl(LEdit1->Scintilla(), LEdit1->accessibleName(), LEdit1->accessibleDescription());
  return Page(PageControl, "tsConstructorView", tr("Source View"),
              Split(this, Left, 216, Right, 4));
}

QWidget* TMainForm::BuildHelpView() {
  QWidget* Left = Pane(this, tr("  Topics"), QString(), Tree(this, "tvHelpTopics"));
  auto* Viewer = new TODPanel(this);
  QWidget* Right = Pane(this, tr("  Viewer"), QString(), Viewer);
  return Page(PageControl, "TabSheet9", tr("Help View"), Split(this, Left, 222, Right, 3));
}
