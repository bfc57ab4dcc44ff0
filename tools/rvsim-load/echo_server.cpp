#include "echo_server.h"

#include <array>
#include <memory>

namespace rvsimload {
namespace {

namespace asio = boost::asio;
using asio::ip::tcp;
using boost::system::error_code;

class EchoConnection : public std::enable_shared_from_this<EchoConnection> {
 public:
  explicit EchoConnection(tcp::socket socket) : socket_(std::move(socket)) {
    error_code ignored;
    socket_.set_option(tcp::no_delay(true), ignored);
  }

  void Read() {
    auto self = shared_from_this();
    socket_.async_read_some(asio::buffer(buffer_), [self](const error_code& error, size_t bytes) {
      if (!error) self->Write(bytes);
    });
  }

 private:
  void Write(size_t bytes) {
    auto self = shared_from_this();
    asio::async_write(socket_, asio::buffer(buffer_.data(), bytes),
                      [self](const error_code& error, size_t) {
                        if (!error) self->Read();
                      });
  }

  tcp::socket socket_;
  std::array<uint8_t, 8192> buffer_{};
};

}  // namespace

EchoServer::EchoServer(asio::io_context& context)
    : acceptor_(context, tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0)) {
  port_ = acceptor_.local_endpoint().port();
  Accept();
}

void EchoServer::Accept() {
  acceptor_.async_accept([this](const error_code& error, tcp::socket socket) {
    if (error) return;
    std::make_shared<EchoConnection>(std::move(socket))->Read();
    Accept();
  });
}

}  // namespace rvsimload
