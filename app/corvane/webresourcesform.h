// The Web Resources window: three pages of web links (the product, its maker,
// and developer resources). Clicking a link opens the address it shows and
// leaves the window as it is.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QTabWidget;
class TLinkLabel;
class TODPanel;

class TfrmWebResources : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmWebResources(QWidget* Parent = nullptr);

  QLabel* Label1;
  QTabWidget* PageControl1;
  QPushButton* OKButton;
  // Every link, in page order: the product, the maker, the maker's other
  // product, then the five developer resources.
  std::array<TLinkLabel*, 8> Links{};

  // Opens the address that the clicked link shows.
  void Label10Click(QLabel* Sender);

  // Shows a fresh window modally, owned by Owner; it is gone when this returns.
  static void Execute(QWidget* Owner);
  // The window about to be shown; tests use it to act and close it.
  static inline std::function<void(TfrmWebResources&)> OnShow;

 private:
  TODPanel* AddPage(const char* Name, const QString& Caption);
  TLinkLabel* AddLink(QWidget* Parent, int Index, const QString& Address, QPoint At);
  void BuildProductPage();
  void BuildMakerPage();
  void BuildDeveloperPage();
};
