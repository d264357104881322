// A pick that cannot be applied, told in a window's words: a sentence that names the list by its
// caption, no notation the user did not write, and the entries whole, one to a line.

#include "controls/DialogHost.h"
#include "ui/Calculator.h"

#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

using namespace ctl;

namespace spanwise::test {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(PickMessages, AWindowsAreSentencesWithTheEntriesWhole) {
    struct CCase {
        std::vector<std::string> before;
        std::string pick;
        std::string begins;
        CalcList listed; // whose entries follow, one to a line
        bool bAllListed;
    };
    const CCase kCases[] = {
        {{}, "cedar", "Cannot read \"cedar\" as a pick. ", CalcList::Model, false},
        {{},
         "colour=red",
         "There is no list \"colour\". The lists are model, memory, ",
         CalcList::Model,
         false},
        {{"function=REC"},
         "sampling=#1",
         "Cannot pick in the Sampling list: it is disabled because the sampling mode",
         CalcList::Sampling,
         false},
        {{"model=Gum"},
         "memory=#1",
         "Cannot pick in the Internal Memory list: it is disabled "
         "because this model has no choice of internal memory.",
         CalcList::Memory,
         false},
        {{},
         "model=Oak",
         "Cannot pick \"Oak\" in the Model Number list, which has no such entry.",
         CalcList::Model,
         true},
        {{},
         "range=1",
         "Cannot pick \"1\" in the Time-axis Range list: it begins more than one",
         CalcList::TimeRange,
         false},
        {{},
         "range=#99",
         "Cannot pick \"#99\" in the Time-axis Range list: it has ",
         CalcList::TimeRange,
         false},
        {{},
         "model=#-1",
         "Cannot pick \"#-1\" in the Model Number list: a position is written",
         CalcList::Model,
         false},
    };
    for (const CCase& c : kCases) {
        SCOPED_TRACE(c.pick);
        CHeadlessHost host;
        CCalculator calc(host);
        for (const std::string& pick : c.before) {
            std::string error;
            ASSERT_TRUE(ApplyPick(calc, pick, error)) << error;
        }
        CPickRefusal refusal;
        ASSERT_FALSE(TryPick(calc, c.pick, refusal));
        std::string commandLine;
        ApplyPick(calc, c.pick, commandLine);
        EXPECT_EQ(CommandLineWords(refusal), commandLine) << "spanwise-cli keeps its words";

        const std::string window = WindowWords(refusal);
        const std::vector<std::string> lines = Lines(window);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0].rfind(c.begins, 0), 0U) << lines[0];
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(lines[0][0])) != 0);
        for (const char* notation : {"#N", "LIST=VALUE", "(or ", "N-th"}) {
            EXPECT_EQ(window.find(notation), std::string::npos) << notation;
        }
        const std::vector<std::string>& entries = calc.GetEntries(c.listed);
        for (std::size_t i = 1; i < lines.size(); ++i) {
            EXPECT_NE(std::find(entries.begin(), entries.end(), lines[i]), entries.end())
                << "not an entry, whole: " << lines[i];
        }
        if (c.bAllListed) {
            EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), entries);
        } else if (lines.size() == 1) {
            EXPECT_EQ(lines[0].back(), '.');
        }
    }
}

} // namespace
} // namespace spanwise::test
