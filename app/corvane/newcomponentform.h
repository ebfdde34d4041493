// The New JavaScript Component dialog: asks for the name of the component to
// create. It has no behaviour beyond its buttons' results.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

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

  // Shows a fresh dialog modally: the name exactly as typed on OK, none on
  // Cancel or when the dialog was closed.
  static std::optional<QString> Execute(QWidget* Owner = nullptr);
  // The dialog about to be shown; tests use it to answer without a person.
  static inline std::function<void(TfrmNewComponent&)> OnShow;

 protected:
  void keyPressEvent(QKeyEvent* Event) override;
};
