// Scenarios read from standard input with "-": every line is answered in turn as single mode
// would answer it, and a bad line costs only its own answer.

#include "CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace spanwise::test {
namespace {

using Args = std::vector<std::string>;

struct Line {
    std::string text;
    enum Kind { Skipped, Answered, Failed } kind;
    Args picks;                   // Answered: the same scenario as arguments
    std::string messagePart = {}; // Failed: part of the message
};

// Line numbers count every line of the input, skipped ones included.
const std::vector<Line>& Script() {
    static const std::vector<Line> lines = {
        {"# Spanwise scenarios", Line::Skipped, {}},
        {"", Line::Skipped, {}},
        {"model=Hazel", Line::Answered, {"model=Hazel"}},
        {"model=Oak", Line::Failed, {}, "\"Oak\""},
        {"  model=\"Gum/Gum-2\"  ", Line::Answered, {"model=Gum/Gum-2"}},
        {"'model=Alder/Alder-W' memory=1gw", Line::Answered, {"model=Alder/Alder-W", "memory=1gw"}},
        {"model=\"Cedar", Line::Failed, {}, "quote"},
        {"model=Cedar\xff\xfe", Line::Failed, {}, "model list"},
        {"\t# indented comment", Line::Skipped, {}},
        {"model=Elm\\/Elm-2\tfunction=REC\r", Line::Answered, {"model=Elm/Elm-2", "function=REC"}},
        {"model=Ivy 'channels=4ch", Line::Failed, {}, "quote"},
        {"sampling=\"Dual-axis Sampling\" scanner='Sable Installed'",
         Line::Answered,
         {"sampling=Dual-axis Sampling", "scanner=Sable Installed"}},
        {"   ", Line::Skipped, {}},
    };
    return lines;
}

std::string ScriptText() {
    std::string text;
    for (const Line& line : Script()) {
        text += line.text + '\n';
    }
    return text;
}

Args With(const char* command, const Args& picks) {
    Args args{command};
    args.insert(args.end(), picks.begin(), picks.end());
    return args;
}

TEST(CliLines, StateAnswersEveryLineWithOneJsonObject) {
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
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + line.text);
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
        EXPECT_EQ(message.rfind("line " + std::to_string(i + 1) + ": ", 0), 0U) << message;
        EXPECT_NE(message.find(line.messagePart), std::string::npos) << message;
    }
    EXPECT_EQ(nAnswer, answers.size());
}

TEST(CliLines, ReportAnswersGoodLinesAndNamesTheBadOnesOnStandardError) {
    const CCliRun run = RunCli({"report", "-"}, ScriptText());
    EXPECT_EQ(run.nExit, 1);
    std::string expectedOut;
    Args expectedErr;
    for (std::size_t i = 0; i < Script().size(); ++i) {
        const Line& line = Script()[i];
        if (line.kind == Line::Answered) {
            expectedOut +=
                (expectedOut.empty() ? "" : "\n") + RunCli(With("report", line.picks)).out;
        } else if (line.kind == Line::Failed) {
            expectedErr.push_back("spanwise-cli: line " + std::to_string(i + 1) + ": ");
        }
    }
    EXPECT_EQ(run.out, expectedOut);
    const std::vector<std::string> errors = SplitLines(run.err);
    ASSERT_EQ(errors.size(), expectedErr.size()) << run.err;
    for (std::size_t i = 0; i < errors.size(); ++i) {
        EXPECT_EQ(errors[i].rfind(expectedErr[i], 0), 0U) << errors[i];
    }
}

TEST(CliLines, InputWithoutBadLinesExitsWithZero) {
    for (const char* command : {"report", "state", "table"}) {
        const CCliRun run = RunCli({command, "-"}, "# nothing but good lines\nmodel=Fir\r\n\n");
        EXPECT_EQ(run.nExit, 0) << command;
        EXPECT_EQ(run.out, RunCli({command, "model=Fir"}).out) << command;
        EXPECT_EQ(run.err, "");
    }
}

} // namespace
} // namespace spanwise::test
