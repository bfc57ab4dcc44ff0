#include "remote_calls.h"

#include <memory>

namespace rvsim {
namespace {

constexpr uint8_t kOpen = FunctionNumber("NTRVOpenVideoConnection");
constexpr uint8_t kClose = FunctionNumber("NTRVCloseVideoConnection");
static_assert(kOpen == 0 && kClose == 1);

// One call on a connection of ours; a failed exchange drops the connection.
int32_t Exchange(NetworkConnection& connection, const rvproto::CallRequest& call,
                 rvproto::CallAnswer* answer) {
  std::lock_guard<std::mutex> lock(connection.mutex);
  if (connection.dropped) return 0;
  rvproto::Request request;
  request.kind = rvproto::Kind::kCall;
  request.call = call;
  rvproto::Answer reply;
  if (!connection.link.Exchange(request, &reply) || reply.call.function != call.function) {
    connection.link.Close();
    connection.dropped = true;
    return 0;
  }
  *answer = reply.call;
  return answer->result;
}

}  // namespace

rvproto::CallRequest CallOf(uint8_t function) {
  rvproto::CallRequest call;
  call.function = function;
  return call;
}

int32_t RemoteOpen(const ServerRoute& route) {
  auto connection = std::make_shared<NetworkConnection>();
  connection->server = route.host + ":" + std::to_string(route.port);
  if (!connection->link.Connect(route.host, route.port)) return -1;
  rvproto::CallRequest call = CallOf(kOpen);
  call.text = route.openName;
  rvproto::CallAnswer answer;
  const int32_t serverHandle = Exchange(*connection, call, &answer);
  if (!OpenSucceeded(serverHandle)) return -1;
  connection->serverHandle = serverHandle;
  const int32_t handle = TheNetworkHandles().Add(connection);
  if (handle == -1) connection->link.Close();
  return handle;
}

bool RemoteCall(int32_t handle, rvproto::CallRequest call, rvproto::CallAnswer* answer) {
  if (!MayBeNetworkHandle(handle)) return false;
  const std::shared_ptr<NetworkConnection> connection = call.function == kClose
                                                            ? TheNetworkHandles().Remove(handle)
                                                            : TheNetworkHandles().Find(handle);
  if (connection == nullptr) return false;
  call.handle = connection->serverHandle;
  *answer = rvproto::CallAnswer{};
  answer->result = Exchange(*connection, call, answer);
  if (call.function == kClose) {
    std::lock_guard<std::mutex> lock(connection->mutex);
    connection->link.Close();
    connection->dropped = true;
  }
  return true;
}

}  // namespace rvsim
