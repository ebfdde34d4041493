// jsbscriptbench: the constructor's JavaScript syntax check on a real
// library's source (lodash 4.17.21, 544 KB, MIT licence: data/lodash.js with
// its licence beside it) and on a generated constructor of 200,000 lines, and
// typing latency in a shown source editor holding that constructor with the
// check on and off (offscreen unless QT_QPA_PLATFORM says otherwise). Every
// comparison runs A B B A in the same run, processor time beside wall time.
//
// The check's anchor is a pass of the editor's own tokenizer over the same
// bytes: linear work in this program that any colouring of the whole text
// does, so that the ratio says how many such passes a check costs, whatever
// the machine. Its peak memory is measured in a fresh child process.
//
// The typing sends letters through the widget into a line comment at the top
// and then in the middle of the text, so that it stays valid, each key
// measured with its screen painted and the events it left processed, the
// processor time being the GUI thread's (the check's threads are counted
// apart, and so is the time the GUI thread waited for a core). The check
// waits 100 ms after the last change here, not its usual 600 ms, and the
// bursts of keys are 250 ms apart, so that checks start between bursts and
// run while the later ones are typed; a check ending during a burst restarts
// on the next key, as in the editor.
//
//   jsbscriptbench [--runs N] [--dir FOLDER]   the measurement
//   jsbscriptbench --smoke    checks results, never times
//   jsbscriptbench --measure-read FILE         internal: the memory child
#include <Qsci/qsciscintilla.h>
#include <QApplication>
#include <QLoggingCategory>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <optional>
#include <utility>

#include "benchoptions.h"
#include "constructorgen.h"
#include "editor/editorsettings.h"
#include "editor/ledit.h"
#include "editorkeys.h"
#include "jscheck/syntaxcheck.h"
#include "peakmemory.h"
#include "scriptbenchcheck.h"
#include "scriptbenchtyping.h"
#include "stopwatch.h"
#include "tempdir.h"

namespace {

const std::string LodashFile = CORVANE_BENCH_DATA "/lodash.js";

// Shows Text in Edit as the Source View does.
void Prepare(TLEdit& Edit, const QString& Text) {
  TEditorSettings Settings;
  Settings.ApplyBuiltIn(Edit);
  Edit.SetText(Text);
  ShowAtTop(Edit);
}

// Puts the caret at the end of the line comment on the generator's line of
// that number (counted from 0) or the first such line after it, and shows it.
void CaretToComment(QsciScintilla& E, long Line) {
  Line += (6 - Line % 5) % 5;  // every fifth line from the second has one
  E.SendScintilla(QsciScintillaBase::SCI_GOTOPOS,
                  E.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, Line));
  ShowScreen(E);
}

void WriteFile(const std::string& FileName, const QByteArray& Bytes) {
  std::ofstream(FileName, std::ios::binary).write(Bytes.constData(), Bytes.size());
}

// The check's figures on one file's text. False when it found an error.
bool MeasureFile(const char* Name, const std::string& File, TMemoryProbe& Probe, double EmptyMb,
                 int Runs) {
  const std::string Text = ReadFileBytes(File);
  std::printf("%s: %zu bytes, %lld lines\n", Name, Text.size(),
              static_cast<long long>(std::count(Text.begin(), Text.end(), '\n')));
  const bool Valid = CompareCheck(Text, Runs);
  std::printf(
      "  peak memory of the check: %.1f MB over the process's own (an empty text: %.1f MB)\n",
      static_cast<double>(Probe.Measure(File).Growth()) / 1e6, EmptyMb);
  return Valid;
}

