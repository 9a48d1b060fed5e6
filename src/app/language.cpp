#include "app/language.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <string_view>

namespace sonrel {

namespace {

std::optional<Language> languageOf(std::string_view code) {
    std::string lower(code);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "ru") return Language::Russian;
    if (lower == "en") return Language::English;
    return std::nullopt;
}

std::string unknown(std::string_view code, const char* where) {
    return std::string("unknown language \"") + std::string(code) + "\" in " + where +
           ": use ru or en";
}

} // namespace

LanguageChoice chooseLanguage(int argc, const char* const* argv, const char* environmentValue) {
    LanguageChoice choice;
    std::optional<std::string_view> fromCommandLine;
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "--lang") {
            if (k + 1 >= argc) {
                choice.error = "--lang needs a language: ru or en";
                return choice;
            }
            fromCommandLine = argv[++k];
        } else if (arg.substr(0, 7) == "--lang=") {
            fromCommandLine = arg.substr(7);
        }
    }
    if (fromCommandLine) {
        if (auto language = languageOf(*fromCommandLine))
            choice.language = *language;
        else
            choice.error = unknown(*fromCommandLine, "--lang");
        return choice;
    }
    if (environmentValue && *environmentValue) {
        if (auto language = languageOf(environmentValue))
            choice.language = *language;
        else
            choice.warning = unknown(environmentValue, "SONREL_LANG") + "; Russian is used";
    }
    return choice;
}

const char* languageCode(Language language) {
    return language == Language::English ? "en" : "ru";
}

} // namespace sonrel
