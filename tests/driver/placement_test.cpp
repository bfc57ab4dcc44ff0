#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/video_wall.h"

namespace vpitest {
namespace {

using Lines = std::vector<std::string>;
using Regions = std::vector<int>;

class ShowWindow : public VideoWall {
 protected:
  // The five calls that show `source` in window w at a place.
  Lines ShowCalls(int w, int id, const char* place, const char* caption, int zOrder) {
    const int32_t h = Handle(w);
    return {Line("NTRVSelectVideoSource(%d,%d) = 1", h, id),
            Line("NTRVSetVideoPosition(%d,%s) = 1", h, place), Line("NTRVMotionVideo(%d) = 1", h),
            Line("NTRVSetVideoCaption(%d,\"%s\") = 1", h, caption),
            Line("NTRVSetZOrder(%d,%d) = 1", h, zOrder)};
  }
};

TEST_F(ShowWindow, ShowsTheNamedSourceInItsOwnWindow) {
  ASSERT_EQ(Show("(CAM2,10,-20,300,200,-3,Gate)"), VPI_OK);
  EXPECT_EQ(Trace(), ShowCalls(1, 102, "10,-20,300,200", "CAM2 Gate", -3));
  EXPECT_EQ(StagedWindow(), 1);
  EXPECT_EQ(StagedSource(), 1);
  EXPECT_STREQ(data().caption, "Gate");
  EXPECT_EQ(data().windowShown[1], 1);
  EXPECT_EQ(RegionsOf(1), Regions({0}));
  EXPECT_EQ(LastResult(), 1);
  VpiValue status{};
  EXPECT_EQ(station.Read("!FSTATUS2", &status), VPI_OK);
  EXPECT_EQ(status.half.value16, 1);
  char placement[50] = {};
  EXPECT_EQ(station.ReadText("!FSHOWWINDOW", placement), VPI_OK);
  EXPECT_STREQ(placement, "(CAM2,10,-20,300,200,-3,Gate)");
}

TEST_F(ShowWindow, HidesTheWindowsHoldingItsRegionsFirst) {
  ASSERT_EQ(Show("(CAM1,0,0,640,480,0,A)"), VPI_OK);
  RvSimClearTrace();
  ASSERT_EQ(Show("(CAM2,320,0,640,480,0,B)"), VPI_OK);
  Lines expected = {Line("NTRVHideVideo(%d) = 1", Handle(0))};
  for (const std::string& line : ShowCalls(1, 102, "320,0,640,480", "CAM2 B", 0)) {
    expected.push_back(line);
  }
  EXPECT_EQ(Trace(), expected);
  EXPECT_EQ(data().windowShown[0], 0);
  EXPECT_EQ(RegionsOf(0), Regions());
  EXPECT_EQ(RegionsOf(1), Regions({0, 1}));
}

TEST_F(ShowWindow, AWindowCoveringSeveralRegionsIsHiddenOnce) {
  ASSERT_EQ(Show("(CAM1,0,0,1282,100,0,A)"), VPI_OK);
  ASSERT_EQ(Show("(CAM2,0,500,100,100,0,B)"), VPI_OK);
  RvSimClearTrace();
  ASSERT_EQ(Show("(CAM3,0,0,1282,481,0,C)"), VPI_OK);
  const Lines trace = Trace();
  ASSERT_EQ(trace.size(), 7u);
  EXPECT_EQ(trace[0], Line("NTRVHideVideo(%d) = 1", Handle(0)));
  EXPECT_EQ(trace[1], Line("NTRVHideVideo(%d) = 1", Handle(1)));
  EXPECT_EQ(RegionsOf(2), Regions({0, 1, 2, 3, 4, 5}));
}

TEST_F(ShowWindow, AShownWindowMovedOntoItsOwnRegionHidesItselfFirst) {
  ASSERT_EQ(Show("(CAM1,0,0,640,480,0,A)"), VPI_OK);
  RvSimClearTrace();
  ASSERT_EQ(Show("(CAM1,10,10,100,100,0,A)"), VPI_OK);
  const Lines trace = Trace();
  ASSERT_EQ(trace.size(), 6u);
  EXPECT_EQ(trace[0], Line("NTRVHideVideo(%d) = 1", Handle(0)));
  EXPECT_EQ(data().windowShown[0], 1);
  // Moved away from its regions, it is not hidden.
  ASSERT_EQ(Show("(CAM1,1300,500,100,100,0,A)"), VPI_OK);
  EXPECT_EQ(Trace().size(), 11u);
  EXPECT_EQ(RegionsOf(0), Regions({5}));
}

TEST_F(ShowWindow, ARefusalEndsTheStepsAndKeepsWhatWasDone) {
  struct Step {
    const char* function;
    size_t calls;  // calls made, the refused one last
    int shown;     // windowShown[1] afterwards
  };
  const Step steps[] = {
      {"NTRVHideVideo", 1, 0},   {"NTRVSelectVideoSource", 2, 0}, {"NTRVSetVideoPosition", 3, 0},
      {"NTRVMotionVideo", 4, 0}, {"NTRVSetVideoCaption", 5, 1},   {"NTRVSetZOrder", 6, 1},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.function);
    ASSERT_EQ(Show("(CAM1,0,0,640,480,0,A)"), VPI_OK);
    RvSimClearTrace();
    RvSimAddFault(step.function, 1, 1, 0);
    EXPECT_EQ(Show("(CAM2,0,0,640,480,0,B)"), VPI_FAILED);
    RvSimClearFaults();
    const Lines trace = Trace();
    ASSERT_EQ(trace.size(), step.calls);
    EXPECT_EQ(trace.back().rfind(std::string(step.function) + "(", 0), 0u) << trace.back();
    EXPECT_EQ(LastResult(), 0);
    EXPECT_EQ(StagedWindow(), 1);  // staged before the first call
    EXPECT_EQ(data().windowShown[0], step.calls == 1 ? 1 : 0);
    EXPECT_EQ(data().windowShown[1], step.shown);
    EXPECT_EQ(RegionsOf(1), step.shown ? Regions({0}) : Regions());
  }
}

TEST_F(ShowWindow, MalformedOrOversizedTextsAreRefusedBeforeStaging) {
  Stage("X", 77);
  const std::string refused[] = {
      "(CAM1,0,0,640,480,0)",                                // six fields
      "CAM1,0,0,640,480,0,A)",                               // no "("
      "(CAM1,0,0,640,480,0,A",                               // no ")"
      "(cam1,0,0,640,480,0,A)",                              // case differs
      "(CAM9,0,0,640,480,0,A)",                              // unknown source
      "(CAM1,1234567890,0,640,480,0,A)",                     // number field over 9
      "(CAM1,0,0,1,1,0,abcdefghijklmnopqrstuvwxyz0123)",     // caption over 29
      "(CAM1,0,0,640,480,0,abcdefghijklmnopqrstuvwxyz012)",  // text over 49
  };
  for (const std::string& text : refused) {
    EXPECT_EQ(Show(text), VPI_INVALID) << text;
  }
  EXPECT_EQ(Trace(), Lines());
  EXPECT_EQ(StagedX(), 77);
  EXPECT_EQ(StagedWindow(), 0);
  EXPECT_EQ(LastResult(), 0);
}

TEST_F(ShowWindow, LongestFieldsFitAndAnEighthFieldIsIgnored) {
  EXPECT_EQ(Show("(CAM1,0,0,1,1,0,abcdefghijklmnopqrstuvwxyz012)"), VPI_OK);
  EXPECT_STREQ(data().caption, "abcdefghijklmnopqrstuvwxyz012");
  EXPECT_EQ(Show("(CAM1,000000640,0,1,1,0,A,extra)"), VPI_OK);
  EXPECT_EQ(StagedX(), 640);
  EXPECT_STREQ(data().caption, "A");
}

TEST_F(ShowWindow, HideSourceHidesItsShownWindowOnce) {
  ASSERT_EQ(Show("(CAM3,0,0,640,480,0,A)"), VPI_OK);
  Stage("WINDOW", 5);
  RvSimClearTrace();
  EXPECT_EQ(Hide("(CAM3)"), VPI_OK);
  EXPECT_EQ(Trace(), Lines({Line("NTRVHideVideo(%d) = 1", Handle(2))}));
  EXPECT_EQ(data().windowShown[2], 0);
  EXPECT_EQ(RegionsOf(2), Regions());
  EXPECT_EQ(StagedWindow(), 2);
  EXPECT_EQ(Hide("(CAM3)"), VPI_INVALID);
  EXPECT_EQ(Trace().size(), 1u);
}

TEST_F(ShowWindow, HideSourceOfAHiddenWindowStagesItButCallsNothing) {
  EXPECT_EQ(Hide("(CAM4)"), VPI_INVALID);
  EXPECT_EQ(StagedWindow(), 3);
  EXPECT_EQ(StagedSource(), 3);
  const std::string refused[] = {"CAM4", "(CAM4", ")CAM4(", "(CAM9)"};
  for (const std::string& text : refused) EXPECT_EQ(Hide(text), VPI_INVALID) << text;
  EXPECT_EQ(Hide("(CAM1)" + std::string(44, ' ')), VPI_INVALID);  // over 49
  EXPECT_EQ(StagedWindow(), 3);
  EXPECT_EQ(Trace(), Lines());
}

TEST_F(ShowWindow, RefusedHideKeepsTheWindowShown) {
  ASSERT_EQ(Show("(CAM1,0,0,640,480,0,A)"), VPI_OK);
  RvSimAddFault("NTRVHideVideo", 1, 1, 7);
  EXPECT_EQ(Hide("(CAM1)"), VPI_FAILED);
  EXPECT_EQ(LastResult(), 0);
  EXPECT_EQ(data().windowShown[0], 1);
  EXPECT_EQ(RegionsOf(0), Regions({0}));
}

class SharedNames : public VideoWall {
  const char* ServerConfig() const override {
    return "source 201 Door\nsource 202 Door\nsource 203 Yard\nsource 204 NameOfTwentyLetters2\n"
           "source 205 E\n"
           "source 206 F\nsource 207 Roof\n";
  }
};

TEST_F(SharedNames, TheLowerIndexWins) {
  ASSERT_EQ(Show("(Door,0,0,640,480,0,x)"), VPI_OK);
  EXPECT_EQ(Trace()[0], Line("NTRVSelectVideoSource(%d,201) = 1", Handle(0)));
  EXPECT_EQ(StagedWindow(), 0);
}

TEST_F(SharedNames, ASourceWithoutAWindowIsRefused) {
  EXPECT_EQ(Show("(Roof,0,0,640,480,0,x)"), VPI_INVALID);
  EXPECT_EQ(Hide("(Roof)"), VPI_INVALID);
  EXPECT_EQ(StagedWindow(), 0);
  EXPECT_EQ(StagedSource(), 0);
  EXPECT_EQ(Trace(), Lines());
}

TEST_F(SharedNames, AHideNameOver19IsRefused) {
  ASSERT_EQ(Show("(NameOfTwentyLetters2,0,0,640,480,0,x)"), VPI_OK);
  RvSimClearTrace();
  EXPECT_EQ(Hide("(NameOfTwentyLetters2)"), VPI_INVALID);
  EXPECT_EQ(Trace(), Lines());
  EXPECT_EQ(data().windowShown[3], 1);
}

// Names are looked up only among the records the server reported and the
// driver stored: not in the zeroed records past the count (an empty name
// included), nor in records left beyond a smaller count read later.
class FourSources : public VideoWall {
  const char* ServerConfig() const override {
    return "source 201 CAM1\nsource 202 CAM2\nsource 203 CAM3\nsource 204 CAM4\n";
  }
};

TEST_F(FourSources, NamesAreFoundOnlyAmongTheReportedRecords) {
  EXPECT_EQ(Show("(,0,0,640,480,0,x)"), VPI_INVALID);
  EXPECT_EQ(Hide("()"), VPI_INVALID);
  EXPECT_EQ(StagedWindow(), 0);
  EXPECT_EQ(StagedSource(), 0);
  ASSERT_EQ(Show("(CAM4,0,0,640,480,0,x)"), VPI_OK);
  data().numSources = 2;  // as a later FNUMSOURCES read of a smaller count leaves it
  RvSimClearTrace();
  EXPECT_EQ(Hide("(CAM4)"), VPI_INVALID);
  EXPECT_EQ(Show("(CAM3,640,0,640,480,0,x)"), VPI_INVALID);
  char placement[50] = {};
  EXPECT_EQ(station.ReadText("!FSHOWWINDOW", placement), VPI_INVALID);  // staged source 4
  EXPECT_EQ(Trace(), Lines());
  EXPECT_EQ(StagedWindow(), 3);
  EXPECT_EQ(data().windowShown[3], 1);
  EXPECT_EQ(Show("(CAM2,640,0,640,480,0,x)"), VPI_OK);
}

}  // namespace
}  // namespace vpitest
