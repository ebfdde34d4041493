// The dump command's output: everything the reader made of a file as one
// JSON object, members in a fixed order, collections in file order.
#pragma once

#include <ostream>
#include <string>

#include "readfile.h"

std::string DumpJson(const TReadFile& File);
// The same written to Out as it is made, a block at a time.
void DumpJson(const TReadFile& File, std::ostream& Out);
