#include "cli/position_line.h"

#include <gtest/gtest.h>

#include <ios>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

using namespace std::string_literals;

TEST(PositionLine, ReadsTheUserRowFirstThenTheComputerRow) {
    Position pos = {};
    std::string error;
    ASSERT_TRUE(ParsePositionLine("1 2 3 4 5 6 7 0 1 2 3 4 5 5", pos, error)) << error;
    const Position expected = {{1, 2, 3, 4, 5, 6, 7}, {0, 1, 2, 3, 4, 5, 5}};
    for (int row = 0; row < 2; ++row) {
        for (int place = 0; place < kPlaces; ++place) {
            EXPECT_EQ(pos[row][place], expected[row][place]) << row << "," << place;
        }
    }
}

TEST(PositionLine, AcceptsAnyRunOfBlanksAndAWindowsLineEnd) {
    const char* lines[] = {
        "4 4 4 4 4 4 0 4 4 4 4 4 4 0",      "  4 4 4 4 4 4 0 4 4 4 4 4 4 0  ",
        "4\t4 4  4 4 4 0\t\t4 4 4 4 4 4 0", "4 4 4 4 4 4 0 4 4 4 4 4 4 0\r",
        "0 0 0 0 0 0 48 0 0 0 0 0 0 0", // the board reads it; whether it is in play is separate
        "04 4 4 4 4 4 0 4 4 4 4 4 4 00",
    };
    for (const char* line : lines) {
        Position pos = {};
        std::string error;
        EXPECT_TRUE(ParsePositionLine(line, pos, error)) << line << ": " << error;
    }
}

struct BadLine {
    std::string line;
    const char* said;
};

