// The web port over a model double: the API's answers and refusals, the
// token, and the event stream's coalescing and clean-up.
#include <gtest/gtest.h>

#include <thread>

#include "io_thread.h"
#include "model_double.h"
#include "request_scenarios.h"
#include "web_server.h"

namespace webtest {
namespace {

using namespace std::chrono_literals;
using nlohmann::json;

const std::map<std::string, std::string> kJson = {{"Content-Type", "application/json"}};

class WebPort : public ::testing::Test {
 protected:
  void TearDown() override { Stop(); }

  void Start(rvweb::WebOptions options = {}) {
    options.enabled = true;
    server_ = std::make_unique<rvweb::WebServer>(io_.io(), model_);
    std::string error;
    ASSERT_TRUE(server_->Start(options, &error)) << error;
    io_.Run();
  }

  void Stop() {
    if (server_ != nullptr) server_->Stop();
    io_.Stop();
  }

  unsigned short port() const { return server_->Port(); }

  HttpReply Send(const char* method, const char* target, const std::string& body = "{}",
                 std::map<std::string, std::string> headers = kJson) {
    return Exchange(port(), {method, target, std::move(headers), body});
  }

  // Waits up to five seconds for `condition`.
  template <typename Condition>
  static bool Eventually(Condition condition) {
    for (int i = 0; i < 500 && !condition(); ++i) std::this_thread::sleep_for(10ms);
    return condition();
  }

