#include "app/corvane/recoverywriter.h"

#include "widgets/fileerror.h"

TRecoveryWriter::TRecoveryWriter(TRecoveryStore& Store,
                                 std::function<void(const std::string& Why)> Failed)
    : FStore(Store), FFailed(std::move(Failed)), FThread([this] { Run(); }) {}

TRecoveryWriter::~TRecoveryWriter() {
  {
    const std::lock_guard Hold(FMutex);
    FStopping = true;
  }
  FWake.notify_one();
  FThread.join();
}

void TRecoveryWriter::Write(TRecoveryCopy Copy, std::vector<std::string> Blocks) {
  Ask(TWrite{std::move(Copy), std::move(Blocks)});
}

void TRecoveryWriter::Remove() {
  Ask(std::nullopt);
}

void TRecoveryWriter::Ask(TRequest Request) {
  {
    const std::lock_guard Hold(FMutex);
    FPending = std::move(Request);
  }
  FWake.notify_one();
}

bool TRecoveryWriter::Flush() {
  std::unique_lock Hold(FMutex);
  FDone.wait(Hold, [this] { return !FPending && !FWorking; });
  return FLastDone;
}

// A copy that cannot be written costs the document nothing: the next change
// tries again, and the user is not interrupted every few seconds.
void TRecoveryWriter::Run() {
  std::unique_lock Hold(FMutex);
  for (;;) {
    FWake.wait(Hold, [this] { return FPending || FStopping; });
    if (!FPending) return;
    TRequest Request = std::move(*FPending);
    FPending.reset();
    FWorking = true;
    Hold.unlock();
    bool Done = true;
    try {
      if (Request) {
        for (const std::string& Block : Request->Blocks)
          Request->Copy.Text += Block;
        Request->Blocks.clear();
        FStore.Write(Request->Copy);
      } else {
        FStore.Remove();
      }
    } catch (const EFileError& Error) {
      Done = false;
      if (FFailed) FFailed(Error.what());
    }
    Hold.lock();
    FLastDone = Done;
    FWorking = false;
    FDone.notify_all();
  }
}
