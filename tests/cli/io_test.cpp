// Standard streams that fail: output that cannot be written and input that cannot be read end
// the run with a message that names the failure and exit status 4, never with success.

#include "CliRun.h"

#include <gtest/gtest.h>

namespace spanwise::test {
namespace {

constexpr int kExitIo = 4;

// Many answers, a failing line among them: far more than one buffer of output.
std::string ManyLines() {
    std::string lines;
    for (int i = 0; i < 2000; ++i) {
        lines += i == 1 ? "model=Oak\n" : "model=Cedar function=REC\n";
    }
    return lines;
}

TEST(CliIo, OutputThatCannotBeWrittenIsAnError) {
    struct Case {
        CliOutput output;
        std::vector<std::string> args;
        const char* reason;
    };
    const Case cases[] = {
        {CliOutput::Full, {}, "No space left on device"},
        {CliOutput::Full, {"--help"}, "No space left on device"},
        {CliOutput::Full, {"table", "model=Juniper", "--csv"}, "No space left on device"},
        // scenario lines stop at the first failed write: no message for a later line
        {CliOutput::Full, {"report", "-"}, "No space left on device"},
        {CliOutput::Full, {"state", "-"}, "No space left on device"},
        {CliOutput::Closed, {"state", "model=Cedar"}, "Bad file descriptor"},
        {CliOutput::Closed, {"--version"}, "Bad file descriptor"},
        {CliOutput::BrokenPipe, {"report"}, "Broken pipe"},
        {CliOutput::BrokenPipe, {"table", "-", "--csv"}, "Broken pipe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args) + " to " + c.reason);
        const CCliRun run = RunCli(c.args, ManyLines(), CliInput::File, c.output);
        EXPECT_EQ(run.nExit, kExitIo);
        EXPECT_EQ(run.err, std::string("spanwise-cli: write error: ") + c.reason + "\n");
    }
}

TEST(CliIo, InputThatCannotBeReadIsAnError) {
    struct Case {
        CliInput input;
        const char* reason;
    };
    for (const Case& c : {Case{CliInput::Directory, "Is a directory"},
                          Case{CliInput::Closed, "Bad file descriptor"}}) {
        for (const char* command : {"report", "state", "table"}) {
            SCOPED_TRACE(std::string(command) + " from " + c.reason);
            const CCliRun run = RunCli({command, "-"}, "", c.input);
            EXPECT_EQ(run.nExit, kExitIo);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, std::string("spanwise-cli: standard input: ") + c.reason + "\n");
        }
    }
    // Selections on the command line read nothing, so nothing can fail.
    EXPECT_EQ(RunCli({"report", "model=Cedar"}, "", CliInput::Directory).nExit, 0);
}

} // namespace
} // namespace spanwise::test
