// The language the program speaks and what it does with a text: the locale's variables in the C
// library's order, English wherever a catalogue has no translation, and messages whose arguments
// a translation may move but never lose.

#include "calc/DurationParse.h"
#include "lang/Catalogue.h"
#include "lang/Language.h"

#include <gtest/gtest.h>

#include <string>

namespace spanwise::test {
namespace {

// The languages a program speaks are those of the catalogues it adds, as spanwise-cli does.
class Language : public ::testing::Test {
protected:
    void SetUp() override { lang::AddCoreCatalogues(); }
    void TearDown() override { lang::SetLanguage({}); }
};

TEST_F(Language, ChosenFromTheEnvironmentAsTheCLibraryDoes) {
    struct CCase {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* expected;
    };
    const CCase kCases[] = {
        {nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, "ja_JP.UTF-8", "ja"},
        {nullptr, nullptr, "ja", "ja"},
        {nullptr, nullptr, "ja_JP.eucJP@cjknarrow", "ja"},
        {nullptr, "ja_JP.UTF-8", "C", "ja"},
        {"C", "ja_JP.UTF-8", "ja_JP.UTF-8", ""}, // LC_ALL wins, and C is English
        {"POSIX", nullptr, "ja_JP.UTF-8", ""},
        {"", "", "ja_JP.UTF-8", "ja"},               // an empty variable is an unset one
        {"de_DE.UTF-8", nullptr, "ja_JP.UTF-8", ""}, // a language without a catalogue: English
        {"C.UTF-8", nullptr, nullptr, ""},
    };
    for (const CCase& c : kCases) {
        EXPECT_EQ(lang::LanguageOfEnvironment(c.lcAll, c.lcMessages, c.lang), c.expected)
            << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " "
            << (c.lang ? c.lang : "-");
    }
    EXPECT_EQ(lang::FirstSpokenLanguage({"fr-FR", "ja-JP", "en-US"}), "ja");
    EXPECT_EQ(lang::FirstSpokenLanguage({"en-GB", "ja"}), "");
}

TEST_F(Language, EnglishWhereNoTranslationIsBuiltIn) {
    lang::SetLanguage("ja");
    EXPECT_STREQ(lang::Translate("Model Number"), "形名");
    EXPECT_STREQ(lang::Translate("5us/div"), "5us/div"); // notation has no entry
    EXPECT_STREQ(lang::Translate(""), "");               // the catalogue's header is no text
    EXPECT_FALSE(lang::SetLanguage("xx"));
    EXPECT_STREQ(lang::Translate("Model Number"), "Model Number");
    EXPECT_TRUE(lang::SetLanguage("en"));
    EXPECT_EQ(lang::GetLanguage(), "");
}

TEST_F(Language, MessagesKeepTheirArgumentsInEveryLanguage) {
    EXPECT_EQ(lang::FormatText("%2 before %1, 100%%", {"a", "b"}), "b before a, 100%");
    EXPECT_EQ(lang::FormatText("%3 stays, as does % and %", {"a"}), "%3 stays, as does % and %");
    double dSeconds = 0;
    std::string english;
    std::string japanese;
    EXPECT_FALSE(ParseDuration("3x", dSeconds, english));
    lang::SetLanguage("ja");
    EXPECT_FALSE(ParseDuration("3x", dSeconds, japanese));
    EXPECT_TRUE(ParseDuration("1時間30分", dSeconds, japanese));
    EXPECT_EQ(dSeconds, 5400);
    lang::SetLanguage({});
    EXPECT_NE(english, japanese);
    EXPECT_NE(japanese.find("\"x\""), std::string::npos) << japanese;
}

// The web page's catalogue, read at run time: found however its pairs came, English where it has
// none, and a second reading replaces the first. Its texts are made up, so that the tables built
// in for the same code answer none of them.
TEST_F(Language, CatalogueReadAtRunTimeIsFoundAsOneBuiltIn) {
    lang::AddCatalogueEntries("ja", {"Zeta test", "ゼータ", "Alpha test", "アルファ", "é test",
                                     "é", // after ASCII, as strcmp orders
                                     "Untranslated test", ""});
    lang::SetLanguage("ja");
    EXPECT_STREQ(lang::Translate("Alpha test"), "アルファ");
    EXPECT_STREQ(lang::Translate("Zeta test"), "ゼータ");
    EXPECT_STREQ(lang::Translate("é test"), "é");
    EXPECT_STREQ(lang::Translate("Untranslated test"), "Untranslated test");
    EXPECT_STREQ(lang::Translate("Model Number"), "形名"); // the built-in table still answers
    lang::AddCatalogueEntries("ja", {"Zeta test", "ぜーた"});
    EXPECT_STREQ(lang::Translate("Zeta test"), "ぜーた");
    EXPECT_STREQ(lang::Translate("Alpha test"), "Alpha test");
}

} // namespace
} // namespace spanwise::test
