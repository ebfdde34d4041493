// Runs one group of page-control tests, named by the first argument, or all.
#include <QApplication>
#include <QStringList>
#include <vector>

int RunExtPageRulesTests(int Argc, char** Argv);
int RunExtPageDrawingTests(int Argc, char** Argv);
int RunExtPageInputTests(int Argc, char** Argv);

int main(int Argc, char** Argv) {
  QApplication App(Argc, Argv);
  QString Group = Argc > 1 ? QString::fromLocal8Bit(Argv[1]) : QString();
  std::vector<char*> Args{Argv[0]};
  for (int I = Group.isEmpty() ? 1 : 2; I < Argc; ++I)
    Args.push_back(Argv[I]);
  const int Count = static_cast<int>(Args.size());
  int Failed = 0;
  if (Group.isEmpty() || Group == "rules") Failed += RunExtPageRulesTests(Count, Args.data());
  if (Group.isEmpty() || Group == "drawing") Failed += RunExtPageDrawingTests(Count, Args.data());
  if (Group.isEmpty() || Group == "input") Failed += RunExtPageInputTests(Count, Args.data());
  return Failed;
}
