// TLEdit: find and replace, and where its dialogs appear.
#include <Qsci/qsciscintilla.h>

#include "editor/ledit.h"

namespace {

constexpr unsigned long kMatchCase = QsciScintillaBase::SCFIND_MATCHCASE;
constexpr unsigned long kWholeWord = QsciScintillaBase::SCFIND_WHOLEWORD;

}  // namespace

void TLEdit::SetDialogs(std::unique_ptr<TLEditDialogs> Dialogs) {
  if (Dialogs) Dialogs_ = std::move(Dialogs);
}

// (X, Y) is where the dialog's centre goes, in the top-level window's coordinates.
void TLEdit::PlaceDialog(int Kind, int X, int Y) {
  if (Kind < 0 || Kind >= static_cast<int>(Places_.size())) return;
  Places_[static_cast<std::size_t>(Kind)] = QPoint(X, Y);
}

std::optional<QPoint> TLEdit::PlaceOf(int Kind) const {
  const std::optional<QPoint>& Own = Places_[static_cast<std::size_t>(Kind)];
  return Own ? Own : Places_[dkDefault];
}

// A non-empty text is what the next dialog shows and what FindNext looks for;
// the empty text only clears what the next dialog shows, so that it offers
// the selection or the last search instead.
void TLEdit::SetSearchText(const QString& Value) {
  SearchPrefill_ = Value.left(kLongestSearchText);
  if (!SearchPrefill_.isEmpty()) Search_.Text = SearchPrefill_;
}

// 0: forward from the caret; 1: backward from the caret; 2: forward from the
// start of the text (once; the mode is 0 after a search that finds the text).
void TLEdit::SetSearchMode(int Mode) {
  if (Mode < 0 || Mode > 2) return;
  Search_.Backward = Mode == 1;
  Search_.FromTop = Mode == 2;
}

int TLEdit::SearchMode() const {
  return Search_.Backward ? 1 : Search_.FromTop ? 2 : 0;
}

void TLEdit::FindDialog() {
  TFindOptions Options = Search_;
  if (!SearchPrefill_.isEmpty()) Options.Text = SearchPrefill_;
  const QString Selected = GetSelText();
  if (SearchPrefill_.isEmpty() && !Selected.isEmpty() && !Selected.contains(QLatin1Char('\n')))
    Options.Text = Selected.left(kLongestSearchText);
  if (!Dialogs_->AskFind(this, PlaceOf(dkFind), Options)) return;
  Search_ = Options;
  Search_.Text = Search_.Text.left(kLongestSearchText);
  FindNext();
}

bool TLEdit::FindNext() {
  if (Search_.Text.isEmpty()) return false;
  if (!Search(Search_)) {
    NotFound();
    return false;
  }
  Search_.FromTop = false;
  return true;
}

void TLEdit::ReplaceDialog() {
  TReplaceOptions Options = Replace_;
  Options.Find = Search_;
  if (!SearchPrefill_.isEmpty()) Options.Find.Text = SearchPrefill_;
  if (!Dialogs_->AskReplace(this, PlaceOf(dkReplace), Options)) return;
  Replace_ = Options;
  Search_ = Options.Find;
  if (Search_.Text.isEmpty()) return;
  if (Options.All) {
    ReplaceAll(Options);
  } else if (Search(Search_)) {
    Search_.FromTop = false;
    ReplaceSel(Options.Replacement);
  } else {
    NotFound();
  }
}

// Selects the next match from the caret (or from the text's start or end).
bool TLEdit::Search(const TFindOptions& Options) {
  const long Length = Send(QsciScintillaBase::SCI_GETLENGTH);
  long From = Send(QsciScintillaBase::SCI_GETSELECTIONEND);
  long To = Length;
  if (Options.Backward) {
    From = Options.FromTop ? Length : Send(QsciScintillaBase::SCI_GETSELECTIONSTART);
    To = 0;
  } else if (Options.FromTop) {
    From = 0;
  }
  Send(QsciScintillaBase::SCI_SETTARGETSTART, static_cast<unsigned long>(From));
  Send(QsciScintillaBase::SCI_SETTARGETEND, static_cast<unsigned long>(To));
  Send(QsciScintillaBase::SCI_SETSEARCHFLAGS,
       (Options.MatchCase ? kMatchCase : 0UL) | (Options.WholeWords ? kWholeWord : 0UL));
  const QByteArray Bytes = Options.Text.toUtf8();
  if (Editor_->SendScintilla(QsciScintillaBase::SCI_SEARCHINTARGET,
                             static_cast<uintptr_t>(Bytes.size()), Bytes.constData()) < 0)
    return false;
  const long Start = Send(QsciScintillaBase::SCI_GETTARGETSTART);
  Send(QsciScintillaBase::SCI_SETSEL, static_cast<unsigned long>(Start),
       Send(QsciScintillaBase::SCI_GETTARGETEND));
  Editor_->ensureCursorVisible();
  return true;
}

// Replaces every match in the whole text as one undo step.
void TLEdit::ReplaceAll(const TReplaceOptions& Options) {
  TFindOptions Find = Options.Find;
  Find.Backward = false;
  Find.FromTop = true;
  Send(QsciScintillaBase::SCI_BEGINUNDOACTION);
  int Count = 0;
  while (Search(Find)) {
    ReplaceSel(Options.Replacement);
    Find.FromTop = false;
    ++Count;
  }
  Send(QsciScintillaBase::SCI_ENDUNDOACTION);
  if (Count == 0) NotFound();
}

void TLEdit::NotFound() {
  Dialogs_->Notify(this, PlaceOf(dkNotice), tr("Search string '%1' not found").arg(Search_.Text));
}
