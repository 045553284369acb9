#include "platform/core/TextDecoding.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

// ICU's converter, reached through Qt, is the independent reference.
TEST(TextDecoding, EveryByteDecodesAsWindows1252) {
    QStringDecoder reference("windows-1252");
    if (!reference.isValid()) GTEST_SKIP() << "Qt was built without a windows-1252 converter";
    for (int byte = 0x01; byte <= 0xFF; ++byte) {
        // Prefixed with a byte that is never UTF-8, so the text is 8-bit.
        const QByteArray bytes = QByteArray("\xFF") + char(byte);
        const QString expected = reference.decode(bytes);
        EXPECT_EQ(platform::DecodeText(bytes), expected) << "byte " << byte;
    }
}

TEST(TextDecoding, ValidUtf8IsUtf8) {
    EXPECT_EQ(platform::DecodeText("Sha\xE2\x80\x98"
                                   "ban"),
              QString::fromUtf8("Sha‘ban"));
    EXPECT_EQ(platform::DecodeText("\xEF\xBB\xBF"
                                   "abc"),
              "abc");
    EXPECT_EQ(platform::DecodeText(""), "");
}

// A decoder that waits for the rest of a sequence must not swallow it.
TEST(TextDecoding, EightBitTextEndingInALetterKeepsIt) {
    EXPECT_EQ(platform::DecodeText("caf\xE9"), QString::fromUtf8("café"));
}

TEST(TextDecoding, ByteOrderMarkBeforeOtherTextIsDroppedToo) {
    EXPECT_EQ(platform::DecodeText("\xEF\xBB\xBF"
                                   "\xE9"),
              QString::fromUtf8("é"));
}

TEST(TextDecoding, OverlongAndSurrogateSequencesAreNotUtf8) {
    EXPECT_EQ(platform::DecodeText("\xC0\xAF"), QString::fromUtf8("À¯"));
    EXPECT_EQ(platform::DecodeText("\xED\xA0\x80"), QString::fromUtf8("í\u00A0€"));
}

} // namespace
