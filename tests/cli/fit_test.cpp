// fit DURATION as a user runs it: the range it answers agrees with table, its exit statuses, and
// the JSON of one answer and of --all.

#include "CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace spanwise::test {
namespace {

using Json = nlohmann::ordered_json;
using Args = std::vector<std::string>;

Args With(Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The range fit answers is the first row of table --csv whose recording time is at least the
// duration; table's times are compared as the numbers state gives for that range.
TEST(CliFit, AnswersTheFirstRangeOfTheTableThatLastsLongEnough) {
    struct CCase {
        Args picks;
        const char* duration;
        const char* range;
        int nExit;
    };
    const CCase kCases[] = {
        {{}, "1.6s", "5us/div", 0},   // equal fits
        {{}, "1.61s", "10us/div", 0}, // just above moves on
        {{"model=Cedar"}, "3d", "2s/div", 0},
        {{"model=Hazel", "function=REC"}, "1h", "10s/div", 0},
        {{"model=Juniper"}, "2h", "500ms/div", 0},
        {{"model=Cedar"}, "3000d", "5min/div", 3}, // the longest, when nothing fits
    };
    for (const CCase& c : kCases) {
        const CCliRun fit = RunCli(With({"fit", c.duration, "--json"}, c.picks));
        ASSERT_EQ(fit.nExit, c.nExit) << c.duration << fit.err;
        const Json answer = Json::parse(fit.out);
        EXPECT_EQ(answer["range"], c.range) << c.duration;
        EXPECT_EQ(answer["fits"], c.nExit == 0);

        // The same range picked: state's numbers and texts are fit's.
        const CCliRun state =
            RunCli(With(With({"state"}, c.picks), {std::string("range=") + c.range}));
        const Json shown = Json::parse(state.out);
        EXPECT_EQ(answer["recording_time"], shown["recording_time"]);
        EXPECT_EQ(answer["recording_length"], shown["recording_length"]);
        EXPECT_EQ(answer["recording_time_s"], shown["recording_time_s"]);
        EXPECT_EQ(answer["seconds_per_div"], shown["seconds_per_div"]);
    }
}

TEST(CliFit, TextNamesTheLongestWhenNothingFits) {
    const CCliRun run = RunCli({"fit", "3000d", "model=Cedar"});
    EXPECT_EQ(run.nExit, 3);
    EXPECT_EQ(run.out, "No time-axis range records 3000d under these conditions; the longest "
                       "recording time is at 5min/div:\n"
                       "range             5min/div\n"
                       "sampling_period   3s/S\n"
                       "recording_time    555d13h20min\n"
                       "recording_length  160000 div\n");
}

TEST(CliFit, BadDurationIsAUsageErrorWithAnExample) {
    for (const char* duration : {"3x", "-1h", "0", "30min1h", "nan"}) {
        const CCliRun run = RunCli({"fit", duration});
        EXPECT_EQ(run.nExit, 2) << duration;
        EXPECT_NE(run.err.find("spanwise-cli: "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("3d, 2d12h"), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(CliFit, AllTriesEveryCombinationFinestFirst) {
    const CCliRun run = RunCli({"fit", "10d", "--all", "--json", "model=Hazel"});
    ASSERT_EQ(run.nExit, 0) << run.err;
    const Json answers = Json::parse(run.out);
    // Hazel: one memory, MEM with 1ch or 2ch, REC.
    ASSERT_EQ(answers.size(), 3U);
    double dPrevious = 0;
    for (const Json& answer : answers) {
        EXPECT_EQ(answer["conditions"].size(), 5U);
        if (answer["fits"] == true) {
            EXPECT_GE(answer["seconds_per_div"].get<double>(), dPrevious);
            dPrevious = answer["seconds_per_div"].get<double>();
        }
    }
    EXPECT_EQ(answers[0]["conditions"]["channels"], "1ch");
    EXPECT_EQ(answers[2]["fits"], false); // 2ch lasts 5d13h20min at most

    const CCliRun text = RunCli({"fit", "10d", "--all", "model=Hazel"});
    EXPECT_NE(text.out.find("1 of 3 combinations record less than 10d at every range\n"),
              std::string::npos)
        << text.out;
}

TEST(CliFit, ScenarioLinesExitThreeWhenALineDoesNotFit) {
    const CCliRun run = RunCli({"fit", "10d", "--json", "-"}, "model=Cedar\nmodel=Gum/Gum-2\n");
    EXPECT_EQ(run.nExit, 3);
    EXPECT_EQ(SplitLines(run.out).size(), 2U);
}

} // namespace
} // namespace spanwise::test
