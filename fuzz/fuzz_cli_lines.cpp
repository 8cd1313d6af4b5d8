// ravelo2-cli analyse and value, in process, on arbitrary standard input. The first byte picks
// the command (analyse at level 1 or 2, or value at depth 0 to 4, so that every run stays quick);
// the rest is standard input. A line reader of our own decides independently which lines are
// good: the program must answer exactly the lines before the first bad one, each with one JSON
// object of the promised shape, and then name the bad line with status 2.
#include "cli/cli_main.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// --- a small strict JSON reader ----------------------------------------------------------------

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
    bool b = false;
    std::string text; // a number as written, or a string's raw contents
    std::vector<Json> items;
    std::vector<std::string> keys; // an object's keys in the order written
    std::vector<Json> members;     // and their values
};

class JsonReader {
public:
    explicit JsonReader(std::string_view s) : m_s(s) {}

    // The whole text must be one value, with nothing but blanks around it.
    bool ReadDocument(Json& value) {
        SkipBlanks();
        if (!ReadValue(value, 0)) {
            return false;
        }
        SkipBlanks();
        return m_at == m_s.size();
    }

private:
    bool ReadValue(Json& v, int nNesting) {
        if (nNesting > 8 || m_at >= m_s.size()) {
            return false;
        }
        const char c = m_s[m_at];
        if (c == '{') {
            return ReadObject(v, nNesting);
        }
        if (c == '[') {
            return ReadArray(v, nNesting);
        }
        if (c == '"') {
            v.kind = Json::String;
            return ReadString(v.text);
        }
        if (Take("true")) {
            v.kind = Json::Bool;
            v.b = true;
            return true;
        }
        if (Take("false")) {
            v.kind = Json::Bool;
            return true;
        }
        if (Take("null")) {
            v.kind = Json::Null;
            return true;
        }
        v.kind = Json::Number;
        return ReadNumber(v.text);
    }

    bool ReadObject(Json& v, int nNesting) {
        v.kind = Json::Object;
        ++m_at;
        SkipBlanks();
        if (Take("}")) {
            return true;
        }
        for (;;) {
            std::string key;
            SkipBlanks();
            if (m_at >= m_s.size() || m_s[m_at] != '"' || !ReadString(key)) {
                return false;
            }
            SkipBlanks();
            if (!Take(":")) {
                return false;
            }
            SkipBlanks();
            Json member;
            if (!ReadValue(member, nNesting + 1)) {
                return false;
            }
            v.keys.push_back(key);
            v.members.push_back(member);
            SkipBlanks();
            if (Take("}")) {
                return true;
            }
            if (!Take(",")) {
                return false;
            }
        }
    }

    bool ReadArray(Json& v, int nNesting) {
        v.kind = Json::Array;
        ++m_at;
        SkipBlanks();
        if (Take("]")) {
            return true;
        }
        for (;;) {
            SkipBlanks();
            Json item;
            if (!ReadValue(item, nNesting + 1)) {
                return false;
            }
            v.items.push_back(item);
            SkipBlanks();
            if (Take("]")) {
                return true;
            }
            if (!Take(",")) {
                return false;
            }
        }
    }

    // Only what this program could write: printable ASCII without escapes.
    bool ReadString(std::string& out) {
        ++m_at;
        for (; m_at < m_s.size(); ++m_at) {
            const auto c = static_cast<unsigned char>(m_s[m_at]);
            if (c == '"') {
                ++m_at;
                return true;
            }
            if (c < 0x20 || c > 0x7e || c == '\\') {
                return false;
            }
            out.push_back(static_cast<char>(c));
        }
        return false;
    }

