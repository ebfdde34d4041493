// A tiny run for the test suite: a small generated file is opened in the
// window and the tree and page are checked. No timing is judged.
#pragma once

#include <string>

// Returns the process exit code: 0 when the window showed the file as it must.
int RunWindowSmoke(const std::string& Folder);
