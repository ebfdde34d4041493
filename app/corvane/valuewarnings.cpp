#include "app/corvane/valuewarnings.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>

#include "app/corvane/windowservices.h"

namespace {

constexpr const char* WarningAction = "valueWarning";
// More lines than this would make the question taller than a screen.
constexpr size_t ListedLosses = 20;

// A field's label as its page shows it, in the user's language.
QString LabelText(const char* Label) {
  return QCoreApplication::translate("TField", Label);
}

QLineEdit* EditorOf(QWidget* Field) {
  if (auto* Box = qobject_cast<QComboBox*>(Field)) return Box->lineEdit();
  return qobject_cast<QLineEdit*>(Field);
}

QAction* WarningOf(const QLineEdit* Line) {
  if (!Line) return nullptr;
  for (QAction* Action : Line->actions())
    if (Action->objectName() == QLatin1String(WarningAction)) return Action;
  return nullptr;
}

QString Text(const std::string& Utf8) {
  return QString::fromStdString(Utf8);
}

}  // namespace

QIcon WarningIcon() {
  return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
}

void MarkField(QWidget* Field, const QString& Problem) {
  QLineEdit* Line = EditorOf(Field);
  if (!Line) return;
  QAction* Warning = WarningOf(Line);
  if (!Warning && Problem.isEmpty()) return;
  if (!Warning) {
    Warning = Line->addAction(WarningIcon(), QLineEdit::TrailingPosition);
    Warning->setObjectName(WarningAction);
  }
  Warning->setVisible(!Problem.isEmpty());
  Warning->setToolTip(Problem);
  Field->setToolTip(Problem);
}

QString FieldWarning(QWidget* Field) {
  const QAction* Warning = WarningOf(EditorOf(Field));
  return Warning && Warning->isVisible() ? Warning->toolTip() : QString();
}

QIcon WithWarningMark(const QIcon& Base, const QSize& Size) {
  QIcon Marked;
  for (const qreal Scale : {1.0, 2.0}) {
    QPixmap Image = Base.pixmap(Size, Scale);
    if (Image.isNull()) continue;
    QPainter Paint(&Image);
    const QSize Mark = Size * 5 / 8;
    const QPoint Corner(Size.width() - Mark.width(), Size.height() - Mark.height());
    Paint.drawPixmap(QRect(Corner, Mark), WarningIcon().pixmap(Mark, Scale));
    Paint.end();
    Marked.addPixmap(Image);
  }
  return Marked;
}

QString LossLines(const std::vector<TFieldLoss>& Losses) {
  QStringList Lines;
  for (const TFieldLoss& L : Losses)
    Lines << LabelText(L.Label) + ": " + Text(L.Loss.Text());
  return Lines.join('\n');
}

bool ConfirmLostValues(const std::vector<TItemLoss>& Losses, TWindowServices& Services) {
  if (Losses.empty()) return true;
  QString Msg = QCoreApplication::translate("ValueWarnings",
                                            "Some values cannot be stored in a JSB file and "
                                            "will change when the file is opened again:") +
                "\n";
  for (size_t I = 0; I < Losses.size() && I < ListedLosses; ++I) {
    const TItemLoss& L = Losses[I];
    Msg +=
        "\n" + Text(L.Where) + ", " + LabelText(L.Field.Label) + ": " + Text(L.Field.Loss.Outcome);
  }
  if (Losses.size() > ListedLosses)
    Msg += "\n" + QCoreApplication::translate("ValueWarnings", "... and %1 more")
                      .arg(Losses.size() - ListedLosses);
  return Services.AskSaveAnyway(Msg);
}
