#include "platform/core/AlertRecorder.h"

#include <gtest/gtest.h>

namespace {

TEST(Alerts, RecorderCatchesMessagesAndBeeps) {
    platform::AlertRecorder recorder;
    platform::MsgBox("text\n\nmore", "Orvanta");
    platform::Beep();
    platform::Beep();
    ASSERT_EQ(recorder.Messages.size(), 1u);
    EXPECT_EQ(recorder.Messages[0].Text, "text\n\nmore");
    EXPECT_EQ(recorder.Messages[0].Title, "Orvanta");
    EXPECT_EQ(recorder.Beeps, 2);
}

TEST(Alerts, WithoutHandlersAMessageGoesToStderrAndABeepIsSilent) {
    { platform::AlertRecorder gone; }
    testing::internal::CaptureStderr();
    platform::MsgBox("File not found", "Orvanta");
    platform::Beep();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Orvanta: File not found\n");
}

} // namespace