  IoThread io_;
  ModelDouble model_;
  std::unique_ptr<rvweb::WebServer> server_;
};

TEST_F(WebPort, AnswersEveryScenario) {
  Start();
  CheckRequestScenarios(port());
}

TEST_F(WebPort, ChangesReachTheModel) {
  Start();
  HttpReply reply =
      Send("POST", "/api/v1/faults", R"({"function":"NTRVSetHue","from":2,"count":-1,"result":7})");
  EXPECT_EQ(reply.status, 201) << reply.body;
  ASSERT_EQ(model_.Faults().size(), 1u);
  EXPECT_EQ(model_.Faults()[0].function, "NTRVSetHue");
  EXPECT_EQ(model_.Faults()[0].from, 2);
  EXPECT_EQ(model_.Faults()[0].count, -1);
  EXPECT_EQ(model_.Faults()[0].result, 7);
  EXPECT_EQ(json::parse(Send("GET", "/api/v1/faults", "", {}).body)["faults"][0]["result"], 7);
  EXPECT_EQ(Send("DELETE", "/api/v1/faults").status, 200);
  EXPECT_TRUE(model_.Faults().empty());

  reply = Send("PUT", "/api/v1/config",
               R"({"hosts":["wall-server"],"sources":[{"id":31,"name":"North Door"}],"limit":3})");
  EXPECT_EQ(reply.status, 200) << reply.body;
  const rvsim::ServerConfig config = model_.Config();
  EXPECT_EQ(config.hosts, std::vector<std::string>{"wall-server"});
  ASSERT_EQ(config.sources.size(), 1u);
  EXPECT_EQ(config.sources[0].name, "North Door");
  EXPECT_EQ(config.connectionLimit, 3);
  EXPECT_EQ(json::parse(reply.body)["sources"][0]["id"], 31);

  model_.ShowWindow(1001, 0, "Gate");
  EXPECT_EQ(json::parse(Send("GET", "/api/v1/wall", "", {}).body)["windows"].size(), 1u);
  EXPECT_EQ(Send("POST", "/api/v1/reset").status, 200);
  EXPECT_TRUE(json::parse(Send("GET", "/api/v1/wall", "", {}).body)["windows"].empty());
}

TEST_F(WebPort, AHeadAnswersTheLengthWithoutTheBody) {
  Start();
  HttpReply get = Send("GET", "/", "", {});
  HttpReply head = Exchange(port(), {"HEAD", "/", {}, ""});
  EXPECT_EQ(head.status, 200);
  EXPECT_EQ(head.headers["content-length"], std::to_string(get.body.size()));
  EXPECT_NE(get.headers["content-security-policy"].find("default-src 'self'"), std::string::npos);
}

TEST_F(WebPort, WithATokenOnlyChangesNeedIt) {
  rvweb::WebOptions options;
  options.token = "s3cret";
  options.names = {"wall.example"};
  Start(options);
  HttpReply reply = Send("POST", "/api/v1/reset");
  EXPECT_EQ(reply.status, 401);
  EXPECT_EQ(reply.headers["www-authenticate"], "Bearer");
  EXPECT_EQ(Send("POST", "/api/v1/reset", "{}",
                 {{"Content-Type", "application/json"}, {"Authorization", "Bearer s3cre"}})
                .status,
            401);
  EXPECT_EQ(Send("POST", "/api/v1/reset", "{}",
                 {{"Content-Type", "application/json"}, {"Authorization", "Bearer s3cret"}})
                .status,
            200);
  EXPECT_EQ(Send("GET", "/api/v1/state", "", {}).status, 200);
  // A configured name is as good as the address.
  EXPECT_EQ(Send("GET", "/api/v1/state", "", {{"Host", "wall.example"}}).status, 200);
}

TEST_F(WebPort, BeyondLoopbackItDoesNotStartWithoutAToken) {
  rvweb::WebOptions options;
  options.enabled = true;
  options.listen = "0.0.0.0";
  rvweb::WebServer server(io_.io(), model_);
  std::string error;
  EXPECT_FALSE(server.Start(options, &error));
  EXPECT_NE(error.find("--token"), std::string::npos) << error;
  options.listen = "not-an-address";
  options.token = "t";
  EXPECT_FALSE(server.Start(options, &error));
}

TEST_F(WebPort, TheStreamCoalescesABurstAndEndsOnTheNewestState) {
  Start();
  EventReader reader(port());
  const std::vector<std::string> first = reader.Read(2s, 1);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(reader.status(), 200);
  EXPECT_EQ(json::parse(first[0])["screen"]["rows"], 2);

  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 400; ++i) {
    model_.ShowWindow(1001, static_cast<int16_t>(i), "burst " + std::to_string(i));
    if (i % 20 == 0) std::this_thread::sleep_for(5ms);
  }
  const auto burst = std::chrono::steady_clock::now() - start;
  const std::vector<std::string> events = reader.Read(500ms);
  ASSERT_FALSE(events.empty());
  // One push per 25 ms interval at most, plus the one under way when the burst began.
  const auto intervals = std::chrono::duration_cast<std::chrono::milliseconds>(burst).count() / 25;
  EXPECT_LE(events.size(), static_cast<size_t>(intervals + 3)) << "burst of " << intervals;
  const json last = json::parse(events.back());
  EXPECT_EQ(last["windows"][0]["caption"], "burst 399");
  EXPECT_EQ(last["revision"], model_.Count().revision);
  EXPECT_TRUE(reader.Read(200ms).empty());  // nothing more once the state holds still
}

TEST_F(WebPort, CallsThatChangeNothingElseArePushedAtASlowerPace) {
  Start();
  EventReader reader(port());
  ASSERT_EQ(reader.Read(2s, 1).size(), 1u);
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 100; ++i) {
    model_.AddTraceLine("NTRVGetNumVideoSources(1001) = 1");
    std::this_thread::sleep_for(5ms);
  }
  const auto polling = std::chrono::steady_clock::now() - start;
  const std::vector<std::string> events = reader.Read(600ms);
  ASSERT_FALSE(events.empty());
  const auto paces = std::chrono::duration_cast<std::chrono::milliseconds>(polling).count() / 250;
  EXPECT_LE(events.size(), static_cast<size_t>(paces + 2)) << "over " << paces << " paces";
  const json last = json::parse(events.back());
  EXPECT_EQ(last["traceNext"], 100);  // in the end every call is told of
  EXPECT_EQ(last["trace"].size(), 100u);
}

TEST_F(WebPort, APageThatLeavesIsDropped) {
  Start();
  {
    EventReader first(port());
    EventReader second(port());
    ASSERT_EQ(first.Read(2s, 1).size(), 1u);
    ASSERT_EQ(second.Read(2s, 1).size(), 1u);
    EXPECT_EQ(server_->Watchers(), 2u);
  }
  EXPECT_TRUE(Eventually([&] { return server_->Watchers() == 0; })) << server_->Watchers();
}

}  // namespace
}  // namespace webtest
