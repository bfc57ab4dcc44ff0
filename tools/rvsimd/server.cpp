#include "server.h"

#include <utility>

namespace rvsimd {

namespace asio = boost::asio;
using asio::ip::tcp;
using boost::system::error_code;

namespace {

constexpr std::chrono::milliseconds kSweepPeriod{200};

}  // namespace

Server::Server(asio::io_context& context, rvsim::Simulator& sim, const ServerOptions& options,
               std::ostream& log)
    : context_(context),
      sim_(sim),
      options_(options),
      log_(log),
      acceptor_(context),
      sweepTimer_(context) {}

bool Server::Start(std::string* error) {
  error_code failure;
  const asio::ip::address address = asio::ip::make_address(options_.listen, failure);
  if (failure) {
    *error = "bad listen address '" + options_.listen + "'";
    return false;
  }
  const tcp::endpoint endpoint(address, options_.port);
  acceptor_.open(endpoint.protocol(), failure);
  if (!failure) acceptor_.set_option(tcp::acceptor::reuse_address(true), failure);
  if (!failure) acceptor_.bind(endpoint, failure);
  if (!failure) acceptor_.listen(asio::socket_base::max_listen_connections, failure);
  if (failure) {
    *error = "cannot listen on " + options_.listen + ":" + std::to_string(options_.port) + ": " +
             failure.message();
    return false;
  }
  port_ = acceptor_.local_endpoint().port();
  Accept();
  Sweep();
  return true;
}

std::string Server::Address() const {
  return options_.listen + ":" + std::to_string(port_);
}

void Server::Accept() {
  acceptor_.async_accept([this](const error_code& error, tcp::socket socket) {
    if (stopped_) return;
    if (!error) OnAccepted(std::move(socket));
    Accept();
  });
}

void Server::OnAccepted(tcp::socket socket) {
  if (connections_.size() >= static_cast<size_t>(options_.maxConnections)) {
    ++refused_;
    error_code ignored;
    const tcp::endpoint peer = socket.remote_endpoint(ignored);
    log_ << "rvsimd: refused " << peer.address().to_string() << ":" << peer.port() << " ("
         << options_.maxConnections << " connections open, " << refused_ << " refused)"
         << std::endl;
    SendNow(socket, rvproto::ErrorFor(0, rvproto::ErrorCode::kBusy, "connection limit reached"));
    socket.close(ignored);
    return;
  }
  const uint32_t id = nextId_++;
  ConnectionContext context;
  context.sim = &sim_;
  context.log = &log_;
  context.counters = [this] { return counters(); };
  context.finished = [this](uint32_t done) { connections_.erase(done); };
  auto connection = std::make_shared<ClientConnection>(std::move(socket), id, std::move(context));
  connections_[id] = connection;
  connection->Start();
}

void Server::Sweep() {
  sweepTimer_.expires_after(kSweepPeriod);
  sweepTimer_.async_wait([this](const error_code& error) {
    if (error || stopped_) return;
    const Clock::time_point now = Clock::now();
    std::vector<std::shared_ptr<ClientConnection>> open;
    for (const auto& entry : connections_) open.push_back(entry.second);
    for (const auto& connection : open) connection->CheckStall(now, options_.stallTimeout);
    Sweep();
  });
}

void Server::Stop() {
  if (stopped_) return;
  stopped_ = true;
  error_code ignored;
  acceptor_.close(ignored);
  sweepTimer_.cancel();
  std::vector<std::shared_ptr<ClientConnection>> open;
  for (const auto& entry : connections_) open.push_back(entry.second);
  for (const auto& connection : open) connection->Finish("server stopping");
}

std::vector<SessionInfo> Server::sessions() const {
  std::vector<SessionInfo> infos;
  for (const auto& entry : connections_) infos.push_back(entry.second->Info());
  return infos;
}

ServerCounters Server::counters() const {
  ServerCounters counters;
  counters.clientConnections = static_cast<uint32_t>(connections_.size());
  counters.refusedConnections = refused_;
  return counters;
}

}  // namespace rvsimd
