#include "editor/leditdialogs.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>

#include "widgets/centre.h"

namespace {

// Place is a point of the parent's window that the dialog is centred on.
void PlaceAt(QWidget* Dialog, QWidget* Parent, std::optional<QPoint> Place) {
  if (!Place || !Parent) return;
  Dialog->adjustSize();
  CentreAt(Dialog, Parent->window()->mapToGlobal(*Place));
}

// A dialog with a form and OK / Cancel buttons.
class TFormDialog : public QDialog {
 public:
  TFormDialog(QWidget* Parent, const QString& Title)
      : QDialog(Parent), Layout_(new QVBoxLayout(this)), Form_(new QFormLayout) {
    setWindowTitle(Title);
    Layout_->addLayout(Form_);
  }

  QLineEdit* AddLine(const QString& Label, const QString& Value) {
    auto* Field = new QLineEdit(Value);
    Form_->addRow(Label, Field);
    return Field;
  }

  void AddRow(const QString& Label, QWidget* Field) { Form_->addRow(Label, Field); }

  QCheckBox* AddCheck(const QString& Label, bool Value) {
    auto* Box = new QCheckBox(Label);
    Box->setChecked(Value);
    Form_->addRow(Box);
    return Box;
  }

  // The buttons are made last, so that Tab reaches them after the fields. The
  // dialog opens in First with its text selected, to be typed over.
  bool Run(QWidget* Parent, std::optional<QPoint> Place, QWidget* First) {
    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Layout_->addWidget(Buttons);
    First->setFocus();
    if (auto* Line = qobject_cast<QLineEdit*>(First)) Line->selectAll();
    if (auto* Spin = qobject_cast<QAbstractSpinBox*>(First)) Spin->selectAll();
    PlaceAt(this, Parent, Place);
    return exec() == QDialog::Accepted;
  }

 private:
  QVBoxLayout* Layout_;
  QFormLayout* Form_;
};

// The search fields shared by the find and the replace dialog.
struct TSearchFields {
  QLineEdit* Text;
  QCheckBox* MatchCase;
  QCheckBox* WholeWords;
  QCheckBox* Backward;
  QCheckBox* FromTop;

  TSearchFields(TFormDialog& Dialog, const TFindOptions& Options)
      : Text(Dialog.AddLine(TLEditModalDialogs::tr("&Text to find:"), Options.Text)),
        MatchCase(Dialog.AddCheck(TLEditModalDialogs::tr("&Case sensitive"), Options.MatchCase)),
        WholeWords(
            Dialog.AddCheck(TLEditModalDialogs::tr("&Whole words only"), Options.WholeWords)),
        Backward(Dialog.AddCheck(TLEditModalDialogs::tr("Search &backward"), Options.Backward)),
        FromTop(Dialog.AddCheck(TLEditModalDialogs::tr("From the &top"), Options.FromTop)) {}

  TFindOptions Read() const {
    return {Text->text(), MatchCase->isChecked(), WholeWords->isChecked(), Backward->isChecked(),
            FromTop->isChecked()};
  }
};

}  // namespace

bool TLEditModalDialogs::AskFind(QWidget* Parent, std::optional<QPoint> Place,
                                 TFindOptions& Options) {
  TFormDialog Dialog(Parent, TLEditModalDialogs::tr("Find"));
  const TSearchFields Fields(Dialog, Options);
  if (!Dialog.Run(Parent, Place, Fields.Text)) return false;
  Options = Fields.Read();
  return true;
}

bool TLEditModalDialogs::AskReplace(QWidget* Parent, std::optional<QPoint> Place,
                                    TReplaceOptions& Options) {
  TFormDialog Dialog(Parent, TLEditModalDialogs::tr("Replace"));
  const TSearchFields Fields(Dialog, Options.Find);
  QLineEdit* Replacement =
      Dialog.AddLine(TLEditModalDialogs::tr("&Replace with:"), Options.Replacement);
  QCheckBox* All = Dialog.AddCheck(TLEditModalDialogs::tr("Replace &all"), Options.All);
  if (!Dialog.Run(Parent, Place, Fields.Text)) return false;
  Options = {Fields.Read(), Replacement->text(), All->isChecked()};
  return true;
}

bool TLEditModalDialogs::AskLine(QWidget* Parent, std::optional<QPoint> Place, int LineCount,
                                 int& Line) {
  TFormDialog Dialog(Parent, TLEditModalDialogs::tr("Go to Line"));
  auto* Number = new QSpinBox;
  Number->setRange(1, qMax(1, LineCount));
  Number->setValue(Line);
  Dialog.AddRow(TLEditModalDialogs::tr("&Line number:"), Number);
  if (!Dialog.Run(Parent, Place, Number)) return false;
  Line = Number->value();
  return true;
}

void TLEditModalDialogs::Notify(QWidget* Parent, std::optional<QPoint> Place, const QString& Text) {
  QMessageBox Box(QMessageBox::Information, TLEditModalDialogs::tr("Information"), Text,
                  QMessageBox::Ok, Parent);
  PlaceAt(&Box, Parent, Place);
  Box.exec();
}
