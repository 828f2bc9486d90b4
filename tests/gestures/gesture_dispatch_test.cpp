#include <gtest/gtest.h>

#include <vector>

#include "gestures/synthetic_input.h"
#include "letters/drawn_shapes.h"
#include "letters/letter_sample.h"
#include "letters/letter_store.h"
#include "letters/stroke_normalization.h"
#include "platform/macos_tables/macos_keys.h"
#include "support/gesture_fixture.h"

namespace velmor::testing {
namespace {

using macos::kSyntheticEventMarker;
namespace keys = macos::keys;
namespace media = macos::media;

class GestureDispatch : public GestureFixture {
protected:
    // Down at the first point, straight drags every 5 points through the others, up at the
    // last one.
    void polyline(const std::vector<Point>& corners) {
        rightDown(corners.front().x, corners.front().y);
        for (std::size_t i = 1; i < corners.size(); ++i) {
            dragTo(corners[i].x, corners[i].y, 5);
        }
        rightUp(last.x, last.y);
    }
    std::vector<std::int64_t> postedKeys() const {
        std::vector<std::int64_t> codes;
        for (const auto& record : records("key")) {
            if (*record.fields.at("down").asBoolean()) {
                codes.push_back(*record.fields.at("key").numberAsInteger());
            }
        }
        return codes;
    }
    std::vector<std::int64_t> postedMedia() const {
        std::vector<std::int64_t> codes;
        for (const auto& record : records("media")) {
            codes.push_back(*record.fields.at("media").numberAsInteger());
        }
        return codes;
    }
    bool rightClickPosted() const { return records("mouse").size() == 2; }
    // What a stroke through the corners posted: "click", "key N", "media N N" (press and
    // release) or "scroll DELTA xCOUNT".
    std::string outcome(const std::vector<Point>& corners) {
        platform.clearRecords();
        polyline(corners);
        platform.runUntilIdle();
        std::string posted = rightClickPosted() ? "click" : "";
        for (const auto code : postedKeys()) {
            posted += "key " + std::to_string(code);
        }
        for (const auto code : postedMedia()) {
            posted += (posted.empty() ? "media " : " ") + std::to_string(code);
        }
        if (const auto scrolls = records("scroll"); !scrolls.empty()) {
            posted += "scroll " + std::to_string(*scrolls[0].fields.at("delta").numberAsInteger()) +
                      " x" + std::to_string(scrolls.size());
        }
        return posted;
    }
};

TEST_F(GestureDispatch, PressWithoutDrawingIsAMarkedRightClickAtTheRelease) {
    rightDown(200, 150);
    rightUp(201, 151);
    const auto clicks = records("mouse");
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0].fields.at("type"), Value::integer(3));
    EXPECT_EQ(clicks[1].fields.at("type"), Value::integer(4));
    for (const auto& click : clicks) {
        EXPECT_EQ(click.fields.at("button"), Value::integer(1));
        EXPECT_EQ(click.fields.at("x"), Value::real(201));
        EXPECT_EQ(click.fields.at("y"), Value::real(151));
        EXPECT_EQ(click.fields.at("marker"), Value::integer(1447842138));
    }
}

TEST_F(GestureDispatch, SecondSegmentMustReachTheMinimum) {
    platform.setFrontmostApplication("com.example.Editor", 7, "Draft");
    stroke({{100, 100}, {160, 100}, {160, 133}, {160, 133}});
    platform.runUntilIdle();
    EXPECT_FALSE(platform.isWindowMinimized(7));
    EXPECT_EQ(postedMedia(), (std::vector<std::int64_t>{media::kNext, media::kNext}));
    stroke({{100, 100}, {160, 100}, {160, 134}, {160, 134}});
    platform.runUntilIdle();
    EXPECT_TRUE(platform.isWindowMinimized(7));
}

