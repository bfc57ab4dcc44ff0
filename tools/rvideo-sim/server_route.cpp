#include "server_route.h"

#include <atomic>
#include <cstdlib>

namespace rvsim {
namespace {

// A whole decimal number from `low` to `high`; `fallback` otherwise.
long NumberOr(const char* text, long low, long high, long fallback) {
  if (text == nullptr || *text < '0' || *text > '9') return fallback;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (*end != '\0' || value < low || value > high) return fallback;
  return value;
}

std::atomic<bool> networkAllowed{true};

NetworkSettings ReadSettings() {
  NetworkSettings settings;
  const char* server = std::getenv("RVSIM_SERVER");
  settings.server = server == nullptr ? "" : server;
  settings.port =
      static_cast<uint16_t>(NumberOr(std::getenv("RVSIM_PORT"), 1, 65535, kDefaultServerPort));
  settings.connectTimeoutMs = static_cast<int>(
      NumberOr(std::getenv("RVSIM_CONNECT_TIMEOUT_MS"), 1, kLongestTimeoutMs, kDefaultTimeoutMs));
  settings.callTimeoutMs = static_cast<int>(
      NumberOr(std::getenv("RVSIM_CALL_TIMEOUT_MS"), 1, kLongestTimeoutMs, kDefaultTimeoutMs));
  return settings;
}

}  // namespace

const NetworkSettings& Settings() {
  static const NetworkSettings settings = ReadSettings();
  return settings;
}

bool SplitHostPort(const std::string& text, std::string* host, uint16_t* port) {
  const size_t colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  const long number = NumberOr(text.c_str() + colon + 1, 1, 65535, 0);
  if (number == 0) return false;
  std::string name = text.substr(0, colon);
  if (name.size() > 2 && name.front() == '[' && name.back() == ']') {
    name = name.substr(1, name.size() - 2);
  }
  *host = name;
  *port = static_cast<uint16_t>(number);
  return true;
}

ServerRoute RouteFor(const char* hostName) {
  ServerRoute route;
  if (hostName == nullptr || !networkAllowed) return route;
  const NetworkSettings& settings = Settings();
  if (!settings.server.empty()) {
    route.network = true;
    route.openName = hostName;
    if (!SplitHostPort(settings.server, &route.host, &route.port)) {
      route.host = settings.server;
      route.port = settings.port;
    }
    return route;
  }
  route.network = SplitHostPort(hostName, &route.host, &route.port);
  if (route.network) route.openName = route.host;
  return route;
}

void SetNetworkAllowed(bool allowed) {
  networkAllowed = allowed;
}

}  // namespace rvsim
