#include "app/corvane/aboutform.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include "app/corvane/resources.h"
#include "app/corvane/weblinks.h"
#include "app/corvane/windowfont.h"
#include "widgets/centre.h"
#include "widgets/odpanel.h"

namespace {

QLabel* Label(QWidget* Parent, const char* Name, const QString& Text, const QRect& Place) {
  auto* L = new QLabel(Text, Parent);
  L->setObjectName(Name);
  L->setTextFormat(Qt::PlainText);
  L->setGeometry(Place);
  return L;
}

// Three lines of small print on the window's own background, without a border.
QPlainTextEdit* TrademarkMemo(QWidget* Parent) {
  QStringList Lines;
  for (const char* Notice : WebLinks::TrademarkNotices)
    Lines << WebLinks::Shown(Notice);
  auto* Memo = new QPlainTextEdit(Lines.join('\n'), Parent);
  Memo->setObjectName("Comments");
  // No caption shows with it; it is read by its designed name.
  Memo->setAccessibleName(TfrmAbout::tr("Comments"));
  Memo->setReadOnly(true);
  Memo->setFrameShape(QFrame::NoFrame);
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo->document()->setDocumentMargin(0);
  QPalette Colours = Memo->palette();
  Colours.setColor(QPalette::Base, Colours.color(QPalette::Button));
  Memo->setPalette(Colours);
  QFont Small("Arial");
  Small.setPointSize(7);
  Memo->setFont(Small);
  Memo->setGeometry(8, 94, 288, 64);
  return Memo;
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  LoadCorvaneResources();
  setObjectName("frmAbout");
  setWindowTitle(tr("About Corvane"));
  setFont(WindowFont());
  setFixedSize(388, 167);
  Panel1 = new TODPanel(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(8, 8, 148, 65);
  Panel1->SetColor(Qt::white);
  Panel1->SetBevelOuter(TODPanel::bvLowered);
  Panel1->SetBevelInner(TODPanel::bvLowered);
  ProgramIcon = Label(Panel1, "ProgramIcon", {}, {9, 9, 130, 46});
  ProgramIcon->setPixmap(QPixmap(":/corvane/logo-corvane.png"));
  ProductName = Label(this, "ProductName", "Corvane", {168, 12, 212, 16});
  Version = Label(this, "Version", "Version 1.0.0.87 PR2", {168, 32, 212, 16});
  Copyright =
      Label(this, "Copyright", WebLinks::Shown(WebLinks::OwnershipNotice), {168, 52, 212, 28});
  Copyright->setWordWrap(true);
  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel1->setGeometry(0, 84, 388, 2);
  Comments = TrademarkMemo(this);
  OKButton = new QPushButton(tr("OK"), this);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(305, 134, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  CentreOnScreen(this);
}