// Two segments name a shortcut; otherwise the whole displacement, if long enough and along
// one axis by 1.15 times, pages (here: the next or previous track) or scrolls to an edge.
TEST_F(GestureDispatch, StrokesByTheirSegmentsOrDisplacement) {
    const struct {
        std::vector<Point> corners;
        std::string posted;
    } cases[] = {
        {{{100, 100}, {100, 160}, {160, 160}}, "key 13"},  // close tab
        {{{100, 100}, {40, 100}, {40, 40}}, "key 17"},     // new tab
        {{{100, 100}, {100, 40}, {100, 100}}, "key 21"},   // area capture
        {{{100, 100}, {144.9, 100}}, "click"},
        {{{100, 100}, {145, 100}}, "media 17 17"},
        {{{100, 100}, {31, 160}}, "media 18 18"},  // |dx| exactly 1.15 |dy|
        {{{100, 100}, {200, 200}}, "click"},       // 45 degrees
        {{{100, 100}, {160, 100}, {160, 160}, {220, 160}}, "media 17 17"},  // three segments
        {{{300, 300}, {300, 100}}, "scroll 2000 x140"},
        {{{300, 100}, {300, 300}}, "scroll -2000 x140"},
        {{{100, 100}, {160, 31}}, "scroll 2000 x140"},  // |dy| exactly 1.15 |dx|
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcome(c.corners), c.posted) << c.corners.back().x << "," << c.corners.back().y;
    }
}

TEST_F(GestureDispatch, MKeyHeldTurnsNewTabIntoNotes) {
    platform.setKeyDown(keys::kM, true);
    polyline({{100, 100}, {40, 100}, {40, 40}});
    platform.runUntilIdle();
    const auto launches = records("launch-app");
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].fields.at("name"), Value("Notes"));
    EXPECT_TRUE(postedKeys().empty());
}

TEST_F(GestureDispatch, HeadShake) {
    polyline({{300, 300}, {240, 300}, {300, 300}, {240, 300}, {300, 310}});
    polyline({{300, 300}, {500, 320}, {300, 340}, {500, 360}, {300, 384.9}});  // 84.9 down
    platform.runUntilIdle();
    const auto notifications = records("notification");
    ASSERT_EQ(notifications.size(), 2u);
    EXPECT_EQ(notifications[1].fields.at("name"), Value("VLShowHelp"));
    EXPECT_FALSE(rightClickPosted());

    // Too much vertical drift: judged by displacement, 90 down and 10 aside scrolls down.
    EXPECT_EQ(outcome({{300, 300}, {240, 330}, {300, 350}, {240, 370}, {310, 390}}),
              "scroll -2000 x140");
    EXPECT_TRUE(records("notification").empty());
}

TEST_F(GestureDispatch, DownUpKickShowsTheDesktopOrRefreshes) {
    auto kick = [this](double down) {
        rightDown(300, 300);
        const int steps = 3;  // one down segment of the whole length
        for (int i = 1; i <= steps; ++i) {
            rightDrag(300, 300 + down * i / steps);
        }
        platform.simScheduler().passTime(0.4);
        dragTo(300, 300 + down - 60, 5);
        rightUp(last.x, last.y);
        platform.runUntilIdle();
    };
    kick(39.9);
    EXPECT_EQ(postedKeys(), (std::vector<std::int64_t>{keys::kR}));
    EXPECT_NE(logText().find("gesture=down-up pause=0.400s down=39.9 up=60.0 result=REFRESH_CMD_R"),
              std::string::npos);

    platform.clearRecords();
    kick(40.0);
    EXPECT_TRUE(postedKeys().empty());
    const auto scripts = records("process");
    ASSERT_EQ(scripts.size(), 1u);
    EXPECT_EQ(scripts[0].fields.at("path"), Value("/usr/bin/osascript"));
    const auto log = logText();
    const auto downUpLine = log.find("result=SHOW_DESKTOP_F13");
    const auto scriptLine = log.find("action=F13_APPLESCRIPT exit=0 detail=\n");
    ASSERT_NE(downUpLine, std::string::npos);
    ASSERT_NE(scriptLine, std::string::npos);
    EXPECT_LT(downUpLine, scriptLine);
}

TEST_F(GestureDispatch, ClockwiseCircleOpensSystemPreferences) {
    stroke(drawnArc({300, 300}, 50, -360));
    platform.runUntilIdle();
    ASSERT_EQ(records("launch-app").size(), 1u);
    EXPECT_EQ(records("launch-app")[0].fields.at("name"), Value("System Preferences"));
}

TEST_F(GestureDispatch, RunningTrainingTakesEveryStroke) {
    platform.defaults().setString(defaults_key::kStudioTrainingLetter, "Q");
    platform.defaults().setInteger(defaults_key::kStudioTrainingRemaining, 3);
    rightDown(10, 10);
    rightUp(10, 10);
    platform.runUntilIdle();
    EXPECT_TRUE(records("mouse").empty());
    ASSERT_EQ(records("notification").size(), 1u);
    EXPECT_EQ(records("notification")[0].fields.at("name"), Value("VLStudioRejected"));

    // A letter of another length is no training.
    platform.defaults().setString(defaults_key::kStudioTrainingLetter, "QQ");
    rightDown(10, 10);
    rightUp(10, 10);
    EXPECT_TRUE(rightClickPosted());
}

