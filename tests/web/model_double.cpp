#include "model_double.h"

#include <cstring>

#include "state_json.h"

namespace webtest {

nlohmann::json ModelDouble::State() {
  std::lock_guard<std::mutex> lock(mutex_);
  nlohmann::json windows = nlohmann::json::array();
  for (const RvSimWindow& w : windows_) windows.push_back(rvweb::WindowJson(w));
  nlohmann::json faults = nlohmann::json::array();
  for (const rvsim::FaultSpec& f : faults_) faults.push_back(rvweb::FaultJson(f));
  return {{"revision", revision_.load()},           {"windows", windows},
          {"connections", nlohmann::json::array()}, {"faults", faults},
          {"config", rvweb::ConfigJson(config_)},   {"traceNext", trace_.size()}};
}

nlohmann::json ModelDouble::TraceSince(uint64_t since, size_t limit) {
  std::lock_guard<std::mutex> lock(mutex_);
  nlohmann::json calls = nlohmann::json::array();
  uint64_t seq = since;
  for (; seq < trace_.size() && calls.size() < limit; ++seq) {
    calls.push_back({{"seq", seq}, {"line", trace_[seq]}});
  }
  return {{"first", 0}, {"next", seq}, {"calls", calls}};
}

void ModelDouble::AddFault(const rvsim::FaultSpec& fault) {
  std::lock_guard<std::mutex> lock(mutex_);
  faults_.push_back(fault);
  ++revision_;
}

void ModelDouble::ClearFaults() {
  std::lock_guard<std::mutex> lock(mutex_);
  faults_.clear();
  ++revision_;
}

std::string ModelDouble::Configure(const rvsim::ServerConfig& config) {
  std::lock_guard<std::mutex> lock(mutex_);
  config_ = config;
  windows_.clear();
  ++revision_;
  return "";
}

void ModelDouble::Reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  windows_.clear();
  faults_.clear();
  trace_.clear();
  ++revision_;
}

void ModelDouble::ShowWindow(int32_t handle, int16_t x, const std::string& caption) {
  std::lock_guard<std::mutex> lock(mutex_);
  RvSimWindow window{};
  window.handle = handle;
  window.sourceId = 101;
  std::strncpy(window.sourceName, "CAM1", sizeof window.sourceName - 1);
  window.x = x;
  window.width = 640;
  window.height = 480;
  std::strncpy(window.caption, caption.c_str(), sizeof window.caption - 1);
  window.state = RVSIM_LIVE;
  windows_ = {window};
  ++revision_;
}

void ModelDouble::AddTraceLine(const std::string& line) {
  std::lock_guard<std::mutex> lock(mutex_);
  trace_.push_back(line);
  ++calls_;
}

std::vector<rvsim::FaultSpec> ModelDouble::Faults() {
  std::lock_guard<std::mutex> lock(mutex_);
  return faults_;
}

rvsim::ServerConfig ModelDouble::Config() {
  std::lock_guard<std::mutex> lock(mutex_);
  return config_;
}

}  // namespace webtest
