#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/video_wall.h"

namespace vpitest {
namespace {

using Lines = std::vector<std::string>;
using Regions = std::vector<int>;

// Every window has its own camera selected, so that it can show video.
class FunctionCommands : public VideoWall {
 protected:
  void SetUp() override {
    VideoWall::SetUp();
    for (int16_t window = 1; window <= kOpenConnections; ++window) {
      Stage("WINDOW", window);
      Stage("SOURCE", window);
      ASSERT_EQ(Command("FSELECT"), VPI_OK);
    }
    Stage("WINDOW", 1);
    Stage("SOURCE", 1);
    RvSimClearTrace();
  }
};

TEST_F(FunctionCommands, EachCommandSendsItsStagedValuesToTheStagedWindow) {
  Stage("WINDOW", 3);
  Stage("SOURCE", 2);
  const struct {
    const char* parameter;
    int16_t value;
    const char* command;
    const char* arguments;
  } cases[] = {
      {"MODE", 3, "FMODE", "3"},
      {"HUE", -1, "FHUE", "255"},
      {"SATURATION", 256, "FSATURATION", "0"},
      {"CONTRAST", 7, "FCONTRAST", "7"},
      {"BRIGHTNESS", 300, "FBRIGHTNESS", "44"},
      {"ZORDER", -2, "FZORDER", "-2"},
      {"ZX", 5, "FZOOM", "5,0,0,0"},
      {"X", -10, "FPOSITION", "-10,0,0,0"},
      {"SOURCE", 2, "FSELECT", "102"},
  };
  const char* libraryCalls[] = {
      "NTRVInsertionMode", "NTRVSetHue",           "NTRVSetSaturation",
      "NTRVSetContrast",   "NTRVSetBrightness",    "NTRVSetZOrder",
      "NTRVSetZoom",       "NTRVSetVideoPosition", "NTRVSelectVideoSource"};
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    ASSERT_EQ(Stage(cases[i].parameter, cases[i].value), VPI_OK);
    RvSimClearTrace();
    EXPECT_EQ(Command(cases[i].command), VPI_OK);
    const std::string expected =
        std::string(libraryCalls[i]) + Line("(%d,", Handle(2)) + cases[i].arguments + ") = 1";
    EXPECT_EQ(Trace(), Lines({expected})) << cases[i].command;
  }
  ASSERT_EQ(station.WriteText("!COLOR", "(1,2,3)"), VPI_OK);
  ASSERT_EQ(station.WriteText("!CAPTION", "Gate"), VPI_OK);
  RvSimClearTrace();
  EXPECT_EQ(Command("FCOLORKEY"), VPI_OK);
  EXPECT_EQ(Command("FCAPTION"), VPI_OK);
  const int32_t h = Handle(2);
  EXPECT_EQ(Trace(), Lines({Line("NTRVColorKey(%d,197121) = 1", h),
                            Line("NTRVSetVideoCaption(%d,\"Gate\") = 1", h)}));
  EXPECT_EQ(LastResult(), 1);
}

TEST_F(FunctionCommands, OnlyTheFlagTypeWithValueOneRunsACommand) {
  ASSERT_EQ(Command("FZOOM"), VPI_OK);
  ASSERT_EQ(LastResult(), 1);
  RvSimClearTrace();
  RvSimAddFault("*", 1, -1, 0);  // a call that slipped through would fail
  EXPECT_EQ(Command("FZOOM", 0), VPI_INVALID);
  EXPECT_EQ(Command("FZOOM", 2), VPI_INVALID);
  EXPECT_EQ(Command("FZOOM", -1), VPI_INVALID);
  VpiValue lowHalfOne{};
  lowHalfOne.value32 = 1;  // value16 is the upper half: 0
  EXPECT_EQ(station.Write("!FZOOM", VPI_TYPE_FLAG, &lowHalfOne), VPI_INVALID);
  EXPECT_EQ(station.WriteNumber("!FZOOM", VPI_TYPE_INT16, 1), VPI_INVALID);
  EXPECT_EQ(Command("fzoom"), VPI_INVALID);
  EXPECT_EQ(Command("FZOOM "), VPI_INVALID);
  EXPECT_EQ(Command("FSTATUS1"), VPI_INVALID);
  EXPECT_EQ(Command("FRESULT"), VPI_INVALID);
  EXPECT_EQ(Trace(), Lines());
  EXPECT_EQ(LastResult(), 1);
}

TEST_F(FunctionCommands, ARefusedCallRecordsFailure) {
  RvSimAddFault("NTRVSetVideoPosition", 1, 1, 0x100);  // low byte 0
  EXPECT_EQ(Command("FPOSITION"), VPI_FAILED);
  EXPECT_EQ(Trace().size(), 1u);
  EXPECT_EQ(LastResult(), 0);
  RvSimAddFault("NTRVSetVideoPosition", 1, 1, 0x201);  // low byte 1
  EXPECT_EQ(Command("FPOSITION"), VPI_OK);
  EXPECT_EQ(LastResult(), 1);
}

TEST_F(FunctionCommands, SourceInfoIsAcceptedWithoutACall) {
  ASSERT_EQ(Command("FZOOM"), VPI_OK);
  RvSimClearTrace();
  Stage("WINDOW", 9);  // no window: FSOURCEINFO reads no index
  EXPECT_EQ(Command("FSOURCEINFO"), VPI_OK);
  EXPECT_EQ(Command("FSOURCEINFO", 0), VPI_INVALID);
  EXPECT_EQ(Trace(), Lines());
  EXPECT_EQ(LastResult(), 1);
}

TEST_F(FunctionCommands, HideVideoNeedsAShownWindow) {
  Stage("WINDOW", 2);
  EXPECT_EQ(Command("FHIDEVIDEO"), VPI_INVALID);
  EXPECT_EQ(Trace(), Lines());
  ASSERT_EQ(Motion(5, 1300, 500, 100, 100), VPI_OK);
  ASSERT_EQ(Motion(2, 700, 0, 100, 100), VPI_OK);
  Stage("SOURCE", 5);
  RvSimClearTrace();
  EXPECT_EQ(Command("FHIDEVIDEO"), VPI_OK);
  EXPECT_EQ(Trace(), Lines({Line("NTRVHideVideo(%d) = 1", Handle(1))}));
  VpiValue status{};
  station.Read("!FSTATUS2", &status);
  EXPECT_EQ(status.half.value16, 0);
  EXPECT_EQ(RegionsOf(1), Regions());
  EXPECT_EQ(data().windowShown[4], 1);
  EXPECT_EQ(RegionsOf(4), Regions({5}));
}

TEST_F(FunctionCommands, MotionHidesTheHoldersOfItsRegions) {
  ASSERT_EQ(Motion(1, 0, 0, 640, 480), VPI_OK);
  RvSimClearTrace();
  ASSERT_EQ(Motion(2, 320, 0, 640, 480), VPI_OK);
  EXPECT_EQ(Trace(), Lines({Line("NTRVHideVideo(%d) = 1", Handle(0)),
                            Line("NTRVMotionVideo(%d) = 1", Handle(1))}));
  EXPECT_EQ(data().windowShown[0], 0);
  EXPECT_EQ(data().windowShown[1], 1);
  EXPECT_EQ(RegionsOf(1), Regions({0, 1}));
}

TEST_F(FunctionCommands, StillVideoFreezesAShownWindow) {
  ASSERT_EQ(Motion(4, 0, 0, 640, 480), VPI_OK);
  RvSimClearTrace();
  EXPECT_EQ(Command("FSTILLVIDEO"), VPI_OK);
  EXPECT_EQ(Trace(), Lines({Line("NTRVStillVideo(%d) = 1", Handle(3))}));
  EXPECT_EQ(data().windowShown[3], 1);
  EXPECT_EQ(RegionsOf(3), Regions({0}));
}

TEST_F(FunctionCommands, MotionStopsWhenAHideIsRefused) {
  ASSERT_EQ(Motion(1, 0, 0, 640, 480), VPI_OK);
  ASSERT_EQ(Motion(2, 700, 0, 100, 100), VPI_OK);
  RvSimClearTrace();
  RvSimAddFault("NTRVHideVideo", 2, 1, 0);
  EXPECT_EQ(Motion(3, 0, 0, 1282, 100), VPI_FAILED);
  EXPECT_EQ(Trace().size(), 2u);  // two hides, no motion
  EXPECT_EQ(LastResult(), 0);
  EXPECT_EQ(data().windowShown[0], 0);
  EXPECT_EQ(data().windowShown[1], 1);
  EXPECT_EQ(data().windowShown[2], 0);
}

TEST_F(FunctionCommands, PositionLeavesTheRecordedRegions) {
  ASSERT_EQ(Motion(1, 0, 0, 640, 480), VPI_OK);
  Stage("X", 1300);
  ASSERT_EQ(Command("FPOSITION"), VPI_OK);
  EXPECT_EQ(RegionsOf(0), Regions({0}));
  RvSimClearTrace();
  ASSERT_EQ(Motion(2, 1300, 0, 100, 100), VPI_OK);  // its new place
  EXPECT_EQ(Trace().size(), 1u);
  EXPECT_EQ(data().windowShown[0], 1);
  ASSERT_EQ(Motion(3, 0, 0, 100, 100), VPI_OK);  // its recorded place
  EXPECT_EQ(data().windowShown[0], 0);
}

TEST_F(FunctionCommands, AWindowWithoutAConnectionIsRefused) {
  const char* commands[] = {"FMODE",       "FCOLORKEY",   "FHUE",     "FSATURATION", "FCONTRAST",
                            "FBRIGHTNESS", "FZOOM",       "FCAPTION", "FZORDER",     "FPOSITION",
                            "FHIDEVIDEO",  "FSTILLVIDEO", "FMOTION",  "FSELECT"};
  const int16_t windows[] = {0, 7, 11, -300};
  for (int16_t window : windows) {
    Stage("WINDOW", window);
    for (const char* command : commands) {
      EXPECT_EQ(Command(command), VPI_INVALID) << command << " window " << window;
    }
  }
  EXPECT_EQ(Trace(), Lines());
  EXPECT_TRUE(station.GuardsIntact());
}

TEST_F(FunctionCommands, SelectNeedsAStoredSource) {
  const int16_t sources[] = {0, 7, -5};
  for (int16_t source : sources) {
    Stage("SOURCE", source);
    EXPECT_EQ(Command("FSELECT"), VPI_INVALID) << source;
  }
  EXPECT_EQ(Trace(), Lines());
  Stage("SOURCE", 6);
  EXPECT_EQ(Command("FSELECT"), VPI_OK);
}

class ManySources : public VideoWall {
  const char* ServerConfig() const override {
    return "source 501 A\nsource 502 B\nsource 503 C\nsource 504 D\nsource 505 E\nsource 506 F\n"
           "source 507 G\nsource 508 H\nsource 509 I\nsource 510 J\nsource 511 K\nsource 512 L\n";
  }
};

TEST_F(ManySources, SelectSendsTheRecordsIdWithinTheTenStored) {
  Stage("SOURCE", 10);
  EXPECT_EQ(Command("FSELECT"), VPI_OK);
  EXPECT_EQ(Trace(), Lines({Line("NTRVSelectVideoSource(%d,510) = 1", Handle(0))}));
  Stage("SOURCE", 11);
  EXPECT_EQ(Command("FSELECT"), VPI_INVALID);
  EXPECT_EQ(Trace().size(), 1u);
}

}  // namespace
}  // namespace vpitest
