// The web port of the network server over its real simulator: the same
// scenarios as over the model double, then the wall, trace, faults,
// configuration and reset as library calls and REST requests meet.
#include <gtest/gtest.h>

#include <sstream>

#include "io_thread.h"
#include "ntrv_calls.h"
#include "request_scenarios.h"
#include "server.h"
#include "server_web_model.h"
#include "sim_controls.h"
#include "web_server.h"

namespace webtest {
namespace {

using nlohmann::json;

const std::map<std::string, std::string> kJson = {{"Content-Type", "application/json"}};
constexpr rvsim::Owner kOwner = 77;

class ServerWeb : public ::testing::Test {
 protected:
  void SetUp() override {
    {
      std::lock_guard<std::mutex> lock(sim_.mutex);
      rvsim::Configure(sim_, nullptr);
    }
    rvsimd::ServerOptions options;
    options.port = 0;
    server_ = std::make_unique<rvsimd::Server>(io_.io(), sim_, options, log_);
    model_ = std::make_unique<rvweb::ServerWebModel>(*server_);
    web_ = std::make_unique<rvweb::WebServer>(io_.io(), *model_);
    std::string error;
    ASSERT_TRUE(server_->Start(&error)) << error;
    rvweb::WebOptions web;
    web.enabled = true;
    ASSERT_TRUE(web_->Start(web, &error)) << error;
    io_.Run();
  }

  void TearDown() override {
    web_->Stop();
    io_.Stop();
  }

  json Get(const std::string& target) {
    const HttpReply reply = Exchange(web_->Port(), {"GET", target, {}, ""});
    EXPECT_EQ(reply.status, 200) << target << ": " << reply.body;
    return json::parse(reply.body, nullptr, false);
  }

  HttpReply Send(const char* method, const char* target, const std::string& body = "{}") {
    return Exchange(web_->Port(), {method, target, kJson, body});
  }

  // A live window of source 102 at (640, 480), 320 x 240.
  int32_t ShowWindow(const char* caption) {
    const int32_t handle = rvsim::CallOpen(sim_, kOwner, "simulator");
    EXPECT_EQ(rvsim::CallSelectSource(sim_, kOwner, handle, 102), 1);
    EXPECT_EQ(rvsim::CallSetPosition(sim_, kOwner, handle, 640, 480, 320, 240), 1);
    EXPECT_EQ(rvsim::CallSetCaption(sim_, kOwner, handle, caption), 1);
    EXPECT_EQ(rvsim::CallMotion(sim_, kOwner, handle), 1);
    return handle;
  }

