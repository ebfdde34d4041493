#include "app/corvane/webresourcesform.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/corvane/linklabel.h"
#include "app/corvane/resources.h"
#include "app/corvane/shellopen.h"
#include "app/corvane/weblinks.h"
#include "app/corvane/windowfont.h"
#include "app/corvane/windowservices.h"
#include "widgets/centre.h"
#include "widgets/odpanel.h"

namespace {

QLabel* Text(QWidget* Parent, const QString& Name, const QString& Caption, const QRect& Place) {
  auto* L = new QLabel(Caption, Parent);
  L->setObjectName(Name);
  L->setTextFormat(Qt::PlainText);
  L->setWordWrap(true);
  L->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  L->setGeometry(Place);
  return L;
}

// A picture label the size of its picture.
QLabel* Picture(QWidget* Parent, const QString& Name, const QString& Resource, QPoint At) {
  auto* L = new QLabel(Parent);
  L->setObjectName(Name);
  L->setPixmap(QPixmap(Resource));
  L->setGeometry(QRect(At, L->pixmap().size()));
  return L;
}

}  // namespace

TfrmWebResources::TfrmWebResources(TWindowServices& Services, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      FServices(Services) {
  LoadCorvaneResources();
  setObjectName("frmWebResources");
  setWindowTitle(tr("Web Resources"));
  setFont(WindowFont());
  setFixedSize(422, 303);
  Label1 = new QLabel(tr("Click any of the following URLs for more information:"), this);
  Label1->setObjectName("Label1");
  Label1->move(8, 8);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->setGeometry(6, 26, 410, 234);
  BuildProductPage();
  BuildMakerPage();
  BuildDeveloperPage();
  PageControl1->setCurrentIndex(0);
  OKButton = new QPushButton(tr("OK"), this);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(341, 270, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  CentreOnScreen(this);
}

// A page filled by a white panel with a lowered outer bevel.
TODPanel* TfrmWebResources::AddPage(const char* Name, const QString& Caption) {
  auto* Page = new QWidget;
  Page->setObjectName(Name);
  auto* Panel = new TODPanel(Page);
  Panel->setObjectName(QString(Name) + "Panel");
  Panel->SetColor(Qt::white);
  Panel->SetBevelOuter(TODPanel::bvLowered);
  auto* Fill = new QVBoxLayout(Page);
  Fill->setContentsMargins(0, 0, 0, 0);
  Fill->addWidget(Panel);
  PageControl1->addTab(Page, Caption);
  return Panel;
}

// Links are named Label10 to Label17 in page order; all share Label10Click.
TLinkLabel* TfrmWebResources::AddLink(QWidget* Parent, int Index, const QString& Address,
                                      QPoint At) {
  auto* Link = new TLinkLabel(Address, Parent);
  Link->setObjectName(QString("Label%1").arg(10 + Index));
  Link->move(At);
  Link->adjustSize();
  connect(Link, &TLinkLabel::Click, this, [this, Link] { Label10Click(Link); });
  Links[Index] = Link;
  return Link;
}

void TfrmWebResources::BuildProductPage() {
  TODPanel* Panel = AddPage("TabSheet1", "Corvane");
  Picture(Panel, "Image1", ":/corvane/logo-corvane.png", {12, 12});
  Text(Panel, "Label2", WebLinks::Shown(WebLinks::VisitText), {156, 12, 236, 30});
  AddLink(Panel, 0, WebLinks::ProductAddress, {156, 44});
  Text(Panel, "Label3", WebLinks::Shown(WebLinks::ReportRequest) + WebLinks::ReportAddress,
       {12, 76, 380, 64});
}

void TfrmWebResources::BuildMakerPage() {
  TODPanel* Panel = AddPage("TabSheet2", "Brantwick Software");
  Picture(Panel, "Image2", ":/corvane/logo-brantwick.png", {12, 12});
  Text(Panel, "Label4", WebLinks::Shown(WebLinks::MakerSentence), {156, 12, 236, 30});
  AddLink(Panel, 1, WebLinks::MakerAddress, {156, 44});
  Picture(Panel, "Image3", ":/corvane/logo-quillmere.png", {12, 84});
  Text(Panel, "Label5", WebLinks::Shown(WebLinks::OtherProductParagraph), {156, 84, 236, 70});
  AddLink(Panel, 2, WebLinks::OtherProductAddress, {156, 142});
}

// Five entries, each an icon beside its title with the link under the title.
void TfrmWebResources::BuildDeveloperPage() {
  TODPanel* Panel = AddPage("TabSheet3", "Netscape");
  for (int I = 0; I < int(WebLinks::DeveloperEntries.size()); ++I) {
    const TWebEntry& Entry = WebLinks::DeveloperEntries[I];
    const int Top = 10 + 38 * I;
    Picture(Panel, QString("imgIcon%1").arg(I + 1), Entry.Icon, {12, Top});
    auto* Title = new QLabel(Entry.Title, Panel);
    Title->setObjectName(QString("lblTitle%1").arg(I + 1));
    Title->setTextFormat(Qt::PlainText);
    Title->move(36, Top);
    Title->adjustSize();
    AddLink(Panel, 3 + I, Entry.Address, {36, Top + 16});
  }
}

void TfrmWebResources::Label10Click(QLabel* Sender) {
  FServices.OpenUrl(ShellTarget(Sender->text()));
}
