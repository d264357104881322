// report, state and table as a user runs them from a shell: single mode, one scenario per run.

#include "CliRun.h"
#include "ModelPositions.h"
#include "calc/DurationParse.h"
#include "calc/DurationUnits.h"
#include "res/Version.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

namespace spanwise::test {
namespace {

using Json = nlohmann::ordered_json;
using Args = std::vector<std::string>;

// Cedar at its opening conditions, then REC.
const char* const kCedarRecReport = "Model Number Cedar\n"
                                    "Internal Memory 32MW\n"
                                    "Function REC\n"
                                    "Sampling -\n"
                                    "Sable Scanner Unit -\n"
                                    "Channels -\n"
                                    "Time-axis Range 10ms/div\n"
                                    "\n"
                                    "[Maximum Recording Length] 20000 div\n"
                                    "[Maximum Recording Time] 3min20s\n";

Json State(const Args& picks) {
    Args args{"state"};
    args.insert(args.end(), picks.begin(), picks.end());
    const CCliRun run = RunCli(args);
    EXPECT_EQ(run.nExit, 0) << run.err;
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1) << "one line";
    return Json::parse(run.out);
}

std::vector<std::string> Keys(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items()) {
        keys.push_back(item.key());
    }
    return keys;
}

TEST(CliReport, PrintsTheReportAfterThePicksInOrder) {
    struct Case {
        Args args;
        const char* expected;
    };
    const Case cases[] = {
        {{}, kOpeningReport},
        {{"report"}, kOpeningReport},
        {{"report", "model=Cedar", "function=REC"}, kCedarRecReport},
        // the channel pick is made while the list is enabled; REC then shows it as "-"
        {{"report", "model=Cedar", "channels=4ch", "function=REC"}, kCedarRecReport},
        {{"report", "MODEL=cedar", "Function=rec"}, kCedarRecReport},
        {{"report", "model=" + ModelPosition("Cedar"), "function=#1"}, kCedarRecReport},
        // selections without a command mean report
        {{"model=Cedar", "function=REC"}, kCedarRecReport},
        {{"model=ced", "function=r"}, kCedarRecReport},
    };
    for (const Case& c : cases) {
        const CCliRun run = RunCli(c.args);
        EXPECT_EQ(run.nExit, 0);
        EXPECT_EQ(run.out, c.expected) << ::testing::PrintToString(c.args);
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliReport, LaterPicksSeeTheListsAsEarlierPicksLeftThem) {
    // The position carries across a change of model, not the label.
    const CCliRun run = RunCli({"report", "memory=512MW", "model=Birch/Birch-W"});
    EXPECT_EQ(run.nExit, 0);
    EXPECT_NE(run.out.find("\nInternal Memory 1GW\n"), std::string::npos) << run.out;
}

TEST(CliState, HasExactlyTheDocumentedShape) {
    const Json state = State({});
    EXPECT_EQ(Keys(state), (Args{"lists", "recording_length", "sampling_period",
                                 "sampling_period_visible", "recording_time", "report",
                                 "recording_length_divs", "seconds_per_div", "recording_time_s"}));
    EXPECT_EQ(Keys(state["lists"]),
              (Args{"model", "memory", "function", "sampling", "scanner", "channels", "range"}));
    for (const auto& list : state["lists"].items()) {
        SCOPED_TRACE(list.key());
        const Json& l = list.value();
        ASSERT_EQ(Keys(l), (Args{"entries", "selected", "enabled"}));
        ASSERT_TRUE(l["entries"].is_array());
        for (const Json& entry : l["entries"]) {
            EXPECT_TRUE(entry.is_string());
        }
        EXPECT_TRUE(l["selected"].is_number_integer());
        EXPECT_TRUE(l["enabled"].is_boolean());
    }
    EXPECT_EQ(state["recording_length"], "320000 div");
    EXPECT_EQ(state["sampling_period"], "( 50ns/S )");
    EXPECT_EQ(state["sampling_period_visible"], true);
    EXPECT_EQ(state["recording_time"], "1.6s");
    EXPECT_EQ(state["report"], WithCrLf(kOpeningReport));
    EXPECT_TRUE(state["recording_length_divs"].is_number_integer());
    EXPECT_EQ(state["recording_length_divs"], 320000);
    EXPECT_EQ(state["seconds_per_div"], 0.000005);
    EXPECT_EQ(state["recording_time_s"], 320000 * 0.000005);
}

// The numbers are those the shown texts were made from, not the texts read back.
TEST(CliState, NumbersAreTheValuesBehindTheTexts) {
    struct CCase {
        Args picks;
        int nDivs;
        double dSecondsPerDiv;
        const char* time;
    };
    const CCase kCases[] = {
        {{"model=Cedar", "function=REC"}, 20000, 0.01, "3min20s"},
        {{"model=Birch/Birch-W", "memory=2GW", "range=5min/div"}, 10240000, 300, "35555d13h20min"},
        {{"model=Hazel", "range=400us/div"}, 3200, 0.0004, "1.28s"},
    };
    for (const CCase& c : kCases) {
        const Json state = State(c.picks);
        EXPECT_EQ(state["recording_length_divs"], c.nDivs);
        EXPECT_EQ(state["seconds_per_div"], c.dSecondsPerDiv);
        EXPECT_EQ(state["recording_time_s"], c.nDivs * c.dSecondsPerDiv);
        EXPECT_EQ(state["recording_time"], c.time);
    }
}

TEST(CliState, CedarUnderRecNarrowsTheDialog) {
    const Json state = State({"model=Cedar", "function=REC"});
    const Json& lists = state["lists"];
    EXPECT_EQ(lists["model"]["selected"], 2);
    EXPECT_EQ(lists["function"]["selected"], 1);
    EXPECT_EQ(lists["memory"]["enabled"], true);
    EXPECT_EQ(lists["function"]["enabled"], true);
    EXPECT_EQ(lists["sampling"]["enabled"], false);
    EXPECT_EQ(lists["scanner"]["enabled"], false);
    EXPECT_EQ(lists["channels"]["enabled"], false);
    EXPECT_EQ(lists["channels"]["entries"], (Json{"2ch", "4ch", "8ch"}));
    const Json& ranges = lists["range"]["entries"];
    ASSERT_EQ(ranges.size(), 17U);
    EXPECT_EQ(ranges.front(), "10ms/div");
    EXPECT_EQ(ranges.back(), "1hour/div");
    EXPECT_EQ(lists["range"]["selected"], 0);
    EXPECT_EQ(state["recording_length"], "20000 div");
    EXPECT_EQ(state["sampling_period"], "( 100us/S )");
    EXPECT_EQ(state["sampling_period_visible"], false);
    EXPECT_EQ(state["recording_time"], "3min20s");
    EXPECT_EQ(state["report"], WithCrLf(kCedarRecReport));
}

TEST(CliState, ShowsEmptyAndPlaceholderEntriesInTheirPositions) {
    const Json lists = State({"model=Gum/Gum-2"})["lists"];
    EXPECT_EQ(lists["memory"],
              (Json{{"entries", {"-", "", "", ""}}, {"selected", 0}, {"enabled", false}}));
    EXPECT_EQ(lists["channels"],
              (Json{{"entries", {"1ch/2ch", "", "", ""}}, {"selected", 0}, {"enabled", false}}));
    EXPECT_EQ(lists["function"]["enabled"], false);
}

TEST(CliState, AnyCaseAPositionAndAUniqueBeginningPickTheSameEntryAsItsText) {
    const std::vector<Args> spellings[] = {
        {{"model=Gum/Gum-2"}, {"model=gUM/gum-2"}, {"model=" + ModelPosition("Gum/Gum-2")}},
        {{"channels=4ch"}, {"CHANNELS=4CH"}, {"channels=#2"}},
        {{"range=5min/div"}, {"range=#25"}, {"range=5min"}, {"range=5MI"}},
        {{"model=Alder/Alder-W"}, {"model=alder"}, {"model=a"}},
        // an exact text wins over the beginning of a longer one
        {{"channels=16ch"}, {"channels=#4"}},
        {{"channels=16ch+logic"}, {"channels=16ch+"}, {"channels=#5"}},
        {{"sampling=Dual-axis Sampling", "scanner=Sable Installed"},
         {"sampling=dual-axis sampling", "scanner=#1"}},
    };
    for (const std::vector<Args>& same : spellings) {
        const Json expected = State(same.front());
        for (const Args& picks : same) {
            EXPECT_EQ(State(picks), expected) << ::testing::PrintToString(picks);
        }
    }
}

TEST(CliTable, JuniperInCsvGoesFrom100usTo5minPerDivision) {
    const CCliRun run = RunCli({"table", "model=Juniper", "--csv"});
    EXPECT_EQ(run.nExit, 0);
    const std::vector<std::string> lines = SplitLines(run.out);
    ASSERT_EQ(lines.size(), 21U);
    EXPECT_EQ(lines[0], "range,sampling_period,recording_time");
    EXPECT_EQ(lines[1], "100us/div,1us/S,2s");
    EXPECT_EQ(lines[20], "5min/div,3s/S,69d10h40min");
}

std::vector<std::string> CsvCells(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream stream(line);
    for (std::string cell; std::getline(stream, cell, ',');) {
        cells.push_back(cell);
    }
    return cells;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream stream(line);
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

// One row per range the list offers, the plain table holding the same cells as the CSV, and the
// row of the selected range agreeing with what the dialog shows.
TEST(CliTable, HasOneRowPerOfferedRangeAgreeingWithTheDialog) {
    const Args scenarios[] = {
        {},
        {"model=Juniper"},
        {"model=Cedar", "function=REC"},
        {"model=Birch/Birch-W", "sampling=Dual-axis Sampling", "range=#7"},
    };
    for (const Args& picks : scenarios) {
        SCOPED_TRACE(::testing::PrintToString(picks));
        const Json state = State(picks);
        Args args{"table"};
        args.insert(args.end(), picks.begin(), picks.end());
        const std::vector<std::string> plain = SplitLines(RunCli(args).out);
        args.push_back("--csv");
        const std::vector<std::string> csv = SplitLines(RunCli(args).out);

        const Json& ranges = state["lists"]["range"]["entries"];
        ASSERT_EQ(csv.size(), ranges.size() + 1);
        ASSERT_EQ(plain.size(), csv.size());
        const bool bPeriodShown = state["sampling_period_visible"];
        for (std::size_t i = 0; i < csv.size(); ++i) {
            const std::vector<std::string> cells = CsvCells(csv[i]);
            ASSERT_EQ(cells.size(), 3U) << csv[i];
            EXPECT_EQ(Words(plain[i]), cells);
            if (i == 0) {
                continue;
            }
            EXPECT_EQ(cells[0], ranges[i - 1]);
            EXPECT_EQ(cells[1] == "-", !bPeriodShown) << csv[i];
            if (static_cast<int>(i - 1) == state["lists"]["range"]["selected"]) {
                EXPECT_EQ(cells[2], state["recording_time"]);
                if (bPeriodShown) {
                    EXPECT_EQ("( " + cells[1] + " )", state["sampling_period"]);
                }
            }
        }
    }
}

TEST(CliHelp, ExplainsTheListsWithAnExampleAndGivesTheVersion) {
    const CCliRun help = RunCli({"--help"});
    EXPECT_EQ(help.nExit, 0);
    EXPECT_NE(help.out.find("model, memory, function, sampling, scanner, channels, range"),
              std::string::npos);
    EXPECT_NE(help.out.find("#N"), std::string::npos);
    EXPECT_NE(help.out.find("spanwise-cli report model="), std::string::npos);

    const CCliRun version = RunCli({"--version"});
    EXPECT_EQ(version.nExit, 0);
    EXPECT_EQ(version.out, std::string("Spanwise ") + kFileVersion + "\n");
}

// "--" ends the options before the selections of every command, and without one.
TEST(CliCommands, DoubleDashEndsTheOptions) {
    const Args kCommands[] = {{}, {"report"}, {"state"}, {"table", "--csv"}, {"fit", "3d"}};
    for (const Args& command : kCommands) {
        Args plain = command;
        plain.emplace_back("model=Cedar");
        Args dashed = command;
        dashed.insert(dashed.end(), {"--", "model=Cedar"});
        const CCliRun expected = RunCli(plain);
        const CCliRun run = RunCli(dashed);
        EXPECT_EQ(run.nExit, 0) << ::testing::PrintToString(dashed) << run.err;
        EXPECT_EQ(run.out, expected.out) << ::testing::PrintToString(dashed);
    }
}

// The lines of --help that list the units, from its "Units" heading to the refused ones.
std::vector<std::string> UnitLines(const std::string& help) {
    const std::vector<std::string> lines = SplitLines(help);
    auto line = std::find(lines.begin(), lines.end(), "Units (in any case):");
    std::vector<std::string> units;
    while (line != lines.end() && ++line != lines.end() && line->rfind("  ", 0) == 0) {
        units.push_back(line->substr(2));
        if (line->rfind("  refused ", 0) == 0) {
            break;
        }
    }
    return units;
}

// The units --help lists are the reader's: every spelling of the table on its unit's line, each
// read as its unit or refused as the line says; the README and the manual pages list the same.
TEST(CliHelp, ListsTheUnitsOfTheReader) {
    const std::vector<std::string> lines = UnitLines(RunCli({"--help"}).out);
    std::vector<std::pair<std::string, std::string>> listed; // unit, spelling
    for (const std::string& line : lines) {
        const std::size_t gap = line.find("  ");
        ASSERT_NE(gap, std::string::npos) << line;
        std::istringstream spellings(line.substr(line.find_first_not_of(' ', gap)));
        for (std::string spelling; std::getline(spellings >> std::ws, spelling, ',');) {
            listed.emplace_back(line.substr(0, gap), spelling);
        }
    }
    std::vector<std::pair<std::string, std::string>> table;
    for (const bool bFixed : {true, false}) {
        for (std::size_t i = 0; i < kDurationUnitCount; ++i) {
            for (std::size_t j = 0; j < kDurationSpellingCount; ++j) {
                if (kDurationUnits[i].bFixedLength == bFixed &&
                    kDurationSpellings[j].unit == kDurationUnits[i].unit) {
                    table.emplace_back(bFixed ? kDurationUnits[i].plural : "refused",
                                       kDurationSpellings[j].text);
                }
            }
        }
    }
    EXPECT_EQ(listed, table);
    // Each spelling reads as the first on its line, or is refused with its line.
    for (const auto& [unit, spelling] : listed) {
        const std::string first =
            std::find_if(listed.begin(), listed.end(), [&unitName = unit](const auto& entry) {
                return entry.first == unitName;
            })->second;
        double dSeconds = 0;
        double dFirst = 0;
        std::string error;
        const bool bRead = ParseDuration("2" + spelling, dSeconds, error);
        EXPECT_EQ(bRead, unit != "refused") << spelling << ": " << error;
        if (bRead) {
            ASSERT_TRUE(ParseDuration("2" + first, dFirst, error));
            EXPECT_EQ(dSeconds, dFirst) << spelling;
        }
    }

#ifndef _WIN32 // the sources are read once, on the build machine
    for (const char* document : {"README.md", "man/spanwise-cli.1.in", "man/spanwise.1.in"}) {
        std::ifstream file(std::string(SPANWISE_SOURCE_DIR) + "/" + document);
        ASSERT_TRUE(file) << document;
        std::vector<std::string> shown;
        for (std::string line; std::getline(file, line);) {
            // a manual page writes the micro sign and the Greek mu as glyph names
            for (const auto& [glyph, character] :
                 {std::pair<std::string, std::string>{"\\(mc", "\xc2\xb5"},
                  {"\\(*m", "\xce\xbc"}}) {
                for (std::size_t at; (at = line.find(glyph)) != std::string::npos;) {
                    line.replace(at, glyph.size(), character);
                }
            }
            shown.push_back(line.substr(std::min(line.find_first_not_of(' '), line.size())));
        }
        for (const std::string& line : lines) {
            EXPECT_NE(std::find(shown.begin(), shown.end(), line), shown.end())
                << document << " does not list: " << line;
        }
    }
#endif
}

} // namespace
} // namespace spanwise::test