int Measure(const TBenchOptions& O, TMemoryProbe& Probe) {
  TTempDir Dir(O.Dir);
  const std::string Generated = Dir.File("constructor.js"), Empty = Dir.File("empty.js");
  const QString Text = WithCrLf(Constructor(200'000));
  WriteFile(Generated, Text.toUtf8());
  WriteFile(Empty, {});
  const double EmptyMb = static_cast<double>(Probe.Measure(Empty).Growth()) / 1e6;
  std::printf("jsbscriptbench: %d runs a side (A B B A), load average %.2f\n", O.Runs,
              LoadAverage());
  bool Valid = MeasureFile("lodash.js 4.17.21", LodashFile, Probe, EmptyMb, O.Runs);
  Valid = MeasureFile("generated constructor", Generated, Probe, EmptyMb, O.Runs) && Valid;
  TLEdit Edit;
  Prepare(Edit, Text);
  const TTypingPlan Plan{O.Runs, 4, 10, std::chrono::milliseconds(250),
                         std::chrono::milliseconds(100)};
  // The editing component's own cost of a key grows with the caret's place
  // in the text, so both ends of that are measured.
  for (const auto& [Where, Line] : {std::pair{"at the top", 0L}, {"in the middle", 100'000L}}) {
    CaretToComment(*Edit.Scintilla(), Line);
    const TTypingResult Typing = MeasureTyping(Edit, Plan);
    PrintTyping(Where, Typing, Plan);
    Valid = Typing.Ok && Valid;
  }
  return Valid ? 0 : 1;
}

// The library has no error; one put on a known line is found there; the
// typing with and without the check put every letter at the caret and the
// check showed the final text's result, which has no error either.
int Smoke() {
  const TSyntaxCheck Library = CheckConstructorSyntax(ReadFileBytes(LodashFile));
  constexpr int WrongLine = 121;
  const QString Wrong =
      WithCrLf(Constructor(WrongLine - 1) + QStringLiteral("\tvar = ;\n") + Constructor(80));
  const TSyntaxCheck Found = CheckConstructorSyntax(Wrong.toUtf8().toStdString());
  TLEdit Edit;
  Prepare(Edit, WithCrLf(Constructor(200)));
  CaretToComment(*Edit.Scintilla(), 100);
  QString Expected = QString::fromUtf8(Edit.DocumentBytes());
  const long Caret = Edit.Scintilla()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
  const TTypingPlan Plan{1, 2, 3, std::chrono::milliseconds(150), std::chrono::milliseconds(50)};
  const TTypingResult Typing = MeasureTyping(Edit, Plan);
  Expected.insert(Caret, Typing.Typed);
  const bool LibraryOk = Library.Finished && !Library.Error;
  const bool FoundOk = Found.Error && Found.Error->Line == WrongLine;
  const bool TypedOk = Typing.Ok && Typing.Typed.size() == 4 * Plan.Bursts * Plan.Keys &&
                       Edit.ErrorMarkLine() == 0 &&
                       QString::fromUtf8(Edit.DocumentBytes()) == Expected;
  if (LibraryOk && FoundOk && TypedOk) return 0;
  std::fprintf(stderr, "jsbscriptbench: library %d, error found %d, typing %d\n", LibraryOk,
               FoundOk, TypedOk);
  return 1;
}

}  // namespace

int main(int Argc, char** Argv) {
  // The engine warns of names used before their declaration, which lodash
  // does on purpose; those lines say nothing about the measurement.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.qml.compiler=false"));
  TBenchOptions O;
  if (!ParseBenchOptions(Argc, Argv, O, ReadMemoryOption)) {
    std::fprintf(stderr, "usage: jsbscriptbench [--smoke] [--runs N] [--dir FOLDER]\n");
    return 2;
  }
  if (!O.Extra.empty()) return RunCheckMemoryChild(O.Extra);
  try {
    std::optional<TMemoryProbe> Probe;
    if (!O.Smoke) Probe.emplace(SelfPath(Argv[0]));  // first, while this process is small
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(Argc, Argv);
    return O.Smoke ? Smoke() : Measure(O, *Probe);
  } catch (const std::exception& E) {
    std::fprintf(stderr, "jsbscriptbench: %s\n", E.what());
    return 1;
  }
}
