// The benchmark's result table. MB means 1,000,000 bytes throughout.
#pragma once

#include <cstdio>
#include <vector>

#include "benchsize.h"

void PrintTable(std::FILE* Out, const std::vector<TSizeResult>& Results);

// The ratio of the read times of the largest to the second largest size,
// with the ratio of their sizes for comparison.
// Each size's save beside the copy measured in the same runs.
// The reader's parse rate beside the hand scanner's (ratio above 1: the
// reader is faster).
void PrintParseAnchor(std::FILE* Out, const std::vector<TSizeResult>& Results);
void PrintSaveAnchor(std::FILE* Out, const std::vector<TSizeResult>& Results);
void PrintScaling(std::FILE* Out, const TSizeResult& Smaller, const TSizeResult& Larger);
