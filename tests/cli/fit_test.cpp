// fit DURATION as a user runs it: the range it answers agrees with table, its exit statuses, the
// durations it reads and echoes, the lists --all holds, and its JSON and CSV.

#include "CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

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
        EXPECT_EQ(answer["recording_length_divs"], shown["recording_length_divs"]);
        EXPECT_EQ(answer["sampling_period_visible"], shown["sampling_period_visible"]);
        EXPECT_EQ(answer["duration"], c.duration);
        for (const auto& [list, condition] : answer["conditions"].items()) {
            const Json& shownList = shown["lists"][list];
            EXPECT_EQ(condition, shownList["enabled"] == true
                                     ? shownList["entries"][shownList["selected"].get<int>()]
                                     : Json("-"))
                << list;
        }
    }
}

TEST(CliFit, TextNamesTheLongestWhenNothingFits) {
    const CCliRun run = RunCli({"fit", "3000 days", "model=Cedar"});
    EXPECT_EQ(run.nExit, 3);
    EXPECT_EQ(run.out, "No time-axis range records \"3000 days\" under these conditions: the "
                       "longest recording time is 555d13h20min, at 5min/div.\n"
                       "range             5min/div\n"
                       "sampling_period   3s/S\n"
                       "recording_time    555d13h20min\n"
                       "recording_length  160000 div\n");
}

// The words and forms users write answer as the short forms do.
TEST(CliFit, SpellingsAnswerAsTheirShortForms) {
    const std::pair<const char*, const char*> kPairs[] = {
        {"90 min", "90min"}, {"1.5 h", "1.5h"}, {"1 hour", "1h"},   {"2 hours", "2h"},
        {"3 days", "3d"},    {"1,5h", "1.5h"},  {"10 SECS", "10s"}, {"1 hour, 30 minutes", "90min"},
        {"01:30:00", "90m"},
    };
    for (const auto& [spelled, shortForm] : kPairs) {
        Json spelledAnswer = Json::parse(RunCli({"fit", spelled, "--json", "model=Cedar"}).out);
        Json shortAnswer = Json::parse(RunCli({"fit", shortForm, "--json", "model=Cedar"}).out);
        EXPECT_EQ(spelledAnswer["duration"], spelled);
        spelledAnswer.erase("duration");
        shortAnswer.erase("duration");
        EXPECT_EQ(spelledAnswer, shortAnswer) << spelled;
    }
}

// A duration no number holds is a usage error; a finite one longer than every range is answered
// with status 3. Either way the message echoes what was typed, shortened, and no "inf" shows.
TEST(CliFit, DurationsEchoWhatWasTypedAndStayShort) {
    struct CCase {
        std::string duration;
        int nExit;
        std::string echo;
    };
    const std::string kNines(400, '9');
    const CCase kCases[] = {
        {"2147483648d", 3, "records \"2147483648d\" under"},
        {"35555d13h20min1us", 3, "records \"35555d13h20min1us\" under"},
        {"1" + std::string(308, '0'), 3,
         "records \"1" + std::string(56, '0') + "...\" (309 characters) under"},
        {std::string(310, '9'), 2,
         "\"" + std::string(57, '9') + "...\" (310 characters) is too long"},
        {kNines + "d", 2, "(401 characters) is too long"},
        {"1" + std::string(303, '0') + "d 1" + std::string(308, '0') + "s", 2, "is too long"},
        {"1e-3", 2, "\"1e-3\" is scientific notation, which is not accepted: write 0.001"},
        {"1-2s", 2, "unexpected \"-\" in \"1-2s\""},
        {"1h-", 2, "unexpected \"-\" in \"1h-\""},
        {"5-", 2, "unexpected \"-\" in \"5-\""},
        {"-1h", 2, "\"-1h\" is negative"},
        {"-0", 2, "\"-0\" is not longer than zero"},
        {"1,000h", 2, "\"1,000h\" is ambiguous: write 1000h or 1.000h"},
        {"3x", 2, "\"x\" is not a unit"},
        {"30min1h", 2, "the hours come after the minutes"},
        {"0", 2, "longer than zero"},
        {"nan", 2, "\"nan\" is not a number"},
        {"-", 2, "fit DURATION -"},
        {std::string(400, 'x'), 2, "(400 characters) is not a number"},
        {"1h " + std::string(400, '-'), 2, "unexpected \"-\" in \"1h ---"},
    };
    for (const CCase& c : kCases) {
        SCOPED_TRACE(c.duration.substr(0, 20));
        const CCliRun run = RunCli({"fit", c.duration, "model=alder", "memory=1g"});
        EXPECT_EQ(run.nExit, c.nExit) << run.err;
        const std::string& answer = c.nExit == 2 ? run.err : run.out;
        const std::string firstLine = answer.substr(0, answer.find('\n'));
        EXPECT_NE(firstLine.find(c.echo), std::string::npos) << answer;
        EXPECT_EQ(firstLine.find("inf"), std::string::npos) << firstLine;
        EXPECT_LE(firstLine.size(), 200U) << firstLine;
        if (c.nExit == 2) {
            EXPECT_EQ(run.err.rfind("spanwise-cli: DURATION: ", 0), 0U) << run.err;
            EXPECT_NE(run.err.find("'spanwise-cli --help'"), std::string::npos) << run.err;
            EXPECT_TRUE(run.out.empty());
        }
    }
}

