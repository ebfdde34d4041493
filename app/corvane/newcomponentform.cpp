#include "app/corvane/newcomponentform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "widgets/centre.h"

TfrmNewComponent::TfrmNewComponent(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("frmNewComponent");
  setWindowTitle(tr("New JavaScript Component"));
  setFont(QFont("MS Sans Serif", 8));
  setFixedSize(315, 97);
  fldName = new QLineEdit(this);
  fldName->setObjectName("fldName");
  fldName->setGeometry(51, 12, 253, 21);
  btnOk = new QPushButton(tr("OK"), this);
  btnOk->setObjectName("btnOk");
  btnOk->setGeometry(149, 66, 77, 23);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(tr("Cancel"), this);
  btnCancel->setObjectName("btnCancel");
  btnCancel->setGeometry(231, 66, 77, 23);
  Label1 = new QLabel(tr("&Name:"), this);
  Label1->setObjectName("Label1");
  Label1->move(8, 15);
  Label1->setBuddy(fldName);
  Label2 = new QLabel(tr("(e.g., netscape.sample.SimpleMailToLink)"), this);
  Label2->setObjectName("Label2");
  Label2->move(52, 37);
  setTabOrder(fldName, btnOk);
  setTabOrder(btnOk, btnCancel);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  fldName->setFocus();
  CentreOnScreen(this);
}

// Escape is not bound to Cancel.
void TfrmNewComponent::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Escape && Event->modifiers() == Qt::NoModifier) {
    Event->accept();
    return;
  }
  QDialog::keyPressEvent(Event);
}
