// Command-line handling of jsbtool: picks the command and checks its
// arguments. Returns the process exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

extern const char* const JsbToolUsage;

// Args are the arguments after the program name.
int RunJsbTool(const std::vector<std::string>& Args, std::ostream& Out, std::ostream& Err);
