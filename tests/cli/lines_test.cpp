// Scenarios read from standard input with "-": every scenario is answered in turn as single mode
// would answer it, each answer names its line, and a bad line costs only its own answer.

#include "CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace spanwise::test {
namespace {

using namespace std::string_literals;
using Args = std::vector<std::string>;

struct Line {
    std::string text; // one scenario with its line ends: one, or more for joined lines
    enum Kind { Skipped, Answered, Failed } kind;
    Args picks;                   // Answered: the same scenario as arguments
    std::string messagePart = {}; // Failed: part of the message
};

// Every kind of line end, mixed, after a byte-order mark; comments and joined lines.
const std::vector<Line>& Script() {
    static const std::vector<Line> lines = {
        {"# Spanwise scenarios\n", Line::Skipped, {}},
        {"\r\n", Line::Skipped, {}},
        {"model=Hazel\n", Line::Answered, {"model=Hazel"}},
        {"model=Oak\r", Line::Failed, {}, "\"Oak\""},
        {"  model=\"Gum/Gum-2\"  \r\n", Line::Answered, {"model=Gum/Gum-2"}},
        {"'model=Alder/Alder-W' memory=1gw\r",
         Line::Answered,
         {"model=Alder/Alder-W", "memory=1gw"}},
        {"model=\"Cedar\n", Line::Failed, {}, "quote"},
        {"model=Cedar\xff\xfe\r\n", Line::Failed, {}, "\"Cedar\\xff\\xfe\""},
        {"\t# indented comment\r", Line::Skipped, {}},
        {"model=Elm\\/Elm-2\tfunction=REC\r\n",
         Line::Answered,
         {"model=Elm/Elm-2", "function=REC"}},
        {"model=Ivy 'channels=4ch\n", Line::Failed, {}, "quote"},
        {"sampling=\"Dual-axis Sampling\" scanner='Sable Installed'\n",
         Line::Answered,
         {"sampling=Dual-axis Sampling", "scanner=Sable Installed"}},
        {"model=Cedar # the bench one\r", Line::Answered, {"model=Cedar"}},
        {"model=Cedar#1\n", Line::Failed, {}, "\"Cedar#1\""},
        {"model=Juniper \\\r\n  range=1ms \\\r  # the comment ends the joined lines\n",
         Line::Answered,
         {"model=Juniper", "range=1ms"}},
        {"model=\"Dam\\\nson\" function=R\\\r\nEC\n",
         Line::Answered,
         {"model=Damson", "function=REC"}},
        {"model=Fir # a comment joins no line \\\n", Line::Answered, {"model=Fir"}},
        {"model=Ivy\0\n"s, Line::Failed, {}, "NUL"},
        {"# \0\r"s, Line::Failed, {}, "NUL"},
        {"   \n", Line::Skipped, {}},
        {"model=Kauri \\", Line::Answered, {"model=Kauri"}},
    };
    return lines;
}

std::string ScriptText() {
    std::string text = "\xEF\xBB\xBF";
    for (const Line& line : Script()) {
        text += line.text;
    }
    return text;
}

// The number of the line each scenario of Script() begins on.
std::vector<long> LineNumbers() {
    std::vector<long> numbers;
    long nLine = 1;
    for (const Line& line : Script()) {
        numbers.push_back(nLine);
        const std::string& t = line.text;
        for (std::size_t i = 0; i < t.size(); ++i) {
            const bool bCrLf = t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n';
            nLine += (t[i] == '\n' || t[i] == '\r') && !bCrLf ? 1 : 0;
        }
    }
    return numbers;
}

Args With(const char* command, const Args& picks) {
    Args args{command};
    args.insert(args.end(), picks.begin(), picks.end());
    return args;
}

TEST(CliLines, StateAnswersEveryScenarioWithOneJsonObject) {
    const CCliRun run = RunCli({"state", "-"}, ScriptText());
    EXPECT_EQ(run.nExit, 1);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> answers = SplitLines(run.out);
    std::size_t nAnswer = 0;
    for (std::size_t i = 0; i < Script().size(); ++i) {
        const Line& line = Script()[i];
        if (line.kind == Line::Skipped) {
            continue;
        }
        const std::string number = std::to_string(LineNumbers()[i]);
        SCOPED_TRACE("line " + number + ": " + line.text);
        ASSERT_LT(nAnswer, answers.size());
        const std::string& answer = answers[nAnswer++];
        // A strict parse: bytes that are not UTF-8 would make it throw.
        const nlohmann::json json = nlohmann::json::parse(answer);
        if (line.kind == Line::Answered) {
            EXPECT_EQ(answer + '\n', RunCli(With("state", line.picks)).out);
            continue;
        }
        ASSERT_EQ(json.size(), 1U);
        const std::string message = json.at("error");
        EXPECT_EQ(message.rfind("line " + number + ": ", 0), 0U) << message;
        EXPECT_NE(message.find(line.messagePart), std::string::npos) << message;
    }
    EXPECT_EQ(nAnswer, answers.size());
}

// report and table head each answer with its line; failing lines are named on standard error.
TEST(CliLines, ReportAndTableHeadEachAnswerWithItsLine) {
    for (const char* command : {"report", "table"}) {
        SCOPED_TRACE(command);
        const CCliRun run = RunCli({command, "-"}, ScriptText());
        EXPECT_EQ(run.nExit, 1);
        std::string expectedOut;
        Args expectedErr;
        for (std::size_t i = 0; i < Script().size(); ++i) {
            const Line& line = Script()[i];
            const std::string number = std::to_string(LineNumbers()[i]);
            if (line.kind == Line::Answered) {
                expectedOut += (expectedOut.empty() ? "" : "\n") + ("line " + number + ":\n") +
                               RunCli(With(command, line.picks)).out;
            } else if (line.kind == Line::Failed) {
                expectedErr.push_back("spanwise-cli: line " + number + ": ");
            }
        }
        EXPECT_EQ(run.out, expectedOut);
        const std::vector<std::string> errors = SplitLines(run.err);
        ASSERT_EQ(errors.size(), expectedErr.size()) << run.err;
        for (std::size_t i = 0; i < errors.size(); ++i) {
            EXPECT_EQ(errors[i].rfind(expectedErr[i], 0), 0U) << errors[i];
        }
    }
}

// One CSV file: one header, then every answer's rows after the number of its line.
TEST(CliLines, TableInCsvIsOneFileWithTheLineInTheFirstColumn) {
    const CCliRun run = RunCli({"table", "-", "--csv"}, ScriptText());
    EXPECT_EQ(run.nExit, 1);
    std::string expectedOut = "line,range,sampling_period,recording_time\n";
    for (std::size_t i = 0; i < Script().size(); ++i) {
        const Line& line = Script()[i];
        if (line.kind != Line::Answered) {
            continue;
        }
        Args args = With("table", line.picks);
        args.push_back("--csv");
        const std::vector<std::string> rows = SplitLines(RunCli(args).out);
        for (std::size_t nRow = 1; nRow < rows.size(); ++nRow) {
            expectedOut += std::to_string(LineNumbers()[i]) + ',' + rows[nRow] + '\n';
        }
    }
    EXPECT_EQ(run.out, expectedOut);
}

TEST(CliLines, InputWithoutBadLinesExitsWithZero) {
    for (const char* command : {"report", "state", "table"}) {
        const CCliRun run = RunCli({command, "-"}, "# nothing but good lines\nmodel=Fir\r\n\n");
        EXPECT_EQ(run.nExit, 0) << command;
        const std::string heading = command == std::string("state") ? "" : "line 2:\n";
        EXPECT_EQ(run.out, heading + RunCli({command, "model=Fir"}).out) << command;
        EXPECT_EQ(run.err, "");
    }
    // without a command, as report
    EXPECT_EQ(RunCli({"-"}, "model=Fir\n").out, RunCli({"report", "-"}, "model=Fir\n").out);
}

} // namespace
} // namespace spanwise::test
