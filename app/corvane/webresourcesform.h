// The Web Resources window: three pages of web links (the product, its maker,
// and developer resources). Clicking a link opens the address it shows and
// leaves the window as it is.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QTabWidget;
class TLinkLabel;
class TODPanel;
class TWindowServices;

class TfrmWebResources : public QDialog {
  Q_OBJECT

 public:
  // Links open through Services.
  explicit TfrmWebResources(TWindowServices& Services, QWidget* Parent = nullptr);

  QLabel* Label1;
  QTabWidget* PageControl1;
  QPushButton* OKButton;
  // Every link, in page order: the product, the maker, the maker's other
  // product, then the five developer resources.
  std::array<TLinkLabel*, 8> Links{};

  // Opens the address that the clicked link shows.
  void Label10Click(QLabel* Sender);

 private:
  TODPanel* AddPage(const char* Name, const QString& Caption);
  TLinkLabel* AddLink(QWidget* Parent, int Index, const QString& Address, QPoint At);
  void BuildProductPage();
  void BuildMakerPage();
  void BuildDeveloperPage();

  TWindowServices& FServices;
};
