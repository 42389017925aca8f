// The start-up refusal of screens with too few colours.

#include "app/colour_depth.h"
#include "fakes/fake_dialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourDepth, SixteenBitsAndMorePass)
{
    for (int bits : {16, 24, 32}) {
        FakeDialogs dialogs;
        testing::internal::CaptureStderr();
        EXPECT_TRUE(check_colour_depth(bits, dialogs)) << bits;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << bits;
        EXPECT_TRUE(dialogs.messages.empty()) << bits;
    }
}

TEST(ColourDepth, EightBitsIsRefusedWithTheColourCount)
{
    FakeDialogs dialogs;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(check_colour_depth(8, dialogs));
    // Standard error too: an 8-bit screen may show the box empty.
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Flickerbox II: Your screen settings are set to 256 colors.\n"
              "The program requires that your screen setting colors are set to at least 65,536 colors.\n");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Flickerbox II");
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(dialogs.messages[0].text,
              "Your screen settings are set to 256 colors.\n"
              "The program requires that your screen setting colors are set to at least 65,536 colors.");
}

TEST(ColourDepth, JustBelowTheLimit)
{
    EXPECT_TRUE(colour_depth_refusal(15).startsWith("Your screen settings are set to 32768 colors.\n"));
    EXPECT_TRUE(colour_depth_refusal(1).startsWith("Your screen settings are set to 2 colors."));
}

}  // namespace
