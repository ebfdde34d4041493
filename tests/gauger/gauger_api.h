// The gauger library as an outside program sees it: loaded by file name at run time,
// with its exports bound by name.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "gauger.h"

struct GaugerApi {
  decltype(&::getMajorVersion) getMajorVersion = nullptr;
  decltype(&::getMinorVersion) getMinorVersion = nullptr;
  decltype(&::compareStrings) compareStrings = nullptr;
  decltype(&::compareVersions) compareVersions = nullptr;
  decltype(&::direxist) direxist = nullptr;
  decltype(&::fileexist) fileexist = nullptr;
  decltype(&::GetTime) GetTime = nullptr;
};

// Loads the library built with the tests (once); null with *error set when it cannot.
const GaugerApi* load_gauger(std::string* error);

// Takes ownership of a string returned by the library and releases it with free().
std::optional<std::string> take_string(char* text);

// Base of the tests that call the library; a test fails at once when it cannot load.
class GaugerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    api_ = load_gauger(&error);
    ASSERT_NE(api_, nullptr) << error;
  }
  const GaugerApi& api() const { return *api_; }
  std::optional<std::string> major(const std::string& version) const {
    return take_string(api_->getMajorVersion(version.c_str()));
  }
  std::optional<std::string> minor(const std::string& version) const {
    return take_string(api_->getMinorVersion(version.c_str()));
  }

 private:
  const GaugerApi* api_ = nullptr;
};
