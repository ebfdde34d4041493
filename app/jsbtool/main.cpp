// jsbtool: reads, writes and checks JSB files with the editor's own reader
// and writer, for scripts and continuous integration.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> Args(argv + (argc > 0 ? 1 : 0), argv + argc);
  int Status;
  try {
    Status = RunJsbTool(Args, std::cout, std::cerr);
  } catch (const std::exception& E) {
    std::cerr << "jsbtool: " << E.what() << '\n';
    return ExitError;
  }
  // A full disk or a closed pipe must not pass for success.
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "jsbtool: cannot write to standard output\n";
    return ExitError;
  }
  return Status;
}
