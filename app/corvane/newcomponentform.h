// The New JavaScript Component dialog: asks for the name of the component to
// create. It has no behaviour beyond its buttons' results.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmNewComponent : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmNewComponent(QWidget* Parent = nullptr);

  QLineEdit* fldName;
  QPushButton* btnOk;
  QPushButton* btnCancel;
  QLabel* Label1;
  QLabel* Label2;

 protected:
  void keyPressEvent(QKeyEvent* Event) override;
};
