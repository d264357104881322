// Bad input in single mode: a message on standard error that says what is wrong, nothing on
// standard output, exit status 2.

#include "CliRun.h"

#include <gtest/gtest.h>

namespace spanwise::test {
namespace {

TEST(CliErrors, RejectEachKindOfBadInputWithAUsefulMessage) {
    struct Case {
        std::vector<std::string> args;
        std::vector<std::string> messageParts;
    };
    const Case cases[] = {
        // unknown list: the valid ones are named
        {{"report", "colour=red"},
         {"\"colour\"", "model, memory, function, sampling, scanner, channels, range"}},
        {{"state", "=Cedar"}, {"unknown list", "model, memory"}},
        // value not in the list: the list and its entries at that moment
        {{"report", "model=Oak"}, {"\"Oak\"", "model list", "\"Alder/Alder-W\"", "\"Kauri\""}},
        {{"report", "model=Birch/Birch-W", "memory=512MW"},
         {"\"512MW\"", "memory list", "\"64MW\", \"256MW\", \"1GW\", \"2GW\""}},
        {{"table", "model=Juniper", "range=5us/div"}, {"range list", "\"100us/div\""}},
        // positions outside the list
        {{"report", "memory=#4"}, {"#4", "memory list", "#0 to #3"}},
        {{"report", "model=Cedar", "memory=#-1"}, {"#-1", "memory list", "#0 to #2"}},
        {{"report", "range=#99999999999"}, {"#99999999999", "range list", "#0 to #25"}},
        // "#N" with anything after it is text, never position N
        {{"report", "model=#2x"}, {"\"#2x\"", "model list"}},
        {{"report", "range=#1.5"}, {"\"#1.5\"", "range list"}},
        {{"report", "model=#2 "}, {"\"#2 \"", "model list"}},
        // picks in disabled lists: which list and why
        {{"report", "model=Gum/Gum-2", "memory=#0"}, {"memory list", "disabled", "Gum/Gum-2"}},
        {{"report", "model=Juniper", "function=MEM"}, {"function list", "disabled", "Juniper"}},
        {{"report", "model=Cedar", "sampling=#0"}, {"sampling list", "disabled", "Cedar"}},
        {{"report", "model=Hazel", "scanner=#0"}, {"scanner list", "disabled", "Hazel"}},
        {{"state", "function=REC", "channels=1ch"}, {"channels list", "disabled", "REC"}},
        {{"state", "function=REC", "sampling=#1"}, {"sampling list", "disabled", "REC"}},
        // a later bad pick spoils the whole run, even after good ones
        {{"report", "model=Cedar", "channels=4ch", "range=1year/div"}, {"\"1year/div\""}},
        // malformed selections and command lines
        {{"report", "model"}, {"\"model\"", "LIST=VALUE"}},
        {{"report", "--bogus"}, {"--bogus"}},
        {{"report", "--csv"}, {"--csv"}},
        {{"--bogus"}, {"--bogus"}},
        {{"status"}, {"status"}},
        {{"state", "-", "model=Cedar"}, {"standard input"}},
        {{"state", "model=Cedar", "-"}, {"standard input"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CCliRun run = RunCli(c.args, "model=Cedar\n");
        EXPECT_EQ(run.nExit, 2);
        EXPECT_EQ(run.out, "");
        for (const std::string& part : c.messageParts) {
            EXPECT_NE(run.err.find(part), std::string::npos) << "no " << part << " in " << run.err;
        }
    }
}

} // namespace
} // namespace spanwise::test
