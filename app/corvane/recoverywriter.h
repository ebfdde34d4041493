// Writes and removes this session's recovery copy on a thread of its own, so
// that a large copy never holds the window up while it is written and synced.
// Requests are carried out in the order made; a write still waiting is
// dropped for a newer request, which makes it stale anyway.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/corvane/recoverystore.h"

class TRecoveryWriter {
 public:
  // Failed is told, on the writer's thread, why a request failed.
  explicit TRecoveryWriter(TRecoveryStore& Store,
                           std::function<void(const std::string& Why)> Failed = {});
  // Carries out what was asked, then stops.
  ~TRecoveryWriter();
  TRecoveryWriter(const TRecoveryWriter&) = delete;
  TRecoveryWriter& operator=(const TRecoveryWriter&) = delete;

  // The copy's text is its Text followed by the Blocks, joined here.
  void Write(TRecoveryCopy Copy, std::vector<std::string> Blocks = {});
  void Remove();
  // Waits until nothing asked is left to do; false when the last request
  // carried out failed (the copy could not be written or removed).
  bool Flush();

 private:
  // None: remove the copy.
  struct TWrite {
    TRecoveryCopy Copy;
    std::vector<std::string> Blocks;
  };
  using TRequest = std::optional<TWrite>;
  void Ask(TRequest Request);
  void Run();

  TRecoveryStore& FStore;
  const std::function<void(const std::string&)> FFailed;
  std::mutex FMutex;
  std::condition_variable FWake, FDone;
  std::optional<TRequest> FPending;
  bool FWorking = false, FStopping = false, FLastDone = true;
  std::thread FThread;
};
