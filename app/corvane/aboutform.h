// The About window: the product's logo, name, version, ownership and
// trademark notices, and an OK button. It has no behaviour of its own.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TODPanel;

class TfrmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmAbout(QWidget* Parent = nullptr);

  TODPanel* Panel1;
  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Copyright;
  QFrame* Bevel1;
  QPlainTextEdit* Comments;
  QPushButton* OKButton;
};
