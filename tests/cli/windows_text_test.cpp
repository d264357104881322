// Input as Windows writes it gets the answers the same bytes get on Linux, and this suite runs on
// both: a Ctrl+Z byte is a byte like any other, arguments are UTF-8 whatever the code page, and
// UTF-16 with a byte-order mark (Windows PowerShell 5.1's ">", Notepad's "Unicode") reads as the
// same text in UTF-8.

#include "CliRun.h"

#include <gtest/gtest.h>

namespace spanwise::test {
namespace {

using Args = std::vector<std::string>;

std::string Report(const std::string& selection) {
    return RunCli({"report", selection}).out;
}

TEST(CliWindowsText, CtrlZIsAByteLikeAnyOther) {
    const std::string notASelection =
        "\"\\x1a\" is not a selection: write LIST=VALUE, for example model=Cedar\n";
    struct Case {
        std::string input;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"model=Hazel\r\n\x1a\r\nmodel=Ivy\r\n",
         "line 1:\n" + Report("model=Hazel") + "\nline 3:\n" + Report("model=Ivy"),
         "spanwise-cli: line 2: " + notASelection},
        {"model=Hazel\n\x1a", "line 1:\n" + Report("model=Hazel"),
         "spanwise-cli: line 2: " + notASelection},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        const CCliRun run = RunCli({"report", "-"}, c.input);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.nExit, 1);
    }
}

TEST(CliWindowsText, ArgumentsAreUtf8) {
    for (const std::string value : {"Ünknown", "日本", "𝄞"}) {
        const CCliRun run = RunCli({"model=" + value});
        EXPECT_EQ(run.err.substr(0, run.err.find(" is not")), "spanwise-cli: \"" + value + "\"");
        EXPECT_EQ(run.nExit, 2);
    }
    // Quoted back as typed, whether or not it reads as a duration.
    const CCliRun fit = RunCli({"fit", "2µs"});
    EXPECT_EQ(fit.err.find("\\x"), std::string::npos) << fit.err;
    EXPECT_TRUE(fit.nExit == 0 || fit.err.find("\"µs\"") != std::string::npos) << fit.err;
}

// The bytes of text in UTF-16 with its byte-order mark.
std::string InUtf16(const std::string& utf8, bool bLittleEndian) {
    std::string bytes;
    for (const char16_t unit : u"\uFEFF" + Utf16(utf8)) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        bytes += bLittleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}

TEST(CliWindowsText, Utf16WithAByteOrderMarkReadsAsUtf8) {
    const std::string script = "model=Cedar function=REC\r\n"
                               "model=日本\r\n"
                               "\r\n"
                               "model='Hazel' # 𝄞 outside the first plane\r\n"
                               "model=Ivy channels=4ch";
    const CCliRun expected = RunCli({"state", "-"}, script);
    ASSERT_EQ(SplitLines(expected.out).size(), 4U);
    for (const bool bLittleEndian : {true, false}) {
        SCOPED_TRACE(bLittleEndian ? "little-endian" : "big-endian");
        const CCliRun run = RunCli({"state", "-"}, InUtf16(script, bLittleEndian));
        EXPECT_EQ(run.out, expected.out);
        EXPECT_EQ(run.err, expected.err);
        EXPECT_EQ(run.nExit, expected.nExit);
    }
}

TEST(CliWindowsText, BrokenUtf16ReadsAsReplacementCharacters) {
    // A lone half of a surrogate pair, and half a code unit at the very end.
    const std::string lonePair = InUtf16("model=", true) + std::string("\x00\xD8", 2);
    const std::string halfUnit = InUtf16("model=Ivy\nmodel=", true) + "x";
    for (const std::string& input : {lonePair, halfUnit}) {
        const CCliRun run = RunCli({"report", "-"}, input);
        EXPECT_NE(run.err.find("\"\xEF\xBF\xBD\" is not an entry of the model list"),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(run.nExit, 1);
    }
}

#ifdef _WIN32
TEST(CliWindowsText, SlashQuestionMarkIsHelp) {
    for (const Args& args : {Args{"/?"}, Args{"fit", "/?"}}) {
        Args help = args;
        help.back() = "--help";
        const CCliRun run = RunCli(args);
        EXPECT_EQ(run.out, RunCli(help).out);
        EXPECT_EQ(run.nExit, 0);
    }
}
#endif

} // namespace
} // namespace spanwise::test
