// Mnemonic markers in captions: what is shown, which letter is marked and where it stands.

#include "controls/Mnemonics.h"

#include <gtest/gtest.h>

namespace {

TEST(Mnemonics, MarkedLetterAndItsPlaceInTheShownText) {
    struct CCase {
        const char* text;
        const char* shown;
        char mnemonic;
        int nPosition;
    };
    const CCase kCases[] = {
        {"&Fit a Recording Time...", "Fit a Recording Time...", 'F', 0},
        {"Copy &Link", "Copy Link", 'L', 5},
        {"R&&D &Notes", "R&D Notes", 'N', 4},
        {"Exit", "Exit", '\0', -1},
        {"Trailing &", "Trailing ", '\0', -1},
        {"", "", '\0', -1},
    };
    for (const CCase& c : kCases) {
        EXPECT_EQ(ctl::StripMnemonics(c.text), c.shown) << c.text;
        EXPECT_EQ(ctl::GetMnemonic(c.text), c.mnemonic) << c.text;
        EXPECT_EQ(ctl::GetMnemonicPosition(c.text), c.nPosition) << c.text;
    }
}

} // namespace