  rvsim::Simulator sim_;
  std::ostringstream log_;
  IoThread io_;
  std::unique_ptr<rvsimd::Server> server_;
  std::unique_ptr<rvweb::ServerWebModel> model_;
  std::unique_ptr<rvweb::WebServer> web_;
};

TEST_F(ServerWeb, AnswersEveryScenario) {
  CheckRequestScenarios(web_->Port());
}

TEST_F(ServerWeb, TheWallShowsTheWindowsTheCallsMade) {
  const int32_t handle = ShowWindow("Yard <b>&</b>");
  EXPECT_EQ(rvsim::CallSetZoom(sim_, kOwner, handle, 10, 20, 300, 200), 1);
  EXPECT_EQ(rvsim::CallColorKey(sim_, kOwner, handle, 0x0000FF), 1);
  const json wall = Get("/api/v1/wall");
  ASSERT_EQ(wall["windows"].size(), 1u);
  const json& w = wall["windows"][0];
  EXPECT_EQ(w["handle"], handle);
  EXPECT_EQ(w["source"]["name"], "CAM2");
  EXPECT_EQ(w["x"], 640);
  EXPECT_EQ(w["y"], 480);
  EXPECT_EQ(w["width"], 320);
  EXPECT_EQ(w["caption"], "Yard <b>&</b>");
  EXPECT_EQ(w["zoom"]["width"], 300);
  EXPECT_EQ(w["colorKey"], 255);
  EXPECT_EQ(w["state"], "live");
  EXPECT_EQ(rvsim::CallStill(sim_, kOwner, handle), 1);
  EXPECT_EQ(Get("/api/v1/wall")["windows"][0]["state"], "still");
  EXPECT_EQ(rvsim::CallHide(sim_, kOwner, handle), 1);
  EXPECT_EQ(Get("/api/v1/wall")["windows"][0]["state"], "hidden");
}

TEST_F(ServerWeb, TheTraceIsReadOnFromWhereTheReaderLeftIt) {
  const int32_t handle = ShowWindow("Gate");
  const json all = Get("/api/v1/trace?since=0");
  ASSERT_EQ(all["calls"].size(), 5u);
  EXPECT_EQ(all["calls"][0]["seq"], 0);
  EXPECT_EQ(all["calls"][0]["line"],
            "NTRVOpenVideoConnection(\"simulator\") = " + std::to_string(handle));
  EXPECT_EQ(all["next"], 5);
  const json two = Get("/api/v1/trace?since=1&limit=2");
  ASSERT_EQ(two["calls"].size(), 2u);
  EXPECT_EQ(two["calls"][1]["seq"], 2);
  EXPECT_EQ(two["next"], 3);
  EXPECT_TRUE(Get("/api/v1/trace?since=5")["calls"].empty());
  rvsim::CallHide(sim_, kOwner, handle);
  const json after = Get("/api/v1/trace?since=5");
  ASSERT_EQ(after["calls"].size(), 1u);
  EXPECT_EQ(after["calls"][0]["line"], "NTRVHideVideo(" + std::to_string(handle) + ") = 1");
  EXPECT_EQ(Get("/api/v1/state")["traceNext"], 6);
}

TEST_F(ServerWeb, AFaultAddedOverRestFailsTheNextMatchingCall) {
  const int32_t handle = ShowWindow("Gate");
  HttpReply reply = Send("POST", "/api/v1/faults", R"({"function":"NTRVSetHue","count":1})");
  ASSERT_EQ(reply.status, 201) << reply.body;
  EXPECT_EQ(Get("/api/v1/faults")["faults"][0]["function"], "NTRVSetHue");
  EXPECT_EQ(rvsim::CallSetBrightness(sim_, kOwner, handle, 1), 1);  // another function
  EXPECT_EQ(rvsim::CallSetHue(sim_, kOwner, handle, 9), 0);
  EXPECT_EQ(rvsim::CallSetHue(sim_, kOwner, handle, 9), 1);  // counted once
  EXPECT_TRUE(Get("/api/v1/faults")["faults"].empty());      // a spent rule is dropped
  reply = Send("POST", "/api/v1/faults", R"({"function":"*","count":-1})");
  ASSERT_EQ(reply.status, 201) << reply.body;
  EXPECT_EQ(Send("DELETE", "/api/v1/faults").status, 200);
  EXPECT_TRUE(rvsim::FaultList(sim_).empty());
}

TEST_F(ServerWeb, ConfigurationAndResetEmptyTheWall) {
  ShowWindow("Gate");
  HttpReply reply =
      Send("PUT", "/api/v1/config",
           R"({"hosts":["wall-server"],"sources":[{"id":31,"name":"North Door"}],"limit":2})");
  ASSERT_EQ(reply.status, 200) << reply.body;
  EXPECT_TRUE(Get("/api/v1/wall")["windows"].empty());
  EXPECT_EQ(rvsim::CallOpen(sim_, kOwner, "simulator"), -1);
  const int32_t handle = rvsim::CallOpen(sim_, kOwner, "wall-server");
  EXPECT_EQ(rvsim::CallSelectSource(sim_, kOwner, handle, 31), 1);
  EXPECT_EQ(Get("/api/v1/config")["sources"][0]["name"], "North Door");

  rvsim::AddFault(sim_, {"NTRVHideVideo", 1, 1, 0});
  EXPECT_EQ(Send("POST", "/api/v1/reset").status, 200);
  EXPECT_TRUE(Get("/api/v1/wall")["windows"].empty());
  EXPECT_TRUE(Get("/api/v1/faults")["faults"].empty());
  EXPECT_EQ(Get("/api/v1/config")["hosts"][0], "wall-server");  // the configuration stays
}

TEST(TraceNumbering, LinesKeepTheirNumbersAsOldOnesAreDroppedAndCleared) {
  rvsim::CallTrace trace;
  const std::string padding(100, 'x');
  const int lines = static_cast<int>(rvsim::kTraceLimit / 100) + 500;
  for (int i = 0; i < lines; ++i) trace.Add("F", std::to_string(i) + padding, 1);
  EXPECT_EQ(trace.NextSeq(), static_cast<uint64_t>(lines));
  ASSERT_GT(trace.FirstSeq(), 0u);
  const std::vector<rvsim::TraceLine> oldest = trace.LinesSince(0, 3);
  ASSERT_EQ(oldest.size(), 3u);
  for (const rvsim::TraceLine& line : oldest) {
    EXPECT_EQ(line.line, "F(" + std::to_string(line.seq) + padding + ") = 1");
  }
  EXPECT_EQ(oldest[0].seq, trace.FirstSeq());
  const std::vector<rvsim::TraceLine> newest = trace.LinesSince(lines - 1, 10);
  ASSERT_EQ(newest.size(), 1u);
  EXPECT_EQ(newest[0].line, "F(" + std::to_string(lines - 1) + padding + ") = 1");
  trace.Clear();
  trace.Add("G", "", 1);
  const std::vector<rvsim::TraceLine> after = trace.LinesSince(0, 10);
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].seq, static_cast<uint64_t>(lines));
  EXPECT_EQ(after[0].line, "G() = 1");
}

}  // namespace
}  // namespace webtest
