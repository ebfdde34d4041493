#include "sarifreport.h"

#include <filesystem>

#include "beans/jsonwriter.h"

namespace {

// A path as a relative URI reference: relative to the current folder where
// it can be, '/' between its parts, and everything but unreserved
// characters and '/' percent-encoded.
std::string RelativeUri(const std::string& Name) {
  static const std::filesystem::path Here = [] {
    std::error_code Error;
    return std::filesystem::current_path(Error);
  }();
  std::string Path = Name;
  if (std::filesystem::path(Name).is_absolute() && !Here.empty()) {
    const std::filesystem::path Relative = std::filesystem::path(Name).lexically_relative(Here);
    if (!Relative.empty()) Path = Relative.generic_string();
  }
  std::string Uri;
  for (const char C : Path) {
    const auto U = static_cast<unsigned char>(C);
    if (std::isalnum(U) || C == '-' || C == '.' || C == '_' || C == '~' || C == '/') {
      Uri += C;
    } else {
      static const char Hex[] = "0123456789ABCDEF";
      Uri += '%';
      Uri += Hex[U >> 4];
      Uri += Hex[U & 15];
    }
  }
  return Uri;
}

void Text(TJsonWriter& J, const char* Key, const std::string& Value) {
  J.Key(Key);
  J.BeginObject();
  J.StringMember("text", Value);
  J.EndObject();
}

int RuleIndex(const std::string& Kind) {
  const std::span<const TProblemKind> Kinds = ProblemKinds();
  for (size_t I = 0; I < Kinds.size(); ++I)
    if (Kind == Kinds[I].Kind) return static_cast<int>(I);
  return -1;
}

// One run of jsbtool, each kind a rule, each problem a result.
class TSarifReport : public TReport {
 public:
  explicit TSarifReport(std::ostream& Out) : FOut(Out) {
    J.BeginObject();
    J.StringMember("$schema", "https://json.schemastore.org/sarif-2.1.0.json");
    J.StringMember("version", "2.1.0");
    J.Key("runs");
    J.BeginArray();
    J.BeginObject();
    Tool();
    J.Key("results");
    J.BeginArray();
  }

  void File(const TFileCheck& Check) override {
    const std::string Uri = RelativeUri(Check.Name);
    for (const TProblem& P : Check.Problems)
      Result(Uri, P);
    J.Drain(FOut);
  }

  void Finish() override {
    J.EndArray();
    J.EndObject();
    J.EndArray();
    J.EndObject();
    J.Drain(FOut);
  }

 private:
  void Tool() {
    J.Key("tool");
    J.BeginObject();
    J.Key("driver");
    J.BeginObject();
    J.StringMember("name", "jsbtool");
    J.StringMember("version", CORVANE_VERSION);
    J.StringMember("informationUri", "https://www.example.com/");
    J.Key("rules");
    J.BeginArray();
    for (const TProblemKind& Kind : ProblemKinds()) {
      J.BeginObject();
      J.StringMember("id", Kind.Kind);
      Text(J, "shortDescription", Kind.Help);
      Text(J, "help", Kind.Help);
      J.Key("defaultConfiguration");
      J.BeginObject();
      J.StringMember("level", SeverityName(Kind.Severity));
      J.EndObject();
      J.EndObject();
    }
    J.EndArray();
    J.EndObject();
    J.EndObject();
  }

  void Result(const std::string& Uri, const TProblem& P) {
    J.BeginObject();
    J.StringMember("ruleId", P.Kind);
    if (const int Index = RuleIndex(P.Kind); Index >= 0) {
      J.NumberMember("ruleIndex", Index);
    }
    J.StringMember("level", SeverityName(P.Severity));
    Text(J, "message", P.Text);
    J.Key("locations");
    J.BeginArray();
    J.BeginObject();
    J.Key("physicalLocation");
    J.BeginObject();
    J.Key("artifactLocation");
    J.BeginObject();
    J.StringMember("uri", Uri);
    J.EndObject();
    if (P.Line) Region(P);
    J.EndObject();
    J.EndObject();
    J.EndArray();
    J.EndObject();
  }

  void Region(const TProblem& P) {
    J.Key("region");
    J.BeginObject();
    J.NumberMember("startLine", P.Line);
    if (P.Column) {
      J.NumberMember("startColumn", P.Column);
    }
    J.EndObject();
  }

  std::ostream& FOut;
  TJsonWriter J;
};

}  // namespace

std::unique_ptr<TReport> MakeSarifReport(std::ostream& Out) {
  return std::make_unique<TSarifReport>(Out);
}
