// check's problems as one SARIF 2.1.0 log, the form code-scanning services
// ingest: one run, each kind of problem a rule, each problem a result at its
// file (relative to the current folder) and line.
#pragma once

#include <memory>
#include <ostream>

#include "report.h"

std::unique_ptr<TReport> MakeSarifReport(std::ostream& Out);
