// Bad input in single mode: a message on standard error that says what is wrong and how to get
// help, nothing on standard output, exit status 2.

#include "CliRun.h"
#include "ModelPositions.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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
        // "#N" takes no sign
        {{"report", "model=#-0"}, {"\"#-0\"", "without a sign", "#0 to " + LastModelPosition()}},
        {{"report", "memory=#+1"}, {"\"#+1\"", "without a sign", "#0 to #3"}},
        // "#N" with anything after it is text, never position N
        {{"report", "model=#2x"}, {"\"#2x\"", "model list"}},
        // a beginning of several entries names them all
        {{"report", "range=5"},
         {"\"5\"", "range list", "\"5us/div\", \"50us/div\"", "\"5min/div\""}},
        {{"channels=16"}, {"\"16\"", "channels list", "\"16ch\", \"16ch+logic\""}},
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
        {{"table", "--csv=yes"}, {"--csv", "no value"}},
        {{"--bogus"}, {"--bogus"}},
        {{"status"}, {"\"status\"", "report, state, table"}},
        {{"model"}, {"\"model\"", "LIST=VALUE"}},
        {{"model=Oak"}, {"\"Oak\"", "model list"}},
        // a duration missing, misplaced or looking like an option
        {{"fit"}, {"fit needs a DURATION", "spanwise-cli fit DURATION [LIST=VALUE ...]"}},
        {{"fit", "--all", "--json"}, {"fit needs a DURATION"}},
        {{"fit", "model=Cedar", "3d"},
         {"\"model=Cedar\" is a selection: the duration comes first",
          "fit DURATION [LIST=VALUE ...]"}},
        {{"fit", "--3d", "model=Cedar"}, {"unknown option \"--3d\""}},
        {{"fit", "-x", "3d"}, {"unknown option \"-x\""}},
        {{"state", "-", "model=Cedar"}, {"standard input"}},
        {{"state", "model=Cedar", "-"}, {"standard input"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const CCliRun run = RunCli(c.args, "model=Cedar\n");
        EXPECT_EQ(run.nExit, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("spanwise-cli: ", 0), 0U) << run.err;
        EXPECT_NE(run.err.find("'spanwise-cli --help'"), std::string::npos) << run.err;
        for (const std::string& part : c.messageParts) {
            EXPECT_NE(run.err.find(part), std::string::npos) << "no " << part << " in " << run.err;
        }
    }
}

// What the user typed, shown safely: characters that do not print come out escaped, a long value
// shortened with its length, on standard error and in the JSON error alike.
TEST(CliErrors, ShowWhatWasTypedWithoutItsInvisibleCharacters) {
    const std::string longValue(1000, 'a');
    struct Case {
        std::string selection;
        std::string shown;
        // Not UTF-8: a Windows command line, which is UTF-16, cannot hold it; input can.
        bool bNotUtf8 = false;
    };
    const Case cases[] = {
        {"model=Ce\x1b[31mdar", "\"Ce\\x1b[31mdar\""},
        {"model=Ce\tdar\x7f", "\"Ce\\x09dar\\x7f\""},
        {"model=\xe2\x80\x8b", "\"\\u200b\""},                              // zero-width space
        {"model=Cedar\xe2\x80\x8e\xe2\x80\x8f", "\"Cedar\\u200e\\u200f\""}, // LRM, RLM
        {"model=\xe2\x80\xaeradeC", "\"\\u202eradeC\""},          // right-to-left override
        {"model=\xe2\x81\xa0\xef\xbb\xbf", "\"\\u2060\\ufeff\""}, // word joiner, BOM
        {"model=Cedar\xc2\xa0", "\"Cedar\\u00a0\""},              // no-break space
        {"model=\xc2\x9b", "\"\\u009b\""},                        // C1 control
        {"model=\xf3\xa0\x80\x81", "\"\\U000e0001\""},            // language tag
        {"model=Ced\377ar\303", "\"Ced\\xffar\\xc3\"", true},     // not UTF-8
        {"model=\xc0\xaf", "\"\\xc0\\xaf\"", true},               // overlong "/"
        {"model=Z\xc3\xbcrich", "\"Z\xc3\xbcrich\""},             // prints: stays
        {"mo\033del=Cedar", "\"mo\\x1bdel\""},
        {"model=" + longValue, "\"" + std::string(57, 'a') + "...\" (1000 characters)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
#ifdef _WIN32
        const bool bArgument = !c.bNotUtf8;
#else
        const bool bArgument = true;
#endif
        if (bArgument) {
            const CCliRun run = RunCli({"report", c.selection});
            EXPECT_EQ(run.nExit, 2);
            EXPECT_NE(run.err.find(c.shown), std::string::npos) << run.err;
            for (const char byte : run.err) {
                EXPECT_TRUE(byte == '\n' || static_cast<unsigned char>(byte) >= 0x20) << run.err;
            }
        }

        const CCliRun lines = RunCli({"state", "-"}, "'" + c.selection + "'\n");
        EXPECT_EQ(lines.nExit, 1);
        const std::string message = nlohmann::json::parse(lines.out).at("error");
        EXPECT_EQ(message.find("line 1: "), 0U) << message;
        EXPECT_NE(message.find(c.shown), std::string::npos) << message;
    }
    // Arguments the command line itself rejects are shown the same way.
    for (const std::string arg : {"--x\x1b[2J", "re\xe2\x80\x8bport"}) {
        const CCliRun run = RunCli({arg});
        EXPECT_EQ(run.nExit, 2);
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("\xe2\x80\x8b"), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace spanwise::test