    // JSON's number grammar: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    bool ReadNumber(std::string& out) {
        const std::size_t start = m_at;
        Take("-");
        if (Take("0")) {
        } else if (!Digits(true)) {
            return false;
        }
        if (Take(".") && !Digits(false)) {
            return false;
        }
        if (Take("e") || Take("E")) {
            if (!Take("+")) {
                Take("-");
            }
            if (!Digits(false)) {
                return false;
            }
        }
        out = std::string(m_s.substr(start, m_at - start));
        return true;
    }

    bool Digits(bool bNoLeadingZero) {
        const std::size_t start = m_at;
        while (m_at < m_s.size() && m_s[m_at] >= '0' && m_s[m_at] <= '9') {
            ++m_at;
        }
        return m_at > start && !(bNoLeadingZero && m_s[start] == '0');
    }

    bool Take(std::string_view word) {
        if (m_s.substr(m_at, word.size()) == word) {
            m_at += word.size();
            return true;
        }
        return false;
    }

    void SkipBlanks() {
        while (m_at < m_s.size() &&
               (m_s[m_at] == ' ' || m_s[m_at] == '\t' || m_s[m_at] == '\n' || m_s[m_at] == '\r')) {
            ++m_at;
        }
    }

    std::string_view m_s;
    std::size_t m_at = 0;
};

bool IsInteger(const Json& v) {
    return v.kind == Json::Number && v.text.find_first_of(".eE") == std::string::npos &&
           v.text.size() < 9;
}

int IntegerOf(const Json& v) {
    return std::stoi(v.text);
}

// --- the independent line reader -----------------------------------------------------------

constexpr std::size_t kLongestLine = 1024;

// Whether a line is a position the command must answer, and its counts: 14 runs of digits
// separated by blanks or tabs, one carriage return allowed at the end, each count 0 to 48, 48
// marbles in all, and a marble in some pit of each row (a finished game has nothing to judge).
bool IsGoodLine(std::string_view line, int (&counts)[14]) {
    if (line.size() > kLongestLine) {
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    int nCounts = 0;
    int nTotal = 0;
    std::size_t i = 0;
    for (;;) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
        if (i == line.size()) {
            break;
        }
        int nValue = 0;
        const std::size_t start = i;
        for (; i < line.size() && line[i] != ' ' && line[i] != '\t'; ++i) {
            if (line[i] < '0' || line[i] > '9') {
                return false;
            }
            nValue = nValue * 10 + (line[i] - '0');
            if (nValue > 48) {
                return false;
            }
        }
        if (i == start || nCounts == 14) {
            return false;
        }
        counts[nCounts++] = nValue;
        nTotal += nValue;
    }
    if (nCounts != 14 || nTotal != 48) {
        return false;
    }
    int nUser = 0;
    int nComputer = 0;
    for (int p = 0; p < 6; ++p) {
        nUser += counts[p];
        nComputer += counts[7 + p];
    }
    return nUser > 0 && nComputer > 0;
}

// The lines of standard input as the program numbers them: split on newlines, with a last line
// that lacks one still a line.
std::vector<std::string_view> InputLines(std::string_view input) {
    std::vector<std::string_view> lines;
    while (!input.empty()) {
        const std::size_t nl = input.find('\n');
        lines.push_back(input.substr(0, nl));
        if (nl == std::string_view::npos) {
            break;
        }
        input.remove_prefix(nl + 1);
    }
    return lines;
}

