// The console's controls over the network: configuration in chunks, faults,
// the tracing switch, and the wall and trace read in pages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "server_run.h"
#include "sim_controls.h"
#include "wire_client.h"
#include "wire_reads.h"

namespace rvsimdtest {
namespace {

using rvproto::Kind;

rvproto::Answer Configure(WireClient& client, const std::string& text) {
  rvproto::Answer answer;
  size_t at = 0;
  do {
    rvproto::Request chunk = ControlRequest(Kind::kConfigure);
    chunk.text = text.substr(at, rvproto::kMaxChunkText);
    at += chunk.text.size();
    chunk.flag = at >= text.size();
    answer = client.Ask(chunk);
    EXPECT_EQ(answer.kind, Kind::kConfigure) << answer.error.message;
    EXPECT_EQ(answer.configure.applied, chunk.flag);
  } while (at < text.size() && answer.kind == Kind::kConfigure);
  return answer;
}

int32_t Open(WireClient& client, const char* host = "simulator") {
  rvproto::CallRequest open = CallOf("NTRVOpenVideoConnection");
  open.text = host;
  return client.Call(open).result;
}

class Controls : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(client.Hello()); }

  ServerRun server;
  WireClient client{server.Port()};
};

TEST_F(Controls, LongConfigurationArrivesInChunks) {
  std::string text = "host wall-server\nlimit 40\n";
  for (int id = 1; id <= 200; ++id) {
    text += "source " + std::to_string(id) + " Camera number " + std::to_string(id) +
            " on the long fence\n";
  }
  ASSERT_GT(text.size(), 2 * rvproto::kMaxChunkText);
  const rvproto::Answer applied = Configure(client, text);
  EXPECT_EQ(applied.configure.status, 0) << applied.configure.error;

  EXPECT_EQ(Open(client), -1);
  const int32_t handle = Open(client, "WALL-SERVER");
  EXPECT_EQ(handle, 1001);
  rvproto::CallAnswer count = client.Call(CallOf("NTRVGetNumVideoSources", handle));
  EXPECT_EQ(count.count, 200);
  rvproto::CallRequest info = CallOf("NTRVGetVideoSourceInfo", handle);
  info.byte = 199;
  const rvproto::CallAnswer last = client.Call(info);
  EXPECT_EQ(last.sourceId, 200);
  EXPECT_EQ(last.sourceName, "Camera number 200 on the long fence");

  const rvproto::Answer refused = Configure(client, "host a\nbogus line\n");
  EXPECT_EQ(refused.configure.status, -1);
  EXPECT_EQ(refused.configure.error, "line 2: unknown directive 'bogus'");
}

TEST_F(Controls, WallAndTraceReadInPagesMatchTheServer) {
  ASSERT_EQ(Configure(client, "limit 40\n").configure.status, 0);
  for (int i = 0; i < 37; ++i) {
    const int32_t handle = Open(client);
    rvproto::CallRequest caption = CallOf("NTRVSetVideoCaption", handle);
    caption.text = "window " + std::to_string(i) + std::string(60, '.');
    ASSERT_EQ(client.Call(caption).result, 1);
  }
  const std::vector<RvSimWindow> wall = ReadWall(client);
  uint64_t revision = 0;
  const std::vector<RvSimWindow> held = rvsim::WallSnapshot(server.Sim(), &revision);
  ASSERT_EQ(wall.size(), 37u);
  for (size_t i = 0; i < wall.size(); ++i) EXPECT_EQ(Describe(wall[i]), Describe(held[i]));

  const std::string trace = ReadTrace(client);
  size_t total = 0;
  EXPECT_GT(trace.size(), rvproto::kMaxChunkText);
  EXPECT_EQ(trace, rvsim::TraceSlice(server.Sim(), 0, SIZE_MAX, &total));
}

TEST_F(Controls, FaultsTracingAndRevision) {
  const int32_t handle = Open(client);
  rvproto::Request fault = ControlRequest(Kind::kAddFault);
  fault.fault = {"NTRVHideVideo", 2, 1, 7};
  ASSERT_EQ(client.Ask(fault).kind, Kind::kAddFault);
  const uint64_t before = client.Ask(ControlRequest(Kind::kStats)).stats.revision;
  EXPECT_EQ(client.Call(CallOf("NTRVHideVideo", handle)).result, 1);
  EXPECT_EQ(client.Call(CallOf("NTRVHideVideo", handle)).result, 7);
  EXPECT_EQ(client.Ask(ControlRequest(Kind::kStats)).stats.revision, before)
      << "hiding a hidden window changes nothing";

  rvproto::Request off = ControlRequest(Kind::kSetTracing);
  off.flag = false;
  ASSERT_EQ(client.Ask(off).kind, Kind::kSetTracing);
  ASSERT_EQ(client.Ask(ControlRequest(Kind::kClearTrace)).kind, Kind::kClearTrace);
  rvproto::CallRequest move = CallOf("NTRVSetVideoPosition", handle);
  move.rect[2] = 640;
  EXPECT_EQ(client.Call(move).result, 1);
  EXPECT_EQ(ReadTrace(client), "");
  const rvproto::Answer stats = client.Ask(ControlRequest(Kind::kStats));
  EXPECT_FALSE(stats.stats.tracing);
  EXPECT_GT(stats.stats.revision, before);
  EXPECT_EQ(stats.stats.callCount, 4);
  EXPECT_EQ(stats.stats.openWindows, 1);
  EXPECT_EQ(stats.stats.clientConnections, 1u);

  ASSERT_EQ(client.Ask(ControlRequest(Kind::kClearFaults)).kind, Kind::kClearFaults);
  EXPECT_EQ(client.Call(CallOf("NTRVHideVideo", handle)).result, 1);
}

}  // namespace
}  // namespace rvsimdtest
