// spanwise-cli.exe writes to a console in pieces: a character cut by the end of one is held back
// for the next, rather than shown as two signs for bad characters.

#include "win32/StandardStream.h"

#include <gtest/gtest.h>

namespace {

TEST(Win32StandardStream, ACharacterCutAtTheEndWaitsForTheRest) {
    struct Case {
        const char* text;
        std::size_t nWhole;
    };
    const Case cases[] = {
        {"", 0},
        {"abc", 3},
        {"a\xC3", 1},            // "Ü" without its second byte
        {"a\xC3\x9C", 3},        // "Ü"
        {"\xE6\x97", 0},         // two bytes of "日"
        {"\xE6\x97\xA5", 3},     // "日"
        {"x\xF0\x9D\x84", 1},    // three bytes of "𝄞"
        {"\xF0\x9D\x84\x9E", 4}, // "𝄞"
        {"a\xFF", 2},            // not UTF-8: shown now
        {"\x9C\x9C\x9C\x9C", 4}, // continuation bytes without a start
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WholeUtf8Prefix(c.text), c.nWhole);
    }
}

} // namespace
