#include "tool.h"

#include <algorithm>
#include <optional>

#include "commands.h"

const char* const JsbToolUsage =
    "Usage: jsbtool dump FILE\n"
    "       jsbtool write [--force] MODEL.json OUT.jsb\n"
    "       jsbtool check [--strict] [--quiet] [-r] [--format=FORMAT] [--] FILE|FOLDER|-...\n"
    "       jsbtool --help\n"
    "       jsbtool --version\n"
    "\n"
    "  dump   print what the editor reads from a JSB file as one JSON object\n"
    "  write  write a JSB file from such JSON, exactly as the editor saves it;\n"
    "         values that would not survive a save and reopen are listed as\n"
    "         check lists them, and nothing is written\n"
    "  check  list every problem of each file, one a line, as\n"
    "         FILE:LINE:COL: SEVERITY: TEXT [KIND] (COL where it is known):\n"
    "         error    a value that would not survive a save and reopen\n"
    "                  [lost-value], a text that is not JSB [not-jsb], or a\n"
    "                  syntax error in the constructor [javascript]\n"
    "         warning  what a save drops or adds besides values [listener,\n"
    "                  tag-in-value, tag-in-constructor, no-name]\n"
    "         note     a notice of the reader [notice]\n"
    "         then a summary line for each file. A FOLDER stands for every\n"
    "         *.jsb in it; - reads standard input, named <stdin>.\n"
    "\n"
    "  --strict         check: a warning or a note fails the check as well\n"
    "  --quiet          check: no summary lines\n"
    "  -r               check: folders with all their sub-folders\n"
    "  --format=FORMAT  check: text (the default), gcc (the problem lines only),\n"
    "                   json (one JSON document for the whole run), sarif\n"
    "                   (SARIF 2.1.0), junit (JUnit XML: a test case per file)\n"
    "                   or checkstyle (Checkstyle XML)\n"
    "  --force          write: write such values all the same (they are still\n"
    "                   listed)\n"
    "  --               end of the options: what follows are files\n"
    "\n"
    "Exit status: 0 done (check: no file fails), 1 check: a file has an error\n"
    "(with --strict: any problem), a text that is not JSB included; write: a\n"
    "value would not survive, nothing written; 2 usage error, a file or folder\n"
    "that cannot be read, or an invalid model.\n";

namespace {

int UsageError(const std::string& Problem, std::ostream& Err) {
  Err << "jsbtool: " << Problem << "\n\n" << JsbToolUsage;
  return ExitError;
}

bool IsHelp(const std::string& Arg) {
  return Arg == "--help" || Arg == "-h";
}

bool IsVersion(const std::string& Arg) {
  return Arg == "--version";
}

// Anything but "-" that starts with a dash; a file of such a name can still
// be given as ./-name.
bool IsOption(const std::string& Arg) {
  return Arg.size() > 1 && Arg[0] == '-';
}

}  // namespace

namespace {

struct TCommandLine {
  std::vector<std::string> Plain;
  bool Force = false;
  TCheckOptions Check;
  std::string Problem;     // a usage error, when not empty
  bool CheckOnly = false;  // an option of check's was given
};

// Options anywhere before "--"; "--format X" and "--format=X" alike.
TCommandLine ParseCommandLine(const std::vector<std::string>& Args) {
  TCommandLine Line;
  for (size_t I = 0; I < Args.size() && Line.Problem.empty(); ++I) {
    const std::string& Arg = Args[I];
    if (Arg == "--") {
      Line.Plain.insert(Line.Plain.end(), Args.begin() + static_cast<std::ptrdiff_t>(I) + 1,
                        Args.end());
      break;
    }
    std::string Format;
    if (Arg == "--format" && I + 1 < Args.size())
      Format = Args[++I];
    else if (Arg.starts_with("--format="))
      Format = Arg.substr(9);
    if (Arg == "--format" || Arg.starts_with("--format=")) {
      const std::optional<TFormat> Named = FormatNamed(Format);
      if (!Named)
        Line.Problem = "unknown format \"" + Format + "\" (" + std::string(FormatNames) + ")";
      Line.Check.Format = Named.value_or(TFormat::Text);
      Line.CheckOnly = true;
    } else if (Arg == "--strict" || Arg == "--quiet" || Arg == "-r") {
      (Arg == "--strict"  ? Line.Check.Strict
       : Arg == "--quiet" ? Line.Check.Quiet
                          : Line.Check.Recursive) = true;
      Line.CheckOnly = true;
    } else if (Arg == "--force") {
      Line.Force = true;
    } else if (IsOption(Arg)) {
      Line.Problem = "unknown option \"" + Arg + "\"";
    } else {
      Line.Plain.push_back(Arg);
    }
  }
  return Line;
}

}  // namespace

int RunJsbTool(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err) {
  const auto Options = std::find(Args.begin(), Args.end(), "--");
  if (std::any_of(Args.begin(), Options, IsHelp)) {
    Out << JsbToolUsage;
    return ExitOk;
  }
  if (std::any_of(Args.begin(), Options, IsVersion)) {
    Out << "jsbtool " << CORVANE_VERSION << '\n';
    return ExitOk;
  }
  const TCommandLine Line = ParseCommandLine(Args);
  if (!Line.Problem.empty()) return UsageError(Line.Problem, Err);
  if (Line.Plain.empty()) return UsageError("no command given", Err);
  const std::string& Command = Line.Plain[0];
  const std::vector<std::string> Rest(Line.Plain.begin() + 1, Line.Plain.end());
  if (Line.CheckOnly && Command != "check")
    return UsageError("--strict, --quiet, -r and --format go with check only", Err);
  if (Line.Force && Command != "write") return UsageError("--force goes with write only", Err);
  if (Command == "dump") {
    if (Rest.size() != 1) return UsageError("dump takes exactly one FILE", Err);
    return DumpCommand(Rest[0], Out, Err);
  }
  if (Command == "write") {
    if (Rest.size() != 2) return UsageError("write takes MODEL.json and OUT.jsb", Err);
    return WriteCommand(Rest[0], Rest[1], Line.Force, Err);
  }
  if (Command == "check") {
    if (Rest.empty()) return UsageError("check takes at least one FILE", Err);
    return CheckCommand(Rest, Line.Check, Out, Err);
  }
  return UsageError("unknown command \"" + Command + "\"", Err);
}