// A list picked on the line is held at its entry, every row shows it, and the count is of the
// rows there are.
TEST(CliFit, AllHoldsTheListsPickedOnTheLine) {
    struct CCase {
        Args picks;
        const char* held; // the first line
        std::vector<std::pair<std::string, std::string>> heldEntries;
    };
    const CCase kCases[] = {
        {{"model=alder", "memory=1g"},
         "held: memory 1GW; varied: function, sampling, scanner, channels",
         {{"memory", "1GW"}}},
        // REC disables the channels: those combinations do not hold 4ch
        {{"model=Ivy", "channels=4ch"}, "held: channels 4ch; varied: none", {{"channels", "4ch"}}},
        // a held list that a later pick disabled is not named
        {{"model=Ivy", "channels=4ch", "function=REC"},
         "held: function REC; varied: none",
         {{"function", "REC"}}},
        {{"model=Cedar", "function=REC", "memory=#0"},
         "held: memory 32MW, function REC; varied: none",
         {{"memory", "32MW"}, {"function", "REC"}}},
        // only the lists whose entry differs between the rows vary
        {{"model=Hazel"}, "held: none; varied: function, channels", {}},
        {{"model=Gum/Gum-2"}, "held: none; varied: none", {}},
    };
    for (const CCase& c : kCases) {
        SCOPED_TRACE(::testing::PrintToString(c.picks));
        const CCliRun json = RunCli(With({"fit", "1h", "--all", "--json"}, c.picks));
        ASSERT_EQ(json.nExit, 0) << json.err;
        const Json answers = Json::parse(json.out);
        ASSERT_FALSE(answers.empty());
        for (const Json& answer : answers) {
            for (const auto& [list, entry] : c.heldEntries) {
                EXPECT_EQ(answer["conditions"][list], entry) << answer.dump();
            }
        }
        // The same combinations as without the hold, less those on other entries.
        Args unheldPicks = {c.picks.front()};
        const Json every =
            Json::parse(RunCli(With({"fit", "1h", "--all", "--json"}, unheldPicks)).out);
        std::size_t nHolding = 0;
        for (const Json& answer : every) {
            nHolding += std::all_of(c.heldEntries.begin(), c.heldEntries.end(), [&](const auto& h) {
                return answer["conditions"][h.first] == h.second;
            });
        }
        EXPECT_EQ(answers.size(), nHolding);

        const CCliRun text = RunCli(With({"fit", "1h", "--all"}, c.picks));
        const std::vector<std::string> lines = SplitLines(text.out);
        ASSERT_EQ(lines.size(), answers.size() + 3);
        EXPECT_EQ(lines.front(), c.held);
        EXPECT_EQ(lines.back(),
                  "0 of " + std::to_string(answers.size()) +
                      (answers.size() == 1 ? " combination records" : " combinations record") +
                      " less than \"1h\" at every range");
    }
}

