// A stand-in for the simulator server's model: windows, faults, trace and
// configuration the test sets, and a revision that moves on with each change.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "rvsim_window.h"
#include "web_model.h"

namespace webtest {

class ModelDouble : public rvweb::WebModel {
 public:
  Changes Count() override { return {revision_, calls_}; }
  nlohmann::json State() override;
  nlohmann::json TraceSince(uint64_t since, size_t limit) override;
  void AddFault(const rvsim::FaultSpec& fault) override;
  void ClearFaults() override;
  std::string Configure(const rvsim::ServerConfig& config) override;
  void Reset() override;

  // Shows a live window with `caption` at `x`; a new revision.
  void ShowWindow(int32_t handle, int16_t x, const std::string& caption);
  // A call that changed nothing but the trace.
  void AddTraceLine(const std::string& line);
  std::vector<rvsim::FaultSpec> Faults();
  rvsim::ServerConfig Config();

 private:
  std::mutex mutex_;
  std::atomic<uint64_t> revision_{1};
  std::atomic<uint64_t> calls_{0};
  std::vector<RvSimWindow> windows_;
  std::vector<rvsim::FaultSpec> faults_;
  std::vector<std::string> trace_;
  rvsim::ServerConfig config_ = rvsim::DefaultConfig();
};

}  // namespace webtest
