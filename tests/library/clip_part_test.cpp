// Times as a teacher writes them, and which parts of a video make a clip.
#include "library/clip_part.h"

#include <gtest/gtest.h>

namespace {

TEST(ClipPart, TimesAreSecondsOrMinutesAndSeconds)
{
    const std::pair<const char*, double> good[] = {{"75", 75},       {"7.5", 7.5},    {".5", 0.5},
                                                   {"1:15", 75},     {"0:07.5", 7.5}, {" 1:05 ", 65},
                                                   {"1:02:03", 3723}};
    for (const auto& [text, seconds] : good)
        EXPECT_EQ(parse_clip_time(text), seconds) << text;
    for (const char* text : {"", "abc", "-5", "1:75", "1:2:3:4", "1,5", "5s", "1:"})
        EXPECT_FALSE(parse_clip_time(text)) << text;
    EXPECT_EQ(clip_time_text(7.5), "0:07.5");
    EXPECT_EQ(clip_time_text(75), "1:15");
    EXPECT_EQ(clip_time_text(3723.04), "1:02:03");
}

TEST(ClipPart, AVideoOverTwoMinutesNeedsAPartOfAtMostTwoMinutes)
{
    EXPECT_EQ(check_part({}, 60).problem, "");
    EXPECT_EQ(check_part({10, 0}, 130).problem, "") << "the last two minutes";
    const PartCheck whole = check_part({}, 130);
    EXPECT_TRUE(whole.tooLong);
    EXPECT_EQ(whole.problem,
              "The video lasts 2:10, and a clip may last at most 2 minutes. Please choose the part to keep.");
    EXPECT_TRUE(check_part({5, 130}, 7200).tooLong);
    EXPECT_FALSE(check_part({5, 10}, 7200).tooLong);
}

TEST(ClipPart, APartOutsideTheVideoOrTooShortIsNamed)
{
    const std::tuple<ClipTrim, const char*> bad[] = {
        {{70, 0}, "The clip cannot start at 1:10: the video lasts 1:00."},
        {{0, 61}, "The clip cannot end at 1:01: the video lasts 1:00."},
        {{10, 5}, "The clip must end after it starts (it starts at 0:10 and ends at 0:05)."},
        {{10, 10.2},
         "The part from 0:10 to 0:10.2 is too short for a clip: it must last at least half a second."},
        {{59.8, 0},
         "The part from 0:59.8 to 1:00 is too short for a clip: it must last at least half a second."},
    };
    for (const auto& [trim, problem] : bad) {
        const PartCheck check = check_part(trim, 60);
        EXPECT_EQ(check.problem, problem);
        EXPECT_FALSE(check.tooLong);
    }
}

}  // namespace
