// The library's dynamic symbol table holds the seven exports and nothing else.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace {

struct Symbol {
  std::string type;
  std::string name;
};

// Lines of "nm -D --defined-only": "<address> <type> <name>", some without an address.
bool parse_symbol(const std::string& line, Symbol& symbol) {
  std::istringstream fields(line);
  std::string first, second, third;
  fields >> first >> second >> third;
  if (second.empty()) return false;
  symbol = third.empty() ? Symbol{first, second} : Symbol{second, third};
  return true;
}

std::string run(const std::string& command, int& status) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
  std::string output;
  if (pipe == nullptr) return output;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
    output.append(buffer, n);
  status = pclose(pipe.release());
  return output;
}

TEST(GaugerExports, DynamicSymbolTableHoldsExactlyTheSevenFunctions) {
  const std::string nm = GAUGER_NM;
  if (nm.empty()) GTEST_SKIP() << "nm not found: cannot list the dynamic symbol table";
  int status = -1;
  const std::string listing =
      run("'" + nm + "' -D --defined-only '" + std::string(GAUGER_LIBRARY) + "'", status);
  ASSERT_EQ(status, 0) << listing;

  std::set<std::string> names;
  std::istringstream lines(listing);
  for (std::string line; std::getline(lines, line);) {
    Symbol symbol;
    if (!parse_symbol(line, symbol)) continue;
    EXPECT_EQ(symbol.type, "T") << symbol.name << " is exported but is no function";
    names.insert(symbol.name);
  }
  const std::set<std::string> expected = {"getMajorVersion", "getMinorVersion", "compareStrings",
                                          "compareVersions", "direxist",        "fileexist",
                                          "GetTime"};
  EXPECT_EQ(names, expected) << listing;
}

}  // namespace