TEST(PositionLine, RefusesEveryKindOfBadLineAndSaysWhich) {
    const BadLine cases[] = {
        // the number of counts
        {"", "empty line"},
        {"   \t ", "empty line"},
        {"\r", "empty line"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4", "expected 14 counts, found 13"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 0 0", "expected 14 counts, found 15"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 0 x y z", "found 17"},
        {"4,4,4,4,4,4,0,4,4,4,4,4,4,0", "found 1"},
        // what a count may look like
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 x",
         "count 14 (the computer's store) is not a whole number: 'x'"},
        {"4 4 4 4 4 4.0 0 4 4 4 4 4 4 0", "count 6 (the user's pit 5) is not a whole number"},
        {"+4 4 4 4 4 4 0 4 4 4 4 4 4 0", "count 1 (the user's pit 0) is not a whole number"},
        {"4 4 4 4 4 4 0x0 4 4 4 4 4 4 0", "count 7 (the user's store)"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 1e1", "not a whole number"},
        {"4 4 4 4 4 4 - 4 4 4 4 4 4 0", "not a whole number: '-'"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 0\r\r", "not a whole number: '0\\x0d'"},
        // sign and range
        {"-4 4 4 4 4 4 8 4 4 4 4 4 4 0", "count 1 (the user's pit 0) is negative: '-4'"},
        {"4 4 4 4 4 4 0 -0 4 4 4 4 4 4", "count 8 (the computer's pit 0) is negative"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 49", "more than the 48 marbles of the game: '49'"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 99999999999999999999999999", "more than the 48 marbles"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 -99999999999999999999999999", "is negative"},
        {"4 4 4 4 4 4 4294967296 4 4 4 4 4 4 0", "more than the 48 marbles"},
        // the total
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 1", "add up to 49 marbles, not 48"},
        {"0 0 0 0 0 0 0 0 0 0 0 0 0 0", "add up to 0 marbles, not 48"},
        {"48 48 48 48 48 48 48 48 48 48 48 48 48 48", "add up to 672 marbles"},
        // binary junk
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 0\0"s,
         "count 14 (the computer's store) is not a whole number: '0\\x00'"},
        {"4 4 4\0 4 4 4 0 4 4 4 4 4 4 0"s,
         "count 3 (the user's pit 2) is not a whole number: '4\\x00'"},
        {"\xef\xbb\xbf"
         "4 4 4 4 4 4 0 4 4 4 4 4 4 0",
         "count 1 (the user's pit 0) is not a whole number: '\\xef\\xbb\\xbf4'"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 0\x1b[2J", "'0\\x1b[2J'"},
    };
    for (const BadLine& c : cases) {
        Position pos = {};
        std::string error;
        EXPECT_FALSE(ParsePositionLine(c.line, pos, error)) << c.line;
        EXPECT_NE(error.find(c.said), std::string::npos)
            << "'" << c.line << "' -> " << error << " (expected: " << c.said << ")";
    }
}

TEST(PositionLine, APositionIsInPlayOnlyWhileBothSidesHaveMarblesInTheirPits) {
    std::string error;
    const Position start = {{4, 4, 4, 4, 4, 4, 0}, {4, 4, 4, 4, 4, 4, 0}};
    EXPECT_TRUE(CheckPositionInPlay(start, error));
    const Position userDone = {{0, 0, 0, 0, 0, 0, 20}, {0, 0, 0, 0, 0, 1, 27}};
    EXPECT_FALSE(CheckPositionInPlay(userDone, error));
    EXPECT_NE(error.find("user's six pits are empty"), std::string::npos) << error;
    const Position computerDone = {{1, 0, 0, 0, 0, 0, 20}, {0, 0, 0, 0, 0, 0, 27}};
    EXPECT_FALSE(CheckPositionInPlay(computerDone, error));
    EXPECT_NE(error.find("computer's six pits are empty"), std::string::npos) << error;
}

TEST(ReadLine, SplitsOnNewlinesKeepsALastLineWithoutOneAndKeepsNulBytes) {
    std::istringstream in("first\n\nthird\0x\nlast"s);
    std::string line;
    EXPECT_EQ(ReadPositionLine(in, line), LineRead::Line);
    EXPECT_EQ(line, "first");
    EXPECT_EQ(ReadPositionLine(in, line), LineRead::Line);
    EXPECT_EQ(line, "");
    EXPECT_EQ(ReadPositionLine(in, line), LineRead::Line);
    EXPECT_EQ(line, "third\0x"s);
    EXPECT_EQ(ReadPositionLine(in, line), LineRead::Line);
    EXPECT_EQ(line, "last");
    EXPECT_EQ(ReadPositionLine(in, line), LineRead::End);
    EXPECT_EQ(ReadPositionLine(in, line), LineRead::End);
}

TEST(ReadLine, StopsReadingALineThatNeverEnds) {
    std::istringstream exact(std::string(kMaxLineLength, '4') + "\n");
    std::string line;
    EXPECT_EQ(ReadPositionLine(exact, line), LineRead::Line);
    EXPECT_EQ(line.size(), kMaxLineLength);

    std::istringstream endless(std::string(kMaxLineLength * 50, '4'));
    EXPECT_EQ(ReadPositionLine(endless, line), LineRead::TooLong);
    EXPECT_LE(line.size(), kMaxLineLength);

    std::istringstream empty("");
    EXPECT_EQ(ReadPositionLine(empty, line), LineRead::End);
}

// A stream whose device fails after a few bytes, as reading a directory does.
class FailingBuffer : public std::streambuf {
protected:
    int_type underflow() override {
        if (m_nServed < 3) {
            m_c = "4 4"[m_nServed++];
            setg(&m_c, &m_c, &m_c + 1);
            return traits_type::to_int_type(m_c);
        }
        throw std::ios_base::failure("device error");
    }

private:
    int m_nServed = 0;
    char m_c = 0;
};

TEST(ReadLine, AReadErrorIsReportedNotThrown) {
    FailingBuffer buffer;
    std::istream in(&buffer);
    std::string line;
    EXPECT_EQ(ReadPositionLine(in, line), LineRead::Failed);
    EXPECT_EQ(ReadPositionLine(in, line), LineRead::Failed);
}

} // namespace
