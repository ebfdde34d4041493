// jsbeditbench: the source editor's colouring against the editing component's
// own JavaScript lexer, side by side on one long constructor (offscreen
// unless QT_QPA_PLATFORM says otherwise). Runs alternate A B B A.
//
//   jsbeditbench [--runs N]   the measurement on 200,000 lines
//   jsbeditbench --only tabs  only the tab substitution after a paste
//   jsbeditbench --smoke      a small run that checks the colours, never times
#include <Qsci/qscilexerjavascript.h>
#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QClipboard>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "benchoptions.h"
#include "constructorgen.h"
#include "editor/editorsettings.h"
#include "editor/ledit.h"
#include "editorkeys.h"
#include "stopwatch.h"

namespace {

using TClock = std::chrono::steady_clock;

long Send(QsciScintilla& E, unsigned int Message, unsigned long W = 0, long L = 0) {
  return E.SendScintilla(Message, W, L);
}

// An editor under test: the widget that takes the keys.
struct TSubject {
  const char* Name;
  QsciScintilla* Editor;
};

void Unstyle(QsciScintilla& E) {
  Send(E, QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
  Send(E, QsciScintillaBase::SCI_STARTSTYLING, 0, 0);  // nothing counts as styled now
  Send(E, QsciScintillaBase::SCI_GOTOPOS, 0);
  ShowScreen(E);
}

double Seconds(const std::function<void()>& Operation) {
  const auto Start = TClock::now();
  Operation();
  return std::chrono::duration<double>(TClock::now() - Start).count();
}

// The measured operations on one editor: each sets itself up untimed.
struct TOperation {
  const char* Name;
  double Limit;  // largest accepted ratio to the peer
  std::function<double(QsciScintilla&)> Run;
};

std::vector<TOperation> Operations() {
  return {{"type /* at the top", 3.0,
           [](QsciScintilla& E) {
             Unstyle(E);
             return Seconds([&] {
               Key(E, Qt::Key_Slash, QStringLiteral("/"));
               Key(E, Qt::Key_Asterisk, QStringLiteral("*"));
             });
           }},
          {"delete that /*", 3.0,
           [](QsciScintilla& E) {
             return Seconds([&] {
               Key(E, Qt::Key_Backspace);
               Key(E, Qt::Key_Backspace);
             });
           }},
          {"style the whole text", 1.3,
           [](QsciScintilla& E) {
             Unstyle(E);
             return Seconds([&] { Send(E, QsciScintillaBase::SCI_COLOURISE, 0, -1); });
           }},
          {"Ctrl+End from the top", 0, [](QsciScintilla& E) {
             Unstyle(E);
             return Seconds([&] { Key(E, Qt::Key_End, {}, Qt::ControlModifier); });
           }}};
}

int Measure(const TSubject& A, const TSubject& B, int Runs, int Lines, double Load) {
  std::printf("jsbeditbench: %d lines, %d runs per editor (A B B A), load average %.2f\n", Lines,
              Runs, Load);
  std::printf("%-24s %12s %12s %8s %s\n", "operation", A.Name, B.Name, "ratio", "limit");
  // Each turn runs every operation in order on one editor, so that the
  // deletion always removes the comment opener the typing added.
  const std::vector<TOperation> Ops = Operations();
  std::vector<std::vector<double>> TimesA(Ops.size()), TimesB(Ops.size());
  for (int I = 0; I < Runs; ++I) {
    for (int Turn = 0; Turn < 2; ++Turn) {
      const bool DoA = (Turn == 0) == (I % 2 == 0);
      for (std::size_t K = 0; K < Ops.size(); ++K)
        (DoA ? TimesA : TimesB)[K].push_back(Ops[K].Run(*(DoA ? A : B).Editor));
    }
  }
  for (std::size_t K = 0; K < Ops.size(); ++K) {
    const TTiming TA = Summarise(TimesA[K]), TB = Summarise(TimesB[K]);
    const double Ratio = TA.Median / TB.Median;
    std::printf("%-24s %9.1f ms %9.1f ms %7.2fx %s\n", Ops[K].Name, TA.Median * 1e3,
                TB.Median * 1e3, Ratio,
                Ops[K].Limit > 0 ? (Ratio <= Ops[K].Limit ? "met" : "MISSED") : "-");
  }
  return 0;
}

// Tab substitution after a paste, in place, beside taking and setting the
// whole text as it used to be done; each on a fresh copy of the text. The
// undo of the substitution, and the paste together with its substitution as
// Edit > Paste does them, too.
void MeasureTabs(TLEdit& Edit, const QString& Text, int Runs) {
  std::vector<double> InPlace, Undone, Pasted, Whole;
  QApplication::clipboard()->setText(QStringLiteral("\tz"));
  for (int I = 0; I < Runs; ++I) {
    Edit.SetText(Text);
    ShowScreen(*Edit.Scintilla());
    InPlace.push_back(Seconds([&] {
      Edit.ReplaceChar('\t', QStringLiteral("   "));
      ShowScreen(*Edit.Scintilla());
    }));
    Undone.push_back(Seconds([&] {
      Edit.Undo();
      ShowScreen(*Edit.Scintilla());
    }));
    Edit.SetText(Text);
    ShowScreen(*Edit.Scintilla());
    Pasted.push_back(Seconds([&] {
      Edit.PasteFromClipboard();
      Edit.ReplaceChar('\t', QStringLiteral("   "));
      ShowScreen(*Edit.Scintilla());
    }));
    Edit.SetText(Text);
    ShowScreen(*Edit.Scintilla());
    Whole.push_back(Seconds([&] {
      Edit.SetText(QString(Edit.Text()).replace('\t', QStringLiteral("   ")));
      ShowScreen(*Edit.Scintilla());
    }));
  }
  std::printf("%-24s %9.1f ms (whole text taken and set: %.1f ms)\n", "tabs replaced in place",
              Summarise(InPlace).Median * 1e3, Summarise(Whole).Median * 1e3);
  std::printf("%-24s %9.1f ms\n", "paste, then tabs", Summarise(Pasted).Median * 1e3);
  std::printf("%-24s %9.1f ms\n", "undo of the tabs", Summarise(Undone).Median * 1e3);
}

// Style number's foreground at a byte position, the whole text styled first.
long ForeAt(QsciScintilla& E, long Pos) {
  Send(E, QsciScintillaBase::SCI_COLOURISE, 0, -1);
  const long Style = Send(E, QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(Pos));
  return Send(E, QsciScintillaBase::SCI_STYLEGETFORE, static_cast<unsigned long>(Style));
}

// Runs every operation once and checks that the last line's colour follows
// the comment opened and closed at the top, and that Ctrl+End got there.
int Smoke(TLEdit& Edit) {
  QsciScintilla& E = *Edit.Scintilla();
  const long Last = Send(E, QsciScintillaBase::SCI_GETLENGTH) - 3;  // the closing brace
  const long Before = ForeAt(E, Last);
  std::vector<TOperation> Ops = Operations();
  Ops[0].Run(E);
  const bool Opened = ForeAt(E, Last) == ForeAt(E, 0) && ForeAt(E, 0) != Before;
  Ops[1].Run(E);
  const bool Closed = ForeAt(E, Last) == Before;
  Ops[2].Run(E);
  Ops[3].Run(E);
  const bool AtEnd =
      Send(E, QsciScintillaBase::SCI_GETCURRENTPOS) == Send(E, QsciScintillaBase::SCI_GETLENGTH);
  if (Opened && Closed && AtEnd) return 0;
  std::fprintf(stderr, "jsbeditbench: colours or caret wrong (%d %d %d)\n", Opened, Closed, AtEnd);
  return 1;
}

}  // namespace

int main(int Argc, char** Argv) {
  TBenchOptions O;
  if (!ParseBenchOptions(Argc, Argv, O, "--only") || (!O.Extra.empty() && O.Extra != "tabs")) {
    std::fprintf(stderr, "usage: jsbeditbench [--smoke] [--runs N] [--only tabs]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(Argc, Argv);
  const int Lines = O.Smoke ? 200 : 200'000;
  const QString Text = WithCrLf(Constructor(Lines));
  TEditorSettings Settings;
  TLEdit Edit;
  Settings.ApplyBuiltIn(Edit);
  Edit.SetText(Text);
  ShowAtTop(Edit);
  if (O.Smoke) return Smoke(Edit);
  if (O.Extra == "tabs") {
    MeasureTabs(Edit, Text, O.Runs);
    return 0;
  }
  QsciScintilla Peer;
  Peer.setUtf8(true);
  QsciLexerJavaScript PeerLexer;
  PeerLexer.setDefaultFont(Edit.Font());
  Peer.setLexer(&PeerLexer);
  Peer.setText(Text);
  ShowAtTop(Peer);
  Measure({"TLEdit", Edit.Scintilla()}, {"peer", &Peer}, O.Runs, Lines, LoadAverage());
  MeasureTabs(Edit, Text, O.Runs);
  return 0;
}
