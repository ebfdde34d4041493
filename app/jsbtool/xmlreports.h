// check's problems as the XML that CI test and lint reports read: JUnit (a
// test case per file, failed as check fails it) and Checkstyle (each file
// with its problems).
#pragma once

#include <memory>
#include <ostream>

#include "report.h"

// Strict: a file with any problem fails, as check fails it.
std::unique_ptr<TReport> MakeJunitReport(bool Strict, std::ostream& Out);
std::unique_ptr<TReport> MakeCheckstyleReport(std::ostream& Out);
