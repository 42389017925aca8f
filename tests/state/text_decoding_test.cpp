#include "state/text_decoding.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

TEST(DecodeText, Utf8WhenValidAndNonAsciiElseLatin1AndAByteOrderMarkIsSkipped)
{
    const struct {
        const char* name;
        QByteArray bytes;
        const char* text;  // UTF-8
    } rows[] = {
        // clang-format off
        {"UTF-8", "Caf\xC3\xA9 au lait", "Caf\u00e9 au lait"},
        {"Latin-1", "Caf\xE9 au lait", "Caf\u00e9 au lait"},
        {"one stray 8-bit byte among UTF-8 makes it all 8-bit", "\xC3\xA9t\xE9", "\u00c3\u00a9t\u00e9"},
        {"a sequence cut short at the end is no UTF-8", "Caf\xC3", "Caf\u00c3"},
        {"plain ASCII", "plain", "plain"},
        {"empty", "", ""},
        {"a mark before ASCII", "\xEF\xBB\xBF" "dog", "dog"},
        {"a mark before UTF-8", "\xEF\xBB\xBF" "Caf\xC3\xA9", "Caf\u00e9"},
        {"a mark before Latin-1", "\xEF\xBB\xBF" "Caf\xE9", "Caf\u00e9"},
        // clang-format on
    };
    for (const auto& row : rows)
        EXPECT_EQ(decode_text(row.bytes), QString::fromUtf8(row.text)) << row.name;
}

namespace {

QByteArray utf16(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
    return encoder(text);
}

}  // namespace

// What an editor saves as "Unicode" (UTF-16, little-endian, with a mark) and
// as "Unicode big endian" reads as the text it is.
TEST(DecodeText, Utf16AndUtf32WithByteOrderMark)
{
    const QString text = QString::fromUtf8("dog,animals,Caf\u00e9 \U0001F415\r\n");
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE,
                                QStringConverter::Utf32LE, QStringConverter::Utf32BE})
        EXPECT_EQ(decode_text(utf16(text, encoding)), text) << int(encoding);
}

TEST(DecodeText, NoTextIsNotGuessed)
{
    QStringEncoder unmarked(QStringConverter::Utf16LE);
    EXPECT_FALSE(decode_text(QByteArray(unmarked(QStringLiteral("dog,animals,Dog,,\r\n")))));
    EXPECT_FALSE(decode_text(QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11)));  // a picture
    // A marked file cut in the middle of a character.
    EXPECT_FALSE(decode_text(utf16(QStringLiteral("dog"), QStringConverter::Utf16LE).chopped(1)));
    const QString message =
        unreadable_text_message(QStringLiteral("clip sequence file"), QStringLiteral("/x/aobj_sqa.seq"));
    EXPECT_TRUE(message.contains("\"/x/aobj_sqa.seq\"") && message.contains("\"UTF-8\""))
        << message.toStdString();
}
