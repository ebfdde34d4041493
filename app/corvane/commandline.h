// The two informational options of the program, answered before the window
// toolkit starts, so that they need no display.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

extern const char* const CorvaneUsage;

// Args are the arguments after the program name. A command line of exactly
// "--help" or "--version" prints its text to Out and gives the exit status;
// any other command line names a file to open and gives nothing.
std::optional<int> AnswerInfoOption(const std::vector<std::string>& Args, std::ostream& Out);
