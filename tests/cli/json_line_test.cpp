#include "cli/json_line.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

ChoiceReport Report(int bForced, int nDepth, int bHasScores, std::initializer_list<int> scores) {
    ChoiceReport report;
    report.bForced = bForced;
    report.nDepth = nDepth;
    report.bHasScores = bHasScores;
    int i = 0;
    for (int s : scores) {
        report.nScores[i++] = s;
    }
    return report;
}

TEST(ChoiceJson, WritesEachKindOfChoice) {
    struct Case {
        int nPit;
        ChoiceReport report;
        double dMs;
        const char* json;
    } cases[] = {
        {0, Report(0, 0, 1, {11, 10, 4, 3, 7, -4}), 0.0004,
         R"({"pit": 0, "forced": false, "depth": null, "scores": [11, 10, 4, 3, 7, -4], "ms": 0.000})"},
        {5, Report(1, 0, 0, {}), 0.0,
         R"({"pit": 5, "forced": true, "depth": null, "scores": null, "ms": 0.000})"},
        {2, Report(0, 55, 1, {-30000, -56, 3, 0, -30000, 1}), 1234.5678,
         R"({"pit": 2, "forced": false, "depth": 55, "scores": [-30000, -56, 3, 0, -30000, 1], "ms": 1234.568})"},
        {1, Report(0, 1, 1, {-30000, 2, -30000, -30000, -30000, -30000}), 0.25,
         R"({"pit": 1, "forced": false, "depth": 1, "scores": [-30000, 2, -30000, -30000, -30000, -30000], "ms": 0.250})"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatChoiceJson(c.nPit, c.report, c.dMs), c.json);
    }
}

TEST(ChoiceJson, ATimeThatIsNoNumberIsWrittenAsZero) {
    const ChoiceReport report = Report(1, 0, 0, {});
    const char* json = R"({"pit": 3, "forced": true, "depth": null, "scores": null, "ms": 0.000})";
    EXPECT_EQ(FormatChoiceJson(3, report, std::numeric_limits<double>::quiet_NaN()), json);
    EXPECT_EQ(FormatChoiceJson(3, report, std::numeric_limits<double>::infinity()), json);
    EXPECT_EQ(FormatChoiceJson(3, report, -1.0), json);
}

TEST(ValueJson, WritesTheSignedValue) {
    EXPECT_EQ(FormatValueJson(0), R"({"value": 0})");
    EXPECT_EQ(FormatValueJson(-56), R"({"value": -56})");
    EXPECT_EQ(FormatValueJson(61), R"({"value": 61})");
}

} // namespace
