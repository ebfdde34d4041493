#include "peakmemory.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include "beans/jsbreader.h"
#include "quietmessages.h"

std::string SelfPath(const char* Argv0) {
  char Buffer[PATH_MAX];
  const ssize_t N = readlink("/proc/self/exe", Buffer, sizeof Buffer - 1);
  return N > 0 ? std::string(Buffer, static_cast<std::size_t>(N)) : std::string(Argv0);
}

std::size_t PeakResidentBytes() {
  rusage Usage{};
  getrusage(RUSAGE_SELF, &Usage);
  return static_cast<std::size_t>(Usage.ru_maxrss) * 1024;  // Linux reports kilobytes
}

int RunReadMemoryChild(const std::string& FileName) {
  TQuietMessages Quiet;
  const std::size_t Baseline = PeakResidentBytes();
  const TJSBReadResult Result = ReadJSBFile(FileName);
  const std::size_t Peak = PeakResidentBytes();
  if (!Result.Valid) return 1;
  std::printf("%zu %zu %zu\n", Baseline, Peak, Result.Items.size());
  return 0;
}

namespace {

std::string ReadAll(int Fd) {
  std::string Out;
  char Buffer[256];
  for (ssize_t N; (N = read(Fd, Buffer, sizeof Buffer)) > 0;)
    Out.append(Buffer, static_cast<std::size_t>(N));
  return Out;
}

// A line up to its '\n' (not included), or false at the end of the input.
bool ReadLine(int Fd, std::string& Line) {
  Line.clear();
  for (char C; read(Fd, &C, 1) == 1;) {
    if (C == '\n') return true;
    Line += C;
  }
  return false;
}

void WriteAll(int Fd, const std::string& Text) {
  std::size_t Done = 0;
  while (Done < Text.size()) {
    const ssize_t N = write(Fd, Text.data() + Done, Text.size() - Done);
    if (N <= 0) return;
    Done += static_cast<std::size_t>(N);
  }
}

// The helper's loop: one file name in, one answer line out.
[[noreturn]] void ServeProbes(int Requests, int Answers, const std::string& Program) {
  for (std::string File; ReadLine(Requests, File);) {
    std::string Answer = "fail\n";
    try {
      const TPeakMemory M = MeasureReadPeak(Program, File);
      Answer = std::to_string(M.Baseline) + " " + std::to_string(M.Peak) + "\n";
    } catch (const std::exception&) {
    }
    WriteAll(Answers, Answer);
  }
  _exit(0);
}

[[noreturn]] void ExecChild(int WriteFd, const std::string& Program, const std::string& File) {
  dup2(WriteFd, STDOUT_FILENO);
  close(WriteFd);
  execl(Program.c_str(), Program.c_str(), ReadMemoryOption, File.c_str(),
        static_cast<char*>(nullptr));
  _exit(127);
}

}  // namespace

TPeakMemory MeasureReadPeak(const std::string& Program, const std::string& FileName) {
  int Fds[2];
  if (pipe(Fds) != 0) throw std::runtime_error("pipe failed");
  std::fflush(nullptr);
  const pid_t Pid = fork();
  if (Pid < 0) throw std::runtime_error("fork failed");
  if (Pid == 0) {
    close(Fds[0]);
    ExecChild(Fds[1], Program, FileName);
  }
  close(Fds[1]);
  const std::string Output = ReadAll(Fds[0]);
  close(Fds[0]);
  int Status = 0;
  waitpid(Pid, &Status, 0);
  TPeakMemory M;
  std::size_t Items = 0;
  if (!WIFEXITED(Status) || WEXITSTATUS(Status) != 0 ||
      std::sscanf(Output.c_str(), "%zu %zu %zu", &M.Baseline, &M.Peak, &Items) != 3)
    throw std::runtime_error("the memory child failed for " + FileName);
  return M;
}

TMemoryProbe::TMemoryProbe(const std::string& Program) {
  int Requests[2], Answers[2];
  if (pipe(Requests) != 0 || pipe(Answers) != 0) throw std::runtime_error("pipe failed");
  std::fflush(nullptr);
  const pid_t Pid = fork();
  if (Pid < 0) throw std::runtime_error("fork failed");
  if (Pid == 0) {
    close(Requests[1]);
    close(Answers[0]);
    ServeProbes(Requests[0], Answers[1], Program);
  }
  close(Requests[0]);
  close(Answers[1]);
  FRequests = Requests[1];
  FAnswers = Answers[0];
  FPid = Pid;
}

TMemoryProbe::~TMemoryProbe() {
  close(FRequests);
  close(FAnswers);
  int Status = 0;
  waitpid(FPid, &Status, 0);
}

TPeakMemory TMemoryProbe::Measure(const std::string& FileName) {
  WriteAll(FRequests, FileName + "\n");
  std::string Answer;
  TPeakMemory M;
  if (!ReadLine(FAnswers, Answer) ||
      std::sscanf(Answer.c_str(), "%zu %zu", &M.Baseline, &M.Peak) != 2)
    throw std::runtime_error("the memory child failed for " + FileName);
  return M;
}
