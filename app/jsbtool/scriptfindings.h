// The constructor's syntax error as a finding: on the file's line that holds
// it, with its column where the reader's text is the file's own.
#pragma once

#include <string_view>
#include <vector>

#include "beans/jsbreader.h"
#include "findings.h"

// Adds the finding, if the constructor has a syntax error, to Findings; Text
// is the file's text as read.
void AddScriptFinding(std::vector<TFinding>& Findings, const TJSBReadResult& Read,
                      std::string_view Text);
