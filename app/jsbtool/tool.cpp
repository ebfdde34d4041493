#include "tool.h"

#include <algorithm>

#include "commands.h"

const char* const JsbToolUsage =
    "Usage: jsbtool dump FILE\n"
    "       jsbtool write [--force] MODEL.json OUT.jsb\n"
    "       jsbtool check FILE...\n"
    "       jsbtool check --strict FILE...\n"
    "       jsbtool --help\n"
    "       jsbtool --version\n"
    "\n"
    "  dump   print what the editor reads from a JSB file as one JSON object\n"
    "  write  write a JSB file from such JSON, exactly as the editor saves it;\n"
    "         values that would not survive a save and reopen are listed as\n"
    "         check lists them, and nothing is written\n"
    "  check  list every value that would not survive a save and reopen, and\n"
    "         every finding: what a save drops or adds besides values (listener\n"
    "         blocks, tags inside values or the constructor, tags without NAME)\n"
    "         as FILE:LINE: KIND: TEXT, and the reader's notices\n"
    "\n"
    "  --strict  check: a finding or a notice fails the check as well\n"
    "  --force   write: write such values all the same (they are still listed)\n"
    "\n"
    "Exit status: 0 done (check: everything survives), 1 values would be lost\n"
    "(check with --strict: or any finding; write: nothing written), 2 usage\n"
    "error, unreadable file or invalid input.\n";

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

int RunJsbTool(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err) {
  if (std::any_of(Args.begin(), Args.end(), IsHelp)) {
    Out << JsbToolUsage;
    return ExitOk;
  }
  if (std::any_of(Args.begin(), Args.end(), IsVersion)) {
    Out << "jsbtool " << CORVANE_VERSION << '\n';
    return ExitOk;
  }
  std::vector<std::string> Plain;
  bool Strict = false, Force = false;
  for (const std::string& Arg : Args) {
    if (Arg == "--strict")
      Strict = true;
    else if (Arg == "--force")
      Force = true;
    else if (IsOption(Arg))
      return UsageError("unknown option \"" + Arg + "\"", Err);
    else
      Plain.push_back(Arg);
  }
  if (Plain.empty()) return UsageError("no command given", Err);
  const std::string& Command = Plain[0];
  const std::vector<std::string> Rest(Plain.begin() + 1, Plain.end());
  if (Strict && Command != "check") return UsageError("--strict goes with check only", Err);
  if (Force && Command != "write") return UsageError("--force goes with write only", Err);
  if (Command == "dump") {
    if (Rest.size() != 1) return UsageError("dump takes exactly one FILE", Err);
    return DumpCommand(Rest[0], Out, Err);
  }
  if (Command == "write") {
    if (Rest.size() != 2) return UsageError("write takes MODEL.json and OUT.jsb", Err);
    return WriteCommand(Rest[0], Rest[1], Force, Err);
  }
  if (Command == "check") {
    if (Rest.empty()) return UsageError("check takes at least one FILE", Err);
    return CheckCommand(Rest, Strict, Out, Err);
  }
  return UsageError("unknown command \"" + Command + "\"", Err);
}
