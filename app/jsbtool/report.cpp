#include "report.h"

#include <array>

#include "beans/jsonwriter.h"
#include "sarifreport.h"
#include "xmlreports.h"

namespace {

// The problem lines, then the summary lines when asked for.
class TLineReport : public TReport {
 public:
  TLineReport(bool Summaries, std::ostream& Out) : FSummaries(Summaries), FOut(Out) {}

  void File(const TFileCheck& Check) override {
    for (const TProblem& P : Check.Problems)
      FOut << ProblemLine(Check.Name, P) << '\n';
    if (FSummaries) Summary(Check);
  }

 private:
  // The lines scripts have read since before problems had places: "ok" only
  // when nothing at all would change, then the count of findings.
  void Summary(const TFileCheck& Check) {
    FOut << Check.Name << ": ";
    if (!Check.Valid)
      FOut << "not a JSB file: nothing in it would be kept";
    else if (Check.Lost == 0 && Check.Found == 0)
      FOut << "ok";
    else if (Check.Lost == 0)
      FOut << "every value survives a save and reopen";
    else
      FOut << LostText(Check.Lost);
    FOut << '\n';
    if (Check.Valid && Check.Found)
      FOut << Check.Name << ": " << Check.Found << (Check.Found == 1 ? " finding" : " findings")
           << '\n';
  }

  const bool FSummaries;
  std::ostream& FOut;
};

// {"files": [{"file", "valid", "problems": [...]}...], "summary": {...}},
// handed out a file at a time.
class TJsonReport : public TReport {
 public:
  explicit TJsonReport(std::ostream& Out) : FOut(Out) {
    J.BeginObject();
    J.Key("files");
    J.BeginArray();
  }

  void File(const TFileCheck& Check) override {
    J.BeginObject();
    J.StringMember("file", Check.Name);
    J.BoolMember("valid", Check.Valid);
    J.Key("problems");
    J.BeginArray();
    for (const TProblem& P : Check.Problems) {
      Problem(P);
      ++FCounts[static_cast<size_t>(P.Severity)];
    }
    J.EndArray();
    J.EndObject();
    ++FFiles;
    J.Drain(FOut);
  }

  void Finish() override {
    J.EndArray();
    J.Key("summary");
    J.BeginObject();
    J.NumberMember("files", FFiles);
    for (const TSeverity S : {TSeverity::Error, TSeverity::Warning, TSeverity::Note})
      J.NumberMember(std::string(SeverityName(S)) + "s", FCounts[static_cast<size_t>(S)]);
    J.EndObject();
    J.EndObject();
    J.Drain(FOut);
  }

 private:
  void Problem(const TProblem& P) {
    J.BeginObject();
    J.NumberMember("line", P.Line);
    J.NumberMember("column", P.Column);
    J.StringMember("severity", SeverityName(P.Severity));
    J.StringMember("kind", P.Kind);
    J.StringMember("message", P.Text);
    J.EndObject();
  }

  std::ostream& FOut;
  TJsonWriter J;
  long long FFiles = 0;
  std::array<long long, 3> FCounts{};
};

}  // namespace

std::string ProblemLine(const std::string& File, const TProblem& P) {
  std::string Line = File;
  if (P.Line) Line += ':' + std::to_string(P.Line);
  if (P.Line && P.Column) Line += ':' + std::to_string(P.Column);
  return Line + ": " + SeverityName(P.Severity) + ": " + P.Text + " [" + P.Kind + "]";
}

const char* const FormatNames = "text, gcc, json, sarif, junit or checkstyle";

std::optional<TFormat> FormatNamed(std::string_view Name) {
  const std::pair<const char*, TFormat> Formats[] = {
      {"text", TFormat::Text},   {"gcc", TFormat::Gcc},     {"json", TFormat::Json},
      {"sarif", TFormat::Sarif}, {"junit", TFormat::Junit}, {"checkstyle", TFormat::Checkstyle}};
  for (const auto& [Named, Format] : Formats)
    if (Name == Named) return Format;
  return std::nullopt;
}

std::unique_ptr<TReport> TReport::Make(TFormat Format, bool Quiet, bool Strict, std::ostream& Out) {
  switch (Format) {
    case TFormat::Json:
      return std::make_unique<TJsonReport>(Out);
    case TFormat::Sarif:
      return MakeSarifReport(Out);
    case TFormat::Junit:
      return MakeJunitReport(Strict, Out);
    case TFormat::Checkstyle:
      return MakeCheckstyleReport(Out);
    default:
      return std::make_unique<TLineReport>(Format == TFormat::Text && !Quiet, Out);
  }
}