class LetterDispatch : public GestureDispatch {
protected:
    void train(const std::string& letter, const std::vector<Point>& drawing,
               const std::optional<std::string>& action) {
        const Value sample = letterSampleValue(*VLNormalizeAlphabetStroke(drawing));
        platform.defaults().set(VLLetterTemplatesKey(letter), Value(Value::Array(3, sample)));
        if (action) {
            platform.defaults().setString(VLLetterActionKey(letter), *action);
        }
    }
    void draw(const std::vector<Point>& points, bool mKeyHeld = false) {
        platform.clearRecords();
        platform.setKeyDown(keys::kM, mKeyHeld);
        stroke(points);
        platform.runUntilIdle();
    }
    std::size_t logged(std::string_view text) const { return occurrences(logText(), text); }
    std::vector<std::string> opened() const {
        std::vector<std::string> targets;
        for (const auto& record : platform.records()) {  // each with one field: what opens
            if (record.kind == "open-url" || record.kind == "open-file" ||
                record.kind == "launch-app") {
                targets.push_back(*record.fields.begin()->second.asString());
            }
        }
        return targets;
    }
    using Opened = std::vector<std::string>;
    const std::vector<Point> circle = drawnArc({300, 300}, 80, 360);  // counter-clockwise
    const std::vector<Point> m = drawnM({100, 100}, 200, 150);
};

TEST_F(LetterDispatch, TrainedLetterBeatsTheCircleUnlessMIsHeld) {
    train("O", circle, "https://o.example/");
    draw(circle);
    EXPECT_EQ(opened(), Opened{"https://o.example/"});
    EXPECT_EQ(logged("CCW-circle"), 0u);
    draw(circle, true);
    EXPECT_TRUE(opened().empty());
    EXPECT_EQ(logged(": gesture=CCW-circle unassigned (alphabet match not found)\n"), 1u);
    EXPECT_FALSE(rightClickPosted());
}

TEST_F(LetterDispatch, HandwrittenMOpensMusicOnlyWithoutMKeyOrTrainedM) {
    const std::string music =
        platform.workspace().wellKnownApplicationPath(platform::WellKnownApplication::music);
    platform.installApplication(music, "com.apple.Music");
    draw(m);
    EXPECT_EQ(opened(), Opened{music});
    EXPECT_EQ(logged("gesture=handwritten-M matched=YES"), 1u);
    EXPECT_TRUE(postedMedia().empty());

    // With M held, or once M is trained (here as a circle), the same stroke is only a
    // stroke to the right: next track.
    const auto nextTrack = std::vector<std::int64_t>{media::kNext, media::kNext};
    draw(m, true);
    EXPECT_TRUE(opened().empty());
    EXPECT_EQ(postedMedia(), nextTrack);
    train("M", circle, std::nullopt);
    draw(m);
    EXPECT_TRUE(opened().empty());
    EXPECT_EQ(postedMedia(), nextTrack);
    EXPECT_EQ(logged("gesture=handwritten-M"), 1u);

    // A letter trained with the M's shape wins over the built-in M.
    platform.defaults().remove(VLLetterTemplatesKey("M"));
    train("K", m, "https://k.example/");
    draw(m);
    EXPECT_EQ(opened(), Opened{"https://k.example/"});
}

TEST_F(LetterDispatch, HandwrittenMNearMissesAreLoggedBelowErrorPoint45) {
    // 14 points in a 75 x 60 box, error 0.217: the smallest near miss that is logged.
    draw(velmor::testing::polyline(
        {{0, 60}, {0, 0}, {15, 60}, {30, 60}, {45, 60}, {60, 60}, {75, 0}, {75, 60}}, 30));
    EXPECT_EQ(logged("gesture=handwritten-M matched=NO error=0.217 width=75 height=60 "
                     "result=NONE\n"),
              1u);
    // Up to a peak, back to the start and along the bottom: error 0.48, not logged.
    draw(velmor::testing::polyline({{0, 150}, {100, 0}, {0, 150}, {200, 150}}));
    EXPECT_EQ(logged("gesture=handwritten-M"), 1u);
}

}  // namespace
}  // namespace velmor::testing
