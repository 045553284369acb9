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
        EXPECT_EQ(platform::DecodeText(bytes), reference.decode(bytes)) << "byte " << byte;
    }
}

// Valid UTF-8 is UTF-8, a byte order mark dropped.
TEST(TextDecoding, Utf8WhenValid) {
    EXPECT_EQ(platform::DecodeText("\xEF\xBB\xBFSha\xE2\x80\x98"
                                   "ban"),
              QString::fromUtf8("Sha‘ban"));
}

} // namespace
