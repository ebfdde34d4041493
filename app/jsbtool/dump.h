// The dump command's output: everything the reader made of a file as one
// JSON object, members in a fixed order, collections in file order.
#pragma once

#include <string>

#include "readfile.h"

std::string DumpJson(const TReadFile& File);
