#include "xmlreports.h"

#include "beans/encoding.h"

namespace {

// Text as an XML attribute or element's content: valid UTF-8 (other bytes
// taken as Latin-1), markup escaped, and the control characters XML cannot
// hold shown as '?'.
std::string Escaped(const std::string& Text) {
  const std::string Utf8 = IsValidUtf8(Text) ? Text : ToUtf8(Text, TTextEncoding::Latin1);
  std::string Out;
  Out.reserve(Utf8.size());
  for (const char C : Utf8) {
    switch (C) {
      case '&':
        Out += "&amp;";
        break;
      case '<':
        Out += "&lt;";
        break;
      case '>':
        Out += "&gt;";
        break;
      case '"':
        Out += "&quot;";
        break;
      case '\'':
        Out += "&apos;";
        break;
      default:
        Out += static_cast<unsigned char>(C) < 0x20 && C != '\t' ? '?' : C;
    }
  }
  return Out;
}

std::string Attribute(const char* Name, const std::string& Value) {
  return std::string(" ") + Name + "=\"" + Escaped(Value) + "\"";
}

const char* const Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

// The problems of a file on lines of their own, as the text format has them.
std::string ProblemLines(const TFileCheck& Check) {
  std::string Lines;
  for (const TProblem& P : Check.Problems)
    Lines += ProblemLine(Check.Name, P) + '\n';
  return Lines;
}

// The suite's counts come first, so its cases are kept until the end.
class TJunitReport : public TReport {
 public:
  TJunitReport(bool Strict, std::ostream& Out) : FStrict(Strict), FOut(Out) {}

  void File(const TFileCheck& Check) override {
    ++FTests;
    FCases += "    <testcase" + Attribute("classname", "jsbtool.check") +
              Attribute("name", Check.Name) + Attribute("file", Check.Name);
    if (!Fails(Check, FStrict)) {
      FCases += ProblemsOut(Check, "/>\n");
      return;
    }
    ++FFailures;
    const TProblem& First = Check.Problems.front();
    FCases += ">\n      <failure" + Attribute("message", First.Text) +
              Attribute("type", First.Kind) + ">" + Escaped(ProblemLines(Check)) +
              "</failure>\n    </testcase>\n";
  }

  void Finish() override {
    const std::string Counts = Attribute("tests", std::to_string(FTests)) +
                               Attribute("failures", std::to_string(FFailures)) +
                               Attribute("errors", "0");
    FOut << Declaration << "<testsuites" << Attribute("name", "jsbtool check") << Counts
         << ">\n  <testsuite" << Attribute("name", "jsbtool check") << Counts << ">\n"
         << FCases << "  </testsuite>\n</testsuites>\n";
  }

 private:
  // A passing file's problems, when it has any, as its output.
  static std::string ProblemsOut(const TFileCheck& Check, const char* Empty) {
    if (Check.Problems.empty()) return Empty;
    return ">\n      <system-out>" + Escaped(ProblemLines(Check)) +
           "</system-out>\n    </testcase>\n";
  }

  const bool FStrict;
  std::ostream& FOut;
  std::string FCases;
  long long FTests = 0, FFailures = 0;
};

class TCheckstyleReport : public TReport {
 public:
  explicit TCheckstyleReport(std::ostream& Out) : FOut(Out) {
    FOut << Declaration << "<checkstyle version=\"4.3\">\n";
  }

  void File(const TFileCheck& Check) override {
    FOut << "  <file" << Attribute("name", Check.Name) << ">\n";
    for (const TProblem& P : Check.Problems) {
      FOut << "    <error" << Attribute("line", std::to_string(P.Line));
      if (P.Column) FOut << Attribute("column", std::to_string(P.Column));
      FOut << Attribute("severity",
                        P.Severity == TSeverity::Note ? "info" : SeverityName(P.Severity))
           << Attribute("message", P.Text) << Attribute("source", "jsbtool." + P.Kind) << "/>\n";
    }
    FOut << "  </file>\n";
  }

  void Finish() override { FOut << "</checkstyle>\n"; }

 private:
  std::ostream& FOut;
};

}  // namespace

std::unique_ptr<TReport> MakeJunitReport(bool Strict, std::ostream& Out) {
  return std::make_unique<TJunitReport>(Strict, Out);
}

std::unique_ptr<TReport> MakeCheckstyleReport(std::ostream& Out) {
  return std::make_unique<TCheckstyleReport>(Out);
}
