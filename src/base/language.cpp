#include "base/language.h"

#include "base/translate.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
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

namespace {
Language shownLanguage = Language::Russian;
} // namespace

Language interfaceLanguage() {
    return shownLanguage;
}

void setInterfaceLanguage(Language language) {
    shownLanguage = language;
}

const char* languageCode(Language language) {
    return language == Language::English ? "en" : "ru";
}

namespace {

// Qt reads these itself (with one or two dashes, a value after a space or an "=").
constexpr std::string_view kQtOptionsWithValue[] = {"platform",        "platformpluginpath",
                                                    "platformtheme",   "plugin",
                                                    "qwindowgeometry", "qwindowicon",
                                                    "qwindowtitle",    "style",
                                                    "stylesheet",      "display",
                                                    "geometry",        "session"};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

template <std::size_t N> bool listed(const std::string_view (&names)[N], std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// An experiment file by its suffix (it may not exist yet: the program then
// says so), or any existing file, which the program reads as one.
bool isExperimentFile(std::string_view arg) {
    constexpr std::string_view suffix = ".sonrel";
    if (arg.size() > suffix.size()) {
        std::string tail(arg.substr(arg.size() - suffix.size()));
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (tail == suffix) return true;
    }
    std::error_code error;
    return !arg.empty() && arg[0] != '-' &&
           std::filesystem::is_regular_file(std::filesystem::path(arg), error);
}

} // namespace

CommandLine readCommandLine(int argc, const char* const* argv, const char* environmentValue) {
    CommandLine line;
    line.choice = chooseLanguage(argc, argv, environmentValue);
    for (int k = 1; k < argc; ++k) {
        std::string_view arg = argv[k];
        if (arg == "--help" || arg == "-h") {
            line.action = StartAction::Help;
            continue;
        }
        if (arg == "--version") {
            // The version answers whatever else is asked.
            line.action = StartAction::Version;
            return line;
        }
        if (arg == "--lang") {
            ++k; // its value; a missing one is chooseLanguage's error
            continue;
        }
        if (arg.substr(0, 7) == "--lang=") continue;
        std::string_view name = arg;
        if (name.substr(0, 2) == "--") name.remove_prefix(1);
        if (name.size() > 1 && name[0] == '-') {
            name.remove_prefix(1);
            const std::size_t equals = name.find('=');
            if (equals != std::string_view::npos) {
                if (listed(kQtOptionsWithValue, name.substr(0, equals))) continue;
            } else if (listed(kQtFlags, name)) {
                continue;
            } else if (listed(kQtOptionsWithValue, name) && k + 1 < argc) {
                ++k;
                continue;
            }
        }
        if (isExperimentFile(arg)) {
            line.files.emplace_back(arg);
            continue;
        }
        if (line.action != StartAction::Refuse) {
            line.action = StartAction::Refuse;
            line.refused = std::string(arg);
        }
    }
    return line;
}

const char* usageText() {
    return SONREL_TR_NOOP("CommandLine",
                          "Использование: %1 [--lang ru|en] [параметры Qt]\n"
                          "       %1 --help | --version\n"
                          "\n"
                          "Sonrel6 — модель эффекта Доплера: источник и приемник движутся в "
                          "плоскости,\n"
                          "приемник принимает фронты волны, программа сравнивает периоды с "
                          "формулами.\n"
                          "\n"
                          "Параметры:\n"
                          "  --lang ru|en   язык интерфейса (по умолчанию русский)\n"
                          "  -h, --help     эта справка\n"
                          "  --version      версия программы\n"
                          "  параметры Qt   -platform ИМЯ, -style ИМЯ, -qwindowgeometry "
                          "ШxВ+X+Y, -reverse\n"
                          "\n"
                          "Переменные окружения:\n"
                          "  SONREL_LANG               язык, если нет --lang: ru или en\n"
                          "  DISPLAY, WAYLAND_DISPLAY  экран, на котором открываются окна\n"
                          "  QT_QPA_PLATFORM           оконная система Qt (offscreen — без "
                          "экрана)\n"
                          "\n"
                          "Файлы (в текущем каталоге):\n"
                          "  Sonrel<N>.bmp, Sonrel_<N>.bmp  рисунки кнопок «Сохранить рисунок "
                          "№»\n"
                          "  Sonrel_<N>.txt                 таблицы данных окон «АСО или ИСО» и "
                          "«Среда»\n"
                          "  PNG, отчет, таблицы CSV        куда укажет диалог «Сохранить как…»\n");
}

const char* experimentUsageText() {
    return SONREL_TR_NOOP("CommandLine",
                          "\n"
                          "Файл опыта (его пишет пункт меню окна «Сохранить опыт…»):\n"
                          "  %1 ФАЙЛ.sonrel   открывает опыт в его окне с его значениями\n");
}

const char* refusedArgumentText() {
    return SONREL_TR_NOOP("CommandLine", "неизвестный параметр «%1» (список: sonrel6 --help)");
}

const char* noDisplayText() {
    return SONREL_TR_NOOP("CommandLine",
                          "sonrel6: нет экрана: запустите программу в графическом сеансе");
}

} // namespace sonrel
