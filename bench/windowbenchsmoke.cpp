#include "windowbenchsmoke.h"

#include <QString>
#include <cstdio>
#include <string>
#include <vector>

#include "tempdir.h"
#include "windowbenchopen.h"

namespace {

constexpr int SmokeItems = 45;  // two whole units and single items of each kind

std::vector<std::string> CheckGenerated(const TGeneratedBean& G) {
  std::vector<std::string> Faults;
  if (G.Counts.Total() != SmokeItems) Faults.push_back("generator missed the item count");
  if (CountItems(*G.Bean) != G.Counts) Faults.push_back("generator miscounted its items");
  if (G.Counts.Parameters == 0) Faults.push_back("no parameters, so methods cannot be collapsed");
  return Faults;
}

std::vector<std::string> CheckWindow(const TItemCounts& C, const TOpenResult& R) {
  const TOpenedView& V = R.View;
  std::vector<std::string> Faults;
  const auto Expect = [&](bool Ok, const std::string& What) {
    if (!Ok) Faults.push_back(What);
  };
  Expect(R.Notices == 0, "the reader showed " + std::to_string(R.Notices) + " notices");
  Expect(V.Nodes == C.Total() + 1, "tree has " + std::to_string(V.Nodes) + " nodes, expected " +
                                       std::to_string(C.Total() + 1));
  Expect(V.RootChildren == C.Properties + C.Methods + C.Events + C.Interfaces,
         "root has " + std::to_string(V.RootChildren) + " children");
  Expect(V.MethodNodes == C.Methods, "method nodes missing");
  Expect(V.ParameterNodes == C.Parameters, "parameters not below their methods");
  Expect(V.ExpandedMethods == 0, std::to_string(V.ExpandedMethods) + " method nodes expanded");
  Expect(V.RootExpanded, "root not expanded");
  Expect(V.RootSelected, "root not current and selected");
  Expect(V.Page == "Descriptor", "page shown is \"" + V.Page.toStdString() + "\"");
  return Faults;
}

}  // namespace

int RunWindowSmoke(const std::string& Folder) {
  TTempDir Dir(Folder);
  const std::string File = Dir.File("window-smoke.jsb");
  const TGeneratedBean G = WriteGeneratedFile(SmokeItems, File);
  std::vector<std::string> Faults = CheckGenerated(G);
  const TOpenResult R = TimeOpening(QString::fromStdString(File), 2);
  for (const std::string& F : CheckWindow(G.Counts, R))
    Faults.push_back(F);
  for (const std::string& F : Faults)
    std::fprintf(stderr, "jsbwindowbench --smoke: %s\n", F.c_str());
  if (!Faults.empty()) return 1;
  std::printf("jsbwindowbench --smoke: %d items, %d nodes, page %s: ok\n", G.Counts.Total(),
              R.View.Nodes, R.View.Page.toStdString().c_str());
  return 0;
}
