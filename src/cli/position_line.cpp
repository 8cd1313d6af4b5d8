#include "cli/position_line.h"

#include "cli/cli_text.h"

#include <cstdint>
#include <exception>
#include <streambuf>

namespace {

constexpr int kCountsPerLine = 2 * kPlaces;

bool IsSeparator(char c) {
    return c == ' ' || c == '\t';
}

// Which place of the board the n-th count of a line (0-based) fills, in the player's words.
std::string PlaceName(int n) {
    const char* side = n < kPlaces ? "user's" : "computer's";
    const int index = n % kPlaces;
    if (index == kStore) {
        return std::string(side) + " store";
    }
    return std::string(side) + " pit " + std::to_string(index);
}

} // namespace

LineRead ReadPositionLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buf = in.rdbuf();
    if (buf == nullptr || !in.good()) {
        return in.bad() ? LineRead::Failed : LineRead::End;
    }
    for (;;) {
        int c = 0;
        // The standard library's file buffer reports a read error (standard input is a
        // directory, a device failed) by throwing; to the player it is input that cannot be read.
        try {
            c = buf->sbumpc();
        } catch (const std::exception&) {
            in.setstate(std::ios::badbit);
            return LineRead::Failed;
        }
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            return line.empty() ? LineRead::End : LineRead::Line;
        }
        if (c == '\n') {
            return LineRead::Line;
        }
        if (line.size() >= kMaxLineLength) {
            return LineRead::TooLong;
        }
        line.push_back(static_cast<char>(c));
    }
}

bool ParsePositionLine(std::string_view line, Position& pos, std::string& error) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::string_view words[kCountsPerLine];
    int nWords = 0;
    for (std::size_t i = 0; i < line.size();) {
        if (IsSeparator(line[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && !IsSeparator(line[end])) {
            ++end;
        }
        if (nWords < kCountsPerLine) {
            words[nWords] = line.substr(i, end - i);
        }
        ++nWords;
        i = end;
    }
    if (nWords != kCountsPerLine) {
        error = nWords == 0 ? std::string("empty line; expected 14 counts")
                            : "expected 14 counts, found " + std::to_string(nWords);
        return false;
    }

    int nTotal = 0;
    for (int n = 0; n < kCountsPerLine; ++n) {
        std::int64_t nCount = 0;
        const NumberText read = ParseWholeNumber(words[n], 0, kMarbles, nCount);
        if (read != NumberText::Ok) {
            error = "count " + std::to_string(n + 1) + " (the " + PlaceName(n) + ") " +
                    (read == NumberText::Negative     ? "is negative: "
                     : read == NumberText::OutOfRange ? "is more than the 48 marbles of the game: "
                                                      : "is not a whole number: ") +
                    QuoteForMessage(words[n]);
            return false;
        }
        pos[n / kPlaces][n % kPlaces] = static_cast<std::int32_t>(nCount);
        nTotal += static_cast<int>(nCount);
    }
    if (nTotal != kMarbles) {
        error = "the counts add up to " + std::to_string(nTotal) + " marbles, not 48";
        return false;
    }
    return true;
}

bool CheckPositionInPlay(const Position& pos, std::string& error) {
    for (int row = 0; row < 2; ++row) {
        bool bEmpty = true;
        for (int pit = 0; pit < kPits; ++pit) {
            bEmpty = bEmpty && pos[row][pit] == 0;
        }
        if (bEmpty) {
            error = std::string("the ") + (row == kUserRow ? "user's" : "computer's") +
                    " six pits are empty: that side has already won and the game is over";
            return false;
        }
    }
    return true;
}
