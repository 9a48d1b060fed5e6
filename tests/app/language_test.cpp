// Choice of the interface language from the command line and the environment.
#include "app/language.h"
#include "app/translate.h"

#include <gtest/gtest.h>
#include <vector>

using namespace sonrel;

namespace {

LanguageChoice choose(std::vector<const char*> args, const char* environment = nullptr) {
    args.insert(args.begin(), "sonrel6");
    return chooseLanguage(static_cast<int>(args.size()), args.data(), environment);
}

} // namespace

TEST(Language, RussianUnlessEnglishIsChosen) {
    EXPECT_EQ(choose({}).language, Language::Russian);
    EXPECT_EQ(choose({"--lang", "en"}).language, Language::English);
    EXPECT_EQ(choose({"--lang=EN"}).language, Language::English);
    EXPECT_EQ(choose({}, "en").language, Language::English);
    EXPECT_EQ(choose({}, "").language, Language::Russian);
    // The command line outranks the environment; the last --lang counts.
    EXPECT_EQ(choose({"--lang", "ru"}, "en").language, Language::Russian);
    EXPECT_EQ(choose({"--lang", "en", "--lang", "ru"}).language, Language::Russian);
    // Other arguments (Qt's own among them) are left alone.
    EXPECT_EQ(choose({"-platform", "offscreen", "--lang", "en"}).language, Language::English);
}

TEST(Language, UnknownChoicesAreSaidAndNeverGuessed) {
    const LanguageChoice german = choose({"--lang", "de"});
    EXPECT_FALSE(german.error.empty());
    EXPECT_FALSE(choose({"--lang"}).error.empty());
    const LanguageChoice fromEnvironment = choose({}, "fr");
    EXPECT_TRUE(fromEnvironment.error.empty());
    EXPECT_FALSE(fromEnvironment.warning.empty());
    EXPECT_EQ(fromEnvironment.language, Language::Russian);
}

TEST(Language, CoreTextsStayRussianWithoutAHook) {
    setTextTranslator(nullptr);
    EXPECT_EQ(trText("Report", "Период"), "Период");
    setTextTranslator([](const char*, const char*) { return std::string("Period"); });
    EXPECT_EQ(trText("Report", "Период"), "Period");
    setTextTranslator(nullptr);
}

TEST(Language, TranslationsMayReorderTheNumbersOfALine) {
    EXPECT_EQ(fillPlaceholders("Tk1(%1)= %2", {"10", "50,2"}), "Tk1(10)= 50,2");
    EXPECT_EQ(fillPlaceholders("%2 at period %1", {"3", "0,25"}), "0,25 at period 3");
    // A mark without a value, and a lone %, stay as typed.
    EXPECT_EQ(fillPlaceholders("%1 of %3, 5 %", {"2"}), "2 of %3, 5 %");
}
