// A long generated constructor for the editor and check benchmarks: valid
// JavaScript whatever the number of lines.
#pragma once

#include <QString>

// A tab-indented constructor of the given number of lines, each ended by
// '\n'; every fifth line from the second ends in a line comment.
QString Constructor(int Lines);
