// The editor's own find, replace and go-to-line dialogs and its notices,
// behind an interface so that a host or a test can put others in their place.
#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

struct TFindOptions {
  QString Text;
  bool MatchCase = false;
  bool WholeWords = false;
  bool Backward = false;  // search towards the start of the text
  bool FromTop = false;   // start at the beginning of the text, not at the caret
};

struct TReplaceOptions {
  TFindOptions Find;
  QString Replacement;
  bool All = false;  // replace every occurrence, not only the next
};

// Every call is modal. Place, when set, is where the dialog's centre goes, in
// the coordinates of Parent's top-level window.
class TLEditDialogs {
 public:
  virtual ~TLEditDialogs() = default;

  // Each Ask function starts from the values passed in, and answers false
  // when the user cancels; the values are changed only on true.
  virtual bool AskFind(QWidget* Parent, std::optional<QPoint> Place, TFindOptions& Options) = 0;
  virtual bool AskReplace(QWidget* Parent, std::optional<QPoint> Place,
                          TReplaceOptions& Options) = 0;
  virtual bool AskLine(QWidget* Parent, std::optional<QPoint> Place, int LineCount, int& Line) = 0;
  virtual void Notify(QWidget* Parent, std::optional<QPoint> Place, const QString& Text) = 0;
};

class TLEditModalDialogs : public TLEditDialogs {
  Q_DECLARE_TR_FUNCTIONS(TLEditModalDialogs)

 public:
  bool AskFind(QWidget* Parent, std::optional<QPoint> Place, TFindOptions& Options) override;
  bool AskReplace(QWidget* Parent, std::optional<QPoint> Place, TReplaceOptions& Options) override;
  bool AskLine(QWidget* Parent, std::optional<QPoint> Place, int LineCount, int& Line) override;
  void Notify(QWidget* Parent, std::optional<QPoint> Place, const QString& Text) override;
};
