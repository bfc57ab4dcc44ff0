// What the web side asks of the simulator server. The server implements it
// over its model and session registry; every call takes the model's own lock,
// so the web side may call from the io_context's threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "sim_config.h"

namespace rvweb {

class WebModel {
 public:
  virtual ~WebModel() = default;

  // Where the model stands: `revision` moves on with every change of the wall,
  // the faults or the configuration; `calls` with every library call served
  // (the trace and the connections' last calls), also one that changed nothing.
  struct Changes {
    uint64_t revision;
    uint64_t calls;
  };
  virtual Changes Count() = 0;
  // The wall and everything beside it, in the shape of StateJson (state_json.h).
  virtual nlohmann::json State() = 0;
  // The trace lines numbered `since` on, oldest first, at most `limit`
  // (TraceJson, state_json.h).
  virtual nlohmann::json TraceSince(uint64_t since, size_t limit) = 0;

  virtual void AddFault(const rvsim::FaultSpec& fault) = 0;
  virtual void ClearFaults() = 0;
  // Replaces the server's configuration (dropping every connection); "" when
  // taken, otherwise why it was refused, and nothing changed.
  virtual std::string Configure(const rvsim::ServerConfig& config) = 0;
  // Drops every connection, fault, counter and the trace; keeps the configuration.
  virtual void Reset() = 0;
};

}  // namespace rvweb
