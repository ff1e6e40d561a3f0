#include "app/Logger.h"
#include "support/ScreenTest.h"

#include <iostream>

namespace {

class LoggerTest : public ::testing::Test {
protected:
    void TearDown() override { Logger::setLevel(5); }
};

TEST_F(LoggerTest, ErrorsGoToStandardErrorAndLevelsUpToTheThresholdToStandardOutput) {
    for (int threshold : {5, 0, -3}) {
        Logger::setLevel(threshold);
        EXPECT_EQ(&Logger::stream(0), &std::cerr) << "threshold " << threshold;
    }
    Logger::setLevel(5);
    for (int level : {-2, 1, 2, 4, 5})
        EXPECT_EQ(&Logger::stream(level), &std::cout) << "level " << level;
}

TEST_F(LoggerTest, LevelsAboveTheThresholdGoToOneStreamThatShowsNothing) {
    Logger::setLevel(5);
    std::ostream& dropped = Logger::stream(6);
    EXPECT_EQ(&Logger::stream(9), &dropped);
    Logger::setLevel(0);
    CapturedLog log;
    dropped << "never shown" << std::endl;
    Logger::stream(1) << "info" << std::endl;
    Logger::stream(0) << "ERROR: kept" << std::endl;
    EXPECT_EQ(log.output(), "");
    EXPECT_EQ(log.errors(), "ERROR: kept\n");
}

} // namespace