TEST(CliFit, AllListsEveryCombinationThoseThatDoNotFitLast) {
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
    EXPECT_EQ(text.out,
              "held: none; varied: function, channels\n"
              "memory  function  sampling  scanner  channels  fits  range      sampling_period  "
              "recording_time  recording_length\n"
              "-       MEM       -         -        1ch       yes   5min/div   3.75s/S          "
              "11d2h40min      3200 div\n"
              "-       REC       -         -        -         yes   1hour/div  -                "
              "16d16h          400 div\n"
              "-       MEM       -         -        2ch       no    5min/div   3.75s/S          "
              "5d13h20min      1600 div\n"
              "1 of 3 combinations record less than \"10d\" at every range\n");

    // When nothing fits, the longest recording comes first, whatever its range.
    const CCliRun none = RunCli({"fit", "100d", "--all", "--csv", "model=Hazel"});
    EXPECT_EQ(none.nExit, 3);
    EXPECT_EQ(none.out, "memory,function,sampling,scanner,channels,fits,range,sampling_period,"
                        "recording_time,recording_length\n"
                        "-,REC,-,-,-,false,1hour/div,-,16d16h,400 div\n"
                        "-,MEM,-,-,1ch,false,5min/div,3.75s/S,11d2h40min,3200 div\n"
                        "-,MEM,-,-,2ch,false,5min/div,3.75s/S,5d13h20min,1600 div\n");

    const CCliRun one = RunCli({"fit", "3000d", "--all", "model=Juniper"});
    EXPECT_EQ(one.nExit, 3);
    EXPECT_NE(one.out.find("\n1 of 1 combination records less than \"3000d\" at every range\n"),
              std::string::npos)
        << one.out;
}

TEST(CliFit, CsvHasAHeaderAndOneRowPerAnswer) {
    const CCliRun single = RunCli({"fit", "3d", "--csv", "model=Cedar"});
    EXPECT_EQ(single.nExit, 0);
    EXPECT_EQ(single.out, "fits,range,sampling_period,recording_time,recording_length\n"
                          "true,2s/div,20ms/S,3d16h53min20s,160000 div\n");

    const CCliRun all = RunCli({"fit", "10d", "--all", "--csv", "model=Hazel"});
    EXPECT_EQ(all.out, "memory,function,sampling,scanner,channels,fits,range,sampling_period,"
                       "recording_time,recording_length\n"
                       "-,MEM,-,-,1ch,true,5min/div,3.75s/S,11d2h40min,3200 div\n"
                       "-,REC,-,-,-,true,1hour/div,-,16d16h,400 div\n"
                       "-,MEM,-,-,2ch,false,5min/div,3.75s/S,5d13h20min,1600 div\n");

    const CCliRun lines =
        RunCli({"fit", "3d", "--csv", "-"}, "model=Cedar\nmodel=Oak\nmodel=Gum\n");
    EXPECT_EQ(lines.nExit, 1);
    const std::vector<std::string> rows = SplitLines(lines.out);
    ASSERT_EQ(rows.size(), 3U) << lines.out;
    EXPECT_EQ(rows[0], "line,fits,range,sampling_period,recording_time,recording_length");
    EXPECT_EQ(rows[1].rfind("1,true,2s/div,", 0), 0U);
    EXPECT_EQ(rows[2].rfind("3,", 0), 0U);
    EXPECT_EQ(lines.err.rfind("spanwise-cli: line 2: \"Oak\"", 0), 0U) << lines.err;

    EXPECT_EQ(RunCli({"fit", "3d", "--csv", "--json"}).nExit, 2);
}

TEST(CliFit, ScenarioLinesExitThreeWhenALineDoesNotFit) {
    const CCliRun run = RunCli({"fit", "10d", "--json", "-"}, "model=Cedar\nmodel=Gum/Gum-2\n");
    EXPECT_EQ(run.nExit, 3);
    EXPECT_EQ(SplitLines(run.out).size(), 2U);
}

// Under --all --json each line is an array, and a line that fails the error object every command
// writes.
TEST(CliFit, ScenarioLinesUnderAllJsonKeepTheErrorShape) {
    const CCliRun run = RunCli({"fit", "10d", "--all", "--json", "-"}, "model=Hazel\nmodel=Oak\n");
    EXPECT_EQ(run.nExit, 1);
    const std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_TRUE(Json::parse(lines[0]).is_array());
    const Json error = Json::parse(lines[1]);
    ASSERT_TRUE(error.is_object());
    EXPECT_EQ(error.size(), 1U);
    EXPECT_EQ(error["error"].get<std::string>().rfind("line 2: \"Oak\"", 0), 0U);
}

} // namespace
} // namespace spanwise::test