void CheckChoice(const std::string& line, const int (&counts)[14]) {
    Json v;
    FUZZ_REQUIRE(JsonReader(line).ReadDocument(v), line);
    FUZZ_REQUIRE(v.kind == Json::Object && v.members.size() == 5, line);
    const char* const keys[] = {"pit", "forced", "depth", "scores", "ms"};
    for (std::size_t k = 0; k < 5; ++k) {
        FUZZ_REQUIRE(v.keys[k] == keys[k], line);
    }
    const Json& pit = v.members[0];
    const Json& forced = v.members[1];
    const Json& depth = v.members[2];
    const Json& scores = v.members[3];
    const Json& ms = v.members[4];
    FUZZ_REQUIRE(IsInteger(pit), line);
    const int nPit = IntegerOf(pit);
    FUZZ_REQUIRE(nPit >= 0 && nPit < 6 && counts[7 + nPit] > 0, "not a computer's move: " + line);
    FUZZ_REQUIRE(forced.kind == Json::Bool, line);
    // Levels 1 and 2 never search.
    FUZZ_REQUIRE(depth.kind == Json::Null, line);
    if (forced.b) {
        FUZZ_REQUIRE(scores.kind == Json::Null, line);
    } else {
        FUZZ_REQUIRE(scores.kind == Json::Array && scores.items.size() == 6, line);
        int nBest = -1000000;
        for (const Json& s : scores.items) {
            FUZZ_REQUIRE(IsInteger(s), line);
            nBest = std::max(nBest, IntegerOf(s));
        }
        FUZZ_REQUIRE(IntegerOf(scores.items[static_cast<std::size_t>(nPit)]) == nBest,
                     "the chosen pit does not have the best score: " + line);
    }
    FUZZ_REQUIRE(ms.kind == Json::Number && ms.text[0] != '-', line);
}

void CheckValue(const std::string& line, int nDepth) {
    Json v;
    FUZZ_REQUIRE(JsonReader(line).ReadDocument(v), line);
    FUZZ_REQUIRE(v.kind == Json::Object && v.members.size() == 1, line);
    FUZZ_REQUIRE(v.keys[0] == "value" && IsInteger(v.members[0]), line);
    const int nValue = IntegerOf(v.members[0]);
    FUZZ_REQUIRE(nValue >= -(nDepth + 1) && nValue <= nDepth + 1, line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t mode = data[0];
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool bAnalyse = (mode & 1) == 0;
    const int nDepth = (mode >> 1) % 5;
    const std::string level = (mode & 2) ? "2" : "1";
    const std::string seed = std::to_string(mode >> 2);
    const std::string depth = std::to_string(nDepth);
    std::vector<std::string_view> args;
    if (bAnalyse) {
        args = {"analyse", "--level", level, "--seed", seed};
    } else {
        args = {"value", "--depth", depth, "--to-move", (mode & 0x80) ? "user" : "computer"};
    }

    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, in, out, err);

    // What the program should have done, line by line.
    const std::vector<std::string_view> lines = InputLines(input);
    std::vector<std::vector<int>> good;
    std::size_t nFirstBad = lines.size();
    for (std::size_t n = 0; n < lines.size(); ++n) {
        int counts[14] = {};
        if (!IsGoodLine(lines[n], counts)) {
            nFirstBad = n;
            break;
        }
        good.emplace_back(counts, counts + 14);
    }

    std::vector<std::string> answers;
    {
        std::istringstream written(out.str());
        for (std::string line; std::getline(written, line);) {
            answers.push_back(line);
        }
    }
    FUZZ_REQUIRE(out.str().empty() || out.str().back() == '\n', out.str());
    FUZZ_REQUIRE(answers.size() == good.size(), std::to_string(answers.size()) + " answers for " +
                                                    std::to_string(good.size()) + " good lines");
    for (std::size_t n = 0; n < answers.size(); ++n) {
        int counts[14];
        std::copy(good[n].begin(), good[n].end(), counts);
        if (bAnalyse) {
            CheckChoice(answers[n], counts);
        } else {
            CheckValue(answers[n], nDepth);
        }
    }
    if (nFirstBad == lines.size()) {
        FUZZ_REQUIRE(status == 0, err.str());
        FUZZ_REQUIRE(err.str().empty(), err.str());
    } else {
        FUZZ_REQUIRE(status == 2, std::to_string(status) + " " + err.str());
        const std::string prefix = "ravelo2-cli: line " + std::to_string(nFirstBad + 1) + ": ";
        const std::string said = err.str();
        FUZZ_REQUIRE(said.rfind(prefix, 0) == 0, said);
        FUZZ_REQUIRE(said.size() > prefix.size() + 1 && said.back() == '\n', said);
        FUZZ_REQUIRE(IsPrintableText(said.substr(0, said.size() - 1)), said);
    }
    return 0;
}
