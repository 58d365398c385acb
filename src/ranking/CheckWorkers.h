// Engine checks in flight, each on a worker thread of its own with its own
// network flags, fetcher and connection. The run's thread hands out checks and
// takes back their outcomes and logs; a check touches nothing the run's thread
// uses (see EngineCheck.h), so no project state, grid or report is ever shared.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ranking/CheckLog.h"
#include "ranking/EngineCheck.h"
#include "ranking/PageFetcher.h"

namespace kestrova {

// One engine check handed to a worker; `slot` is its place in the engine list.
struct CheckJob {
  std::size_t slot = 0;
  std::string keyword;
  std::string engine;
};

// A check that has ended, with all it has to show.
struct CheckDone {
  std::size_t slot = 0;
  CheckOutcome outcome;
  CheckLog log;
};

// How every worker's fetcher is set up, as the run's start sets it.
struct FetcherSetup {
  std::string userAgent;
  std::chrono::milliseconds timeout{0};
  ProxySetting proxy;
};

class CheckWorkers {
 public:
  // `count` workers (at least one). `catalogue`, `parameters` and `makeFetcher`
  // must outlive this object.
  CheckWorkers(int count, const EngineCatalogue& catalogue, const CheckParameters& parameters,
               const PageFetcherFactory& makeFetcher, const FetcherSetup& setup);
  // Stops what is still in flight and waits for every worker to end.
  ~CheckWorkers();
  CheckWorkers(const CheckWorkers&) = delete;
  CheckWorkers& operator=(const CheckWorkers&) = delete;

  int Count() const { return static_cast<int>(workers_.size()); }
  // Checks handed out and not yet taken back.
  int InFlight() const { return inFlight_; }
  // Hands `job` to a free worker; only while InFlight() < Count().
  void Start(CheckJob job);
  // The checks that have ended, waiting up to `wait` for one when none has.
  std::vector<CheckDone> TakeFinished(std::chrono::milliseconds wait);
  // Every check in flight ends at its next step (within one wait slice of its
  // connection); a stopped worker starts no fetch. Cannot be undone.
  void Stop();

 private:
  struct Worker;
  void Work(Worker& worker);

  const EngineCatalogue& catalogue_;
  const CheckParameters& parameters_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable jobReady_, jobDone_;
  std::deque<CheckJob> jobs_;
  std::vector<CheckDone> done_;
  bool closing_ = false;
  int inFlight_ = 0;  // the run's thread alone counts these
  std::vector<std::unique_ptr<Worker>> workers_;
  std::vector<std::thread> threads_;
};

}  // namespace kestrova
