// A large batch of scenario lines through one process.

#include "CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace spanwise::test {
namespace {

// Not a timing test: it only checks that a large batch is answered in full, line for line, with
// no state carried from one scenario into the next.
TEST(CliLines, AnswersFiftyThousandLines) {
    const std::vector<std::string> scenarios = {
        "model=Juniper range=#19",
        "model=Birch/Birch-W memory=2GW sampling=#1 scanner=#1 channels=#4",
        "function=REC range=1hour/div",
        "model=Gum/Gum-2",
        "model=Kauri channels=16ch range=#3",
        "model=Hazel function=REC",
        "model=Alder/Alder-W scanner='Only Sable Installed' channels=8*8ch+logic",
    };
    constexpr std::size_t nLines = 50000;
    std::string input;
    for (std::size_t i = 0; i < nLines; ++i) {
        input += scenarios[i % scenarios.size()] + '\n';
    }
    const CCliRun run = RunCli({"state", "-"}, input);
    EXPECT_EQ(run.nExit, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> answers = SplitLines(run.out);
    ASSERT_EQ(answers.size(), nLines);
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        EXPECT_EQ(nlohmann::json::parse(answers[i]).count("error"), 0U) << answers[i];
    }
    for (std::size_t i = scenarios.size(); i < nLines; ++i) {
        ASSERT_EQ(answers[i], answers[i % scenarios.size()]) << "line " << i + 1;
    }
}

} // namespace
} // namespace spanwise::test
