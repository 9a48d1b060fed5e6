// Choice of the interface language from the command line and the environment.
#include "base/language.h"
#include "base/translate.h"

#include <cstdio>
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

// What the command line asks for: --help and -h, --version, Qt's own options
// with their values, and the first argument nobody knows, which is refused.
TEST(CommandLineReading, KnownOptionsQtsOwnAndRefusals) {
    const struct {
        std::vector<const char*> args;
        StartAction action;
        const char* refused;
    } cases[] = {
        {{}, StartAction::Run, ""},
        {{"--lang", "en"}, StartAction::Run, ""},
        {{"--lang=ru", "-h"}, StartAction::Help, ""},
        {{"--help"}, StartAction::Help, ""},
        {{"--help", "--version"}, StartAction::Version, ""},
        {{"-platform", "offscreen"}, StartAction::Run, ""},
        {{"--style", "fusion", "-reverse"}, StartAction::Run, ""},
        {{"-style=fusion", "-qwindowgeometry", "800x600+0+0"}, StartAction::Run, ""},
        {{"--foo"}, StartAction::Refuse, "--foo"},
        {{"-v"}, StartAction::Refuse, "-v"},
        {{"--lang", "en", "word", "--foo"}, StartAction::Refuse, "word"},
        {{"-h", "extra"}, StartAction::Refuse, "extra"},
        {{"-reverse=1"}, StartAction::Refuse, "-reverse=1"},
        {{"-"}, StartAction::Refuse, "-"},
        {{"--lang", "en", "-platform"}, StartAction::Refuse, "-platform"},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv = c.args;
        argv.insert(argv.begin(), "sonrel6");
        const CommandLine line =
            readCommandLine(static_cast<int>(argv.size()), argv.data(), nullptr);
        std::string what;
        for (const char* a : c.args)
            what += std::string(a) + " ";
        EXPECT_EQ(line.action, c.action) << what;
        EXPECT_EQ(line.refused, c.refused) << what;
        EXPECT_TRUE(line.choice.error.empty()) << what;
    }
    // The language is chosen as without the other options.
    const char* argv[] = {"sonrel6", "-h", "--lang", "en"};
    EXPECT_EQ(readCommandLine(4, argv, "ru").choice.language, Language::English);
    // Experiment files, by their suffix or as existing files, are opened in order.
    const std::string existing = ::testing::TempDir() + "lesson";
    std::fclose(std::fopen(existing.c_str(), "w"));
    const char* withFiles[] = {"sonrel6", "a.sonrel", "--lang", "en", existing.c_str(), "B.SONREL"};
    const CommandLine line = readCommandLine(6, withFiles, nullptr);
    std::remove(existing.c_str());
    EXPECT_EQ(line.action, StartAction::Run);
    EXPECT_EQ(line.files, (std::vector<std::string>{"a.sonrel", existing, "B.SONREL"}));
}
