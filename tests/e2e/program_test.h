#pragma once
// What every test of the real program on an X server needs before it starts
// one: the program folder, a real X server and the drivers' test clips.

#include "program_driver.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("FLICKERBOX_PROGRAM_DIR"))
            GTEST_SKIP() << "FLICKERBOX_PROGRAM_DIR not set";
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "this test needs a real X server";
        ASSERT_TRUE(ProgramDriver::make_clips()) << "ffmpeg could not make the test clips";
    }
};
