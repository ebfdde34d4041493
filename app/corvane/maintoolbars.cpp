// The cool bar at the top of the main window: band 0 with the standard
// buttons for the Component View, band 1 with the Source View's buttons.
#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/corvane/mainform.h"
#include "app/corvane/resources.h"

namespace {

constexpr int CoolBarHeight = 50;

// The designed size, or as much more as the caption needs in the font and
// at the resolution the window has, so that no caption loses its descenders
// or is cut short.
void FitButton(QToolButton* Button, int Width, int Height) {
  const QSize Needed = Button->sizeHint();
  Button->setFixedSize(std::max(Width, Needed.width()), std::max(Height, Needed.height()));
}

QToolBar* Band(QWidget* Parent, const char* Name) {
  auto* Bar = new QToolBar(Parent);
  Bar->setObjectName(Name);
  // Read by the caption of the View menu's entry for the tool bars; one
  // shows at a time.
  Bar->setAccessibleName(TMainForm::tr("Toolbar"));
  Bar->setMovable(false);
  Bar->setFloatable(false);
  Bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  Bar->setIconSize(QSize(24, 24));
  return Bar;
}

}  // namespace

QToolButton* TMainForm::AddButton(QToolBar* Bar, const QString& Name, const QString& Caption,
                                  const QString& Hint, const QString& Glyph) {
  auto* Button = new QToolButton(Bar);
  Button->setObjectName(Name);
  Button->setText(Caption);
  Button->setToolTip(Hint);
  Button->setStatusTip(Hint);
  Button->setIcon(ResourceIcon(Glyph));
  Button->setAutoRaise(true);
  // Tool buttons are for the mouse, as on any tool bar: their commands are
  // on the menus, and Tab goes from the tree through the fields alone.
  Button->setFocusPolicy(Qt::NoFocus);
  Button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  FitButton(Button, 58, 40);
  Bar->addWidget(Button);
  return Button;
}

void TMainForm::BuildCoolBar() {
  CoolBar = new QWidget(this);
  CoolBar->setObjectName("CoolBar");
  CoolBar->setFixedHeight(CoolBarHeight);
  auto* Layout = new QVBoxLayout(CoolBar);
  Layout->setContentsMargins(0, 0, 0, 0);
  tbStandard = Band(CoolBar, "tbStandard");
  AddButton(tbStandard, "SpeedButton2", tr("New"), tr("New file"), "new");
  AddButton(tbStandard, "sbFileOpen", tr("Open"), tr("Open file"), "open");
  AddButton(tbStandard, "sbFileSave", tr("Save"), tr("Save file"), "save");
  tbStandard->addSeparator();
  AddButton(tbStandard, "sbNewProperty", tr("Property"), tr("Add new property"), "property");
  AddButton(tbStandard, "sbNewEvent", tr("Event"), tr("Add new event"), "event");
  AddButton(tbStandard, "sbNewMethod", tr("Method"), tr("Add new method"), "method");
  AddButton(tbStandard, "sbNewParameter", tr("Parameter"), tr("Add new parameter to method"),
            "parameter");
  AddButton(tbStandard, "sbNewInterface", tr("Interface"), tr("Add new interface"), "interface");
  ToolBar1 = Band(CoolBar, "ToolBar1");
  AddButton(ToolBar1, "SpeedButton3", tr("New"), tr("New file"), "new");
  AddButton(ToolBar1, "SpeedButton4", tr("Open"), tr("Open file"), "open");
  AddButton(ToolBar1, "SpeedButton5", tr("Save"), tr("Save file"), "save");
  ToolBar1->addSeparator();
  AddButton(ToolBar1, "SpeedButton6", tr("Cut"), tr("Cut"), "cut");
  AddButton(ToolBar1, "SpeedButton7", tr("Copy"), tr("Copy"), "copy");
  AddButton(ToolBar1, "SpeedButton8", tr("Paste"), tr("Paste"), "paste");
  ToolBar1->addSeparator();
  AddButton(ToolBar1, "SpeedButton9", tr("Find"), tr("Find"), "find");
  Layout->addWidget(tbStandard);
  Layout->addWidget(ToolBar1);
  ToolBar1->setVisible(false);
  FitCoolBar();
}

// The bands' height is fixed, and grows only with buttons that must grow.
void TMainForm::FitCoolBar() {
  CoolBar->setFixedHeight(
      std::max({CoolBarHeight, tbStandard->sizeHint().height(), ToolBar1->sizeHint().height()}));
}

namespace {

void SizeButtons(QToolBar* Bar, int Width, int Height, bool Captions) {
  for (QToolButton* B : Bar->findChildren<QToolButton*>()) {
    if (B->objectName().startsWith("qt_")) continue;  // the bar's own extension button
    B->setToolButtonStyle(Captions ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
    FitButton(B, Width, Height);
  }
}

}  // namespace

void TMainForm::miSmallButtonsClick() {
  SizeButtons(tbStandard, 23, 23, false);
  FitCoolBar();
}

void TMainForm::miLargeButtonsClick() {
  SizeButtons(tbStandard, 50, 40, true);
  FitCoolBar();
}
