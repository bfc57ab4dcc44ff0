// The web side's view of the network server: its simulator and its client
// connections. Called on the thread that runs the server's io_context, as
// the server's session list lives there.
#pragma once

#include "server.h"
#include "web_model.h"

namespace rvweb {

class ServerWebModel : public WebModel {
 public:
  explicit ServerWebModel(rvsimd::Server& server) : server_(server) {}

  Changes Count() override;
  nlohmann::json State() override;
  nlohmann::json TraceSince(uint64_t since, size_t limit) override;
  void AddFault(const rvsim::FaultSpec& fault) override;
  void ClearFaults() override;
  std::string Configure(const rvsim::ServerConfig& config) override;
  void Reset() override;

 private:
  rvsimd::Server& server_;
};

}  // namespace rvweb
