#include "app/corvane/commandline.h"

const char* const CorvaneUsage =
    "Usage: corvane [FILE]\n"
    "       corvane --help\n"
    "       corvane --version\n"
    "\n"
    "Starts the JSB editor, opening FILE when one is given. All arguments are\n"
    "joined by single spaces into one file name, so that a path with blanks\n"
    "needs no quotes: corvane My File.jsb opens \"My File.jsb\".\n"
    "\n"
    "--help and --version are options only when they stand alone; a file of\n"
    "either name opens as ./--help or ./--version.\n";

std::optional<int> AnswerInfoOption(const std::vector<std::string>& Args, std::ostream& Out) {
  if (Args.size() != 1) return std::nullopt;
  if (Args[0] == "--help") {
    Out << CorvaneUsage;
  } else if (Args[0] == "--version") {
    Out << "corvane " << CORVANE_VERSION << '\n';
  } else {
    return std::nullopt;
  }
  Out.flush();
  return Out ? 0 : 1;  // a closed pipe or a full disk is no success
}
