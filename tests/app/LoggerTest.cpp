#include "app/Logger.h"
#include "support/ScreenTest.h"

TEST(Logger, SendsEachLevelToItsStream) {
    IN_A_PROCESS_OF_ITS_OWN(); // the threshold before anything sets it
    EXPECT_EQ(&Logger::stream(3), &std::cout) << "up to level 3 at first";
    EXPECT_NE(&Logger::stream(4), &std::cout) << "up to level 3 at first";
    Logger::setLevel(-3);
    EXPECT_EQ(&Logger::stream(0), &std::cerr) << "whatever the threshold";
    Logger::setLevel(5);
    for (int level : {-2, 1, 2, 4, 5})
        EXPECT_EQ(&Logger::stream(level), &std::cout) << "level " << level;
    CapturedLog log;
    Logger::stream(6) << "dropped" << std::endl;
    EXPECT_EQ(&Logger::stream(9), &Logger::stream(6)) << "one stream drops all";
    EXPECT_EQ(log.output(), "");
    EXPECT_EQ(log.errors(), "");
}
