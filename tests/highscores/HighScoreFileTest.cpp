// "high.dat": three lines per record (level, score, name), read as forgivingly
// as a reader of such records can, and written byte for byte.
#include "highscores/HighScoreFile.h"

#include <gtest/gtest.h>

TEST(HighScoreFile, ReadsRecordsForgivinglyAndWritesThemBack) {
    struct File {
        const char* read;
        const char* kept; // written back
    };
    const File files[] = {
        {"", ""},
        {"3\n57\nann\n-2\n-40\nbob\tthe great \n", "3\n57\nann\n-2\n-40\nbob\tthe great \n"},
        {"5\n50\nann\n\n4\n40\nbob\n",
         "5\n50\nann\n"},                              // a blank line where a level belongs ends it
        {"1\n\n\n2\n20\nbo\n", "1\n0\n\n2\n20\nbo\n"}, // a blank score or name does not
        {"12abc\n-3xyz\nann\nabc\n+7\nbob\n", "12\n-3\nann\n0\n7\nbob\n"},
        {" \t42\n- 5\nx\n", "42\n0\nx\n"},
        {"3\n57\nann\n4", "3\n57\nann\n4\n0\n\n"}, // cut short by the end of the file
        {"7\n70", "7\n70\n\n"},
        {"3\r\n57\r\nann\r\n\r\n4\r\n8\r\nbob\r\n", "3\n57\nann\n"},
        {"2147483648\n-2147483649\nx\n99999999999999999999\n-2147483648\ny\n",
         "2147483647\n-2147483648\nx\n2147483647\n-2147483648\ny\n"},
    };
    for (const File& file : files)
        EXPECT_EQ(formatHighScores(readHighScores(file.read)), file.kept) << file.read;
    EXPECT_EQ(formatHighScores({{"two\nli\rnes", -40, -2}}), "-2\n-40\ntwo li nes\n");
}
