#include "ranking/CheckWorkers.h"

#include <algorithm>

namespace kestrova {
namespace {

// A worker's messenger: a Stop of the run reaches the check at its next yield
// as the Stop action reaches a one-at-a-time run; a message a fetch would show
// is noted in the check's log for the run's thread.
class WorkerMessenger final : public Messenger {
 public:
  WorkerMessenger(const std::atomic<bool>& stop, NetworkState& net) : stop_(stop), net_(net) {}

  void Attach(PageFetcher* fetcher) { fetcher_ = fetcher; }
  void SetLog(CheckLog* log) { log_ = log; }

  MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageButtons,
                            MessageIcon icon) override {
    if (log_ != nullptr) log_->Message(text, title, icon);
    return MessageAnswer::Ok;
  }
  void SetBusy(bool) override {}
  void Yield() override {
    if (!stop_.load(std::memory_order_relaxed) || net_.StopRequested) return;
    RequestStop(net_);
    if (fetcher_ != nullptr) fetcher_->CancelTransfer();
  }

 private:
  const std::atomic<bool>& stop_;
  NetworkState& net_;
  PageFetcher* fetcher_ = nullptr;
  CheckLog* log_ = nullptr;
};

// Once the run is stopped no fetch starts: the check sees Stop at once and
// ends after the page it is on, with nothing more asked of the network.
class StoppableFetcher final : public PageFetcher {
 public:
  StoppableFetcher(PageFetcher& inner, const std::atomic<bool>& stop, NetworkState& net)
      : inner_(inner), stop_(stop), net_(net) {}

  FetchResult GetPage(const std::string& host, const std::string& path, bool post,
                      Deadline deadline) override {
    if (Stopped()) return Refused();
    return inner_.GetPage(host, path, post, deadline);
  }
  FetchResult HeadPage(const std::string& host, const std::string& path,
                       Deadline deadline) override {
    if (Stopped()) return Refused();
    return inner_.HeadPage(host, path, deadline);
  }
  void SetTimeout(std::chrono::milliseconds timeout) override { inner_.SetTimeout(timeout); }
  void SetProxy(const ProxySetting& proxy) override { inner_.SetProxy(proxy); }
  void CancelTransfer() override { inner_.CancelTransfer(); }

 private:
  bool Stopped() const { return stop_.load(std::memory_order_relaxed); }
  // As the client does when Stop is there at its first yield: a fetch that
  // never started did not time out either.
  FetchResult Refused() {
    net_.TimedOut = false;
    RequestStop(net_);
    FetchResult result;
    result.failure = FetchFailure::Stopped;
    return result;
  }

  PageFetcher& inner_;
  const std::atomic<bool>& stop_;
  NetworkState& net_;
};

}  // namespace

struct CheckWorkers::Worker {
  Worker(const std::atomic<bool>& stop, const PageFetcherFactory& makeFetcher,
         const FetcherSetup& setup)
      : messenger(stop, net) {
    net.UserAgent = setup.userAgent;
    fetcher = makeFetcher(net, messenger);
    fetcher->SetTimeout(setup.timeout);
    fetcher->SetProxy(setup.proxy);
    messenger.Attach(fetcher.get());
    guarded = std::make_unique<StoppableFetcher>(*fetcher, stop, net);
  }

  NetworkState net;
  WorkerMessenger messenger;
  std::unique_ptr<PageFetcher> fetcher;
  std::unique_ptr<StoppableFetcher> guarded;
};

CheckWorkers::CheckWorkers(int count, const EngineCatalogue& catalogue,
                           const CheckParameters& parameters, const PageFetcherFactory& makeFetcher,
                           const FetcherSetup& setup)
    : catalogue_(catalogue), parameters_(parameters) {
  // The fetchers are made here, on the run's thread, so a factory need not be
  // safe to call from several threads at once.
  for (int i = 0; i < std::max(count, 1); ++i) {
    workers_.push_back(std::make_unique<Worker>(stop_, makeFetcher, setup));
  }
  for (auto& worker : workers_) {
    threads_.emplace_back([this, &worker = *worker] { Work(worker); });
  }
}

CheckWorkers::~CheckWorkers() {
  Stop();
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
  }
  jobReady_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

void CheckWorkers::Start(CheckJob job) {
  ++inFlight_;
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
  }
  jobReady_.notify_one();
}

std::vector<CheckDone> CheckWorkers::TakeFinished(std::chrono::milliseconds wait) {
  std::vector<CheckDone> finished;
  {
    std::unique_lock lock(mutex_);
    jobDone_.wait_for(lock, wait, [this] { return !done_.empty(); });
    finished.swap(done_);
  }
  inFlight_ -= static_cast<int>(finished.size());
  return finished;
}

void CheckWorkers::Stop() {
  stop_.store(true, std::memory_order_relaxed);
}

void CheckWorkers::Work(Worker& worker) {
  for (;;) {
    CheckJob job;
    {
      std::unique_lock lock(mutex_);
      jobReady_.wait(lock, [this] { return closing_ || !jobs_.empty(); });
      if (closing_) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    CheckDone done;
    done.slot = job.slot;
    worker.messenger.SetLog(&done.log);
    CheckServices services{catalogue_,      parameters_,      worker.net,
                           *worker.guarded, worker.messenger, done.log};
    done.outcome = CheckEngine(services, job.keyword, job.engine);
    worker.messenger.SetLog(nullptr);
    {
      std::lock_guard lock(mutex_);
      done_.push_back(std::move(done));
    }
    jobDone_.notify_one();
  }
}

}  // namespace kestrova
