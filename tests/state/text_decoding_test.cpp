#include "state/text_decoding.h"

#include <gtest/gtest.h>

TEST(DecodeText, Utf8WhenValidAndNonAsciiElseLatin1)
{
    EXPECT_EQ(decode_text("Caf\xC3\xA9 au lait"), QString::fromUtf8("Caf\u00e9 au lait"));
    EXPECT_EQ(decode_text("Caf\xE9 au lait"), QString::fromUtf8("Caf\u00e9 au lait"));
    // One stray 8-bit byte among UTF-8 makes the whole file 8-bit text.
    EXPECT_EQ(decode_text("\xC3\xA9t\xE9"), QString::fromUtf8("\u00c3\u00a9t\u00e9"));
    // A sequence cut short at the end is no UTF-8 either.
    EXPECT_EQ(decode_text("Caf\xC3"), QString::fromUtf8("Caf\u00c3"));
    EXPECT_EQ(decode_text("plain"), "plain");
    EXPECT_EQ(decode_text(""), "");
}

TEST(DecodeText, ByteOrderMarkIsSkipped)
{
    EXPECT_EQ(decode_text("\xEF\xBB\xBF" "dog"), "dog");
    EXPECT_EQ(decode_text("\xEF\xBB\xBF" "Caf\xC3\xA9"), QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(decode_text("\xEF\xBB\xBF" "Caf\xE9"), QString::fromUtf8("Caf\u00e9"));
}
