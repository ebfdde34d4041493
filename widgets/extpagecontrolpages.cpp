// Pages and tabs: index mapping, the active page and what the mouse and the
// keyboard do on the tab strip.
#include <QKeyEvent>
#include <QKeySequence>
#include <QToolTip>

#include "widgets/extpagecontrol.h"
#include "widgets/extpagetabbar.h"

int TExtPageControl::PageTabIndex(int PageIndex) const {
  if (PageIndex < 0 || PageIndex >= count() || !isTabVisible(PageIndex)) return -1;
  int TabIndex = 0;
  for (int I = 0; I < PageIndex; ++I)
    if (isTabVisible(I)) ++TabIndex;
  return TabIndex;
}

bool TExtPageControl::PageEnabled(int PageIndex) const {
  return PageIndex >= 0 && PageIndex < count() && isTabEnabled(PageIndex) &&
         widget(PageIndex)->isEnabledTo(this);
}

// A page's index is never below its tab index, so the scan starts there.
int TExtPageControl::FindPageByTabIndex(int TabIndex) const {
  if (TabIndex < 0) return -1;
  for (int I = TabIndex; I < count(); ++I)
    if (PageTabIndex(I) == TabIndex) return I;
  return -1;
}

int TExtPageControl::GetPageIndexByTabIndex(int TabIndex) const {
  const int PageIndex = FindPageByTabIndex(TabIndex);
  if (PageIndex < 0) throw InvalidTabIndexError(*this, TabIndex);
  return PageIndex;
}

int TExtPageControl::TabIndexAt(const QPoint& Point) const {
  return PageTabIndex(FTabBar->tabAt(FTabBar->mapFrom(this, Point)));
}

QRect TExtPageControl::GetTabRect(int TabIndex) const {
  const int PageIndex = FindPageByTabIndex(TabIndex);
  if (PageIndex < 0) return {};
  const QRect Rect = FTabBar->tabRect(PageIndex);
  return Rect.isEmpty() ? QRect() : Rect.translated(FTabBar->pos());
}

bool TExtPageControl::CanChange() {
  bool Allow = true;
  if (OnChanging) OnChanging(this, Allow);
  return Allow;
}

void TExtPageControl::SetActivePage(QWidget* Page) {
  const int PageIndex = indexOf(Page);
  if (PageIndex < 0 || Page == currentWidget() || !PageEnabled(PageIndex)) return;
  if (!CanChange()) return;
  setCurrentIndex(PageIndex);
  AlignPages(false);
}

bool TExtPageControl::TabClickAllowed(int PageIndex) {
  if (PageIndex < 0 || PageIndex == currentIndex()) return true;
  return PageEnabled(PageIndex) && CanChange();
}

void TExtPageControl::TrackHotTab(int TabIndex) {
  if (!FHottrack.Enabled() || TabIndex == FHottrack.HotTab()) return;
  FHottrack.SetHotTab(TabIndex);
  RepaintTabs();
}

QString TExtPageControl::TabHintText(int TabIndex) const {
  const int PageIndex = FindPageByTabIndex(TabIndex);
  return PageIndex >= 0 && PageIndex < FTabHints.size() ? FTabHints.at(PageIndex) : QString();
}

// The hint of the tab under Point, just below the tab; over the strip but
// off the tabs there is none.
bool TExtPageControl::ShowTabHint(const QPoint& Point) {
  const int TabIndex = TabIndexAt(Point);
  const QString Hint = TabHintText(TabIndex);
  const QRect Rect = GetTabRect(TabIndex);
  if (Hint.isEmpty() || Rect.isEmpty()) {
    QToolTip::hideText();
    return true;
  }
  QToolTip::showText(mapToGlobal(QPoint(Rect.left() + 3, Rect.bottom() + 1)), Hint, this, Rect);
  return true;
}

// Alt with a caption's accelerator: the first visible tab that carries it.
void TExtPageControl::SelectByAccelerator(const QKeySequence& Key) {
  for (int I = 0; I < count(); ++I) {
    if (!isTabVisible(I) || QKeySequence::mnemonic(tabText(I)) != Key) continue;
    SetActivePage(widget(I));
    return;
  }
}

// Ctrl+Tab and Ctrl+Shift+Tab go round to the next or the previous page that
// can be shown, passing over hidden tabs and disabled pages, by the rules of
// SetActivePage: a refused change stays on the page.
void TExtPageControl::keyPressEvent(QKeyEvent* Event) {
  const bool Tab = Event->key() == Qt::Key_Tab || Event->key() == Qt::Key_Backtab;
  if (!Tab || !(Event->modifiers() & Qt::ControlModifier)) return QTabWidget::keyPressEvent(Event);
  SelectNextPage(Event->key() == Qt::Key_Backtab || (Event->modifiers() & Qt::ShiftModifier));
  Event->accept();
}

void TExtPageControl::SelectNextPage(bool Back) {
  const int Count = count();
  for (int Step = 1; Step < Count; ++Step) {
    const int Page = ((currentIndex() + (Back ? -Step : Step)) % Count + Count) % Count;
    if (!isTabVisible(Page) || !PageEnabled(Page)) continue;
    SetActivePage(widget(Page));
    break;
  }
}
