// Helpers shared by the model, reader and writer tests.
#pragma once

#include <string>
#include <vector>

#include "beans/jsbreader.h"

// Joins lines with CR LF after each one.
std::string CrLf(const std::vector<std::string>& Lines);

// Reads JSB text (normalised like a file) and collects its notices.
struct TRead {
  TJSBReadResult Result;
  std::vector<std::string> Notices;
};
TRead Read(const std::string& Text, const std::string& FileName = "test.jsb");

// Every field of every object, one line each, for comparing whole models.
std::string Describe(const TJSBean& Bean);
