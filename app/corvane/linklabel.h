// A label whose caption is a web address, drawn as a link: purple,
// underlined, in the window font. A click reports itself; what it opens is
// up to the window. It takes the focus like any link, shows it with a focus
// rectangle, opens on Enter or Space, and is read as a link.
#pragma once

#include <QLabel>

class TLinkLabel : public QLabel {
  Q_OBJECT

 public:
  TLinkLabel(const QString& Caption, QWidget* Parent);

 signals:
  void Click();

 protected:
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;
};
