#include "tool.h"

#include <algorithm>

#include "commands.h"

const char* const JsbToolUsage =
    "Usage: jsbtool dump FILE\n"
    "       jsbtool write MODEL.json OUT.jsb\n"
    "       jsbtool check FILE...\n"
    "       jsbtool --help\n"
    "       jsbtool --version\n"
    "\n"
    "  dump   print what the editor reads from a JSB file as one JSON object\n"
    "  write  write a JSB file from such JSON, exactly as the editor saves it\n"
    "  check  list every value that would not survive a save and reopen\n"
    "\n"
    "Exit status: 0 done (check: everything survives), 1 check found values\n"
    "that would be lost, 2 usage error, unreadable file or invalid input.\n";

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
  if (Args.empty()) return UsageError("no command given", Err);
  const auto Option = std::find_if(Args.begin(), Args.end(), IsOption);
  if (Option != Args.end()) return UsageError("unknown option \"" + *Option + "\"", Err);
  const std::string& Command = Args[0];
  const std::vector<std::string> Rest(Args.begin() + 1, Args.end());
  if (Command == "dump") {
    if (Rest.size() != 1) return UsageError("dump takes exactly one FILE", Err);
    return DumpCommand(Rest[0], Out, Err);
  }
  if (Command == "write") {
    if (Rest.size() != 2) return UsageError("write takes MODEL.json and OUT.jsb", Err);
    return WriteCommand(Rest[0], Rest[1], Err);
  }
  if (Command == "check") {
    if (Rest.empty()) return UsageError("check takes at least one FILE", Err);
    return CheckCommand(Rest, Out, Err);
  }
  return UsageError("unknown command \"" + Command + "\"", Err);
}
