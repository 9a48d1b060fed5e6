#include "base/experiment_file.h"

#include "base/numbers.h"
#include "base/text_file.h"
#include "base/translate.h"

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>

namespace sonrel {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormatMark = "sonrel6-experiment";
constexpr int kMaxDepth = 8; // the document itself needs three levels

// The message's head: the file is no experiment at all, or one that cannot be opened.
constexpr const char* kNotExperiment =
    SONREL_TR_NOOP("ExperimentFile", "Файл «%1» не является файлом опыта Sonrel6: %2");
constexpr const char* kCannotOpen =
    SONREL_TR_NOOP("ExperimentFile", "Опыт из файла «%1» не открыть: %2");

struct Refusal {
    const char* head;
    std::string reason;
};

std::string translated(const char* text, std::initializer_list<std::string> values = {}) {
    return fillPlaceholders(trText("ExperimentFile", text), values);
}

[[noreturn]] void refuse(const char* head, std::string reason) {
    throw Refusal{head, std::move(reason)};
}

[[noreturn]] void missing(const std::string& key) {
    refuse(kCannotOpen, translated(SONREL_TR_NOOP("ExperimentFile", "нет значения «%1»"), {key}));
}

[[noreturn]] void wrongType(const char* needed, const std::string& key) {
    refuse(kCannotOpen, translated(needed, {key}));
}

constexpr const char* kMustBeText =
    SONREL_TR_NOOP("ExperimentFile", "значение «%1» должно быть текстом");
constexpr const char* kMustBeTextOrNumber =
    SONREL_TR_NOOP("ExperimentFile", "значение «%1» должно быть текстом или числом");
constexpr const char* kMustBeFlag =
    SONREL_TR_NOOP("ExperimentFile", "значение «%1» должно быть true или false");
constexpr const char* kMustBeInteger =
    SONREL_TR_NOOP("ExperimentFile", "значение «%1» должно быть целым числом не меньше 1");
constexpr const char* kMustBeObject =
    SONREL_TR_NOOP("ExperimentFile", "значение «%1» должно быть объектом { … }");

struct TooDeep {};

Json parseJson(const std::string& text) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        refuse(kNotExperiment, translated(SONREL_TR_NOOP("ExperimentFile", "файл пуст")));
    try {
        // The document is shallow: deeper nesting is refused as it is read.
        return Json::parse(text, [](int depth, Json::parse_event_t, Json&) {
            if (depth > kMaxDepth) throw TooDeep{};
            return true;
        });
    } catch (const TooDeep&) {
        refuse(kNotExperiment,
               translated(SONREL_TR_NOOP("ExperimentFile", "слишком глубокая вложенность скобок")));
    } catch (const Json::parse_error& e) {
        if (e.byte > text.size()) // the error is at the end of the input
            refuse(kNotExperiment,
                   translated(SONREL_TR_NOOP("ExperimentFile",
                                             "текст обрывается раньше конца документа")));
        refuse(kNotExperiment,
               translated(SONREL_TR_NOOP("ExperimentFile", "это не текст JSON (ошибка в байте %1)"),
                          {std::to_string(e.byte)}));
    } catch (const Json::exception&) {
        // A number beyond any double ("1e999").
        refuse(kNotExperiment, translated(SONREL_TR_NOOP(
                                   "ExperimentFile", "в нем есть число вне допустимых пределов")));
    }
}

const Json& member(const Json& object, const char* key) {
    const auto it = object.find(key);
    if (it == object.end()) missing(key);
    return *it;
}

int windowOf(const Json& doc) {
    const Json& value = member(doc, "window");
    if (!value.is_string()) wrongType(kMustBeText, "window");
    static const std::regex form("Form([0-9]{1,2})");
    const std::string key = value.get<std::string>();
    std::smatch m;
    if (!std::regex_match(key, m, form) || !keepsExperiments(std::stoi(m[1].str())))
        refuse(
            kCannotOpen,
            translated(SONREL_TR_NOOP("ExperimentFile", "у окна «%1» нет опытов в файлах"), {key}));
    return std::stoi(m[1].str());
}

// A field's text: a string as it is, a number in the fields' own form.
std::string fieldText(const Json& value, const std::string& key) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number_unsigned()) return std::to_string(value.get<std::uint64_t>());
    if (value.is_number_integer()) return std::to_string(value.get<std::int64_t>());
    // (The parser refuses numbers beyond the double range; no field holds infinity.)
    if (value.is_number_float() && std::isfinite(value.get<double>()))
        return formatNumber(value.get<double>());
    wrongType(kMustBeTextOrNumber, key);
}

ExperimentValue valueOf(const std::string& name, const Json& entry) {
    ExperimentValue v;
    v.name = name;
    // {"caption": …, "value": …}, or the value alone in a file written by hand.
    const Json* value = &entry;
    if (entry.is_object()) {
        value = &member(entry, "value");
        const auto caption = entry.find("caption");
        if (caption != entry.end() && caption->is_string()) v.caption = caption->get<std::string>();
    }
    switch (controlKindOf(name)) {
    case ControlKind::Field:
        v.text = fieldText(*value, name);
        break;
    case ControlKind::Box:
        if (!value->is_boolean()) wrongType(kMustBeFlag, name);
        v.on = value->get<bool>();
        break;
    case ControlKind::List:
        if (!value->is_string()) wrongType(kMustBeText, name);
        v.text = value->get<std::string>();
        break;
    case ControlKind::None:
        break;
    }
    return v;
}

ExperimentSetup experimentOf(const Json& doc, int requiredWindow) {
    const auto format = doc.is_object() ? doc.find("format") : doc.end();
    if (!doc.is_object() || format == doc.end() || *format != kFormatMark)
        refuse(kNotExperiment,
               translated(SONREL_TR_NOOP("ExperimentFile", "в нем нет метки \"format\": \"%1\""),
                          {kFormatMark}));
    const Json& version = member(doc, "version");
    if (!version.is_number_integer() || version.get<std::int64_t>() < 1)
        wrongType(kMustBeInteger, "version");
    if (version.get<std::int64_t>() > kExperimentFormatVersion)
        refuse(kCannotOpen,
               translated(SONREL_TR_NOOP("ExperimentFile",
                                         "версия формата %1 новее той, что читает программа (%2)"),
                          {version.dump(), std::to_string(kExperimentFormatVersion)}));
    ExperimentSetup e;
    e.window = windowOf(doc);
    if (requiredWindow && e.window != requiredWindow)
        refuse(kCannotOpen,
               translated(SONREL_TR_NOOP("ExperimentFile", "это опыт окна %1, а не окна %2"),
                          {windowKey(e.window), windowKey(requiredWindow)}));
    if (const auto run = doc.find("runOnOpen"); run != doc.end()) {
        if (!run->is_boolean()) wrongType(kMustBeFlag, "runOnOpen");
        e.runOnOpen = run->get<bool>();
    }
    for (auto [key, text] : {std::pair{"title", &e.title},
                             {"description", &e.description},
                             {"titleEn", &e.titleEn},
                             {"descriptionEn", &e.descriptionEn}})
        if (const auto it = doc.find(key); it != doc.end()) {
            if (!it->is_string()) wrongType(kMustBeText, key);
            *text = it->get<std::string>();
        }
    const Json& values = member(doc, "values");
    if (!values.is_object()) wrongType(kMustBeObject, "values");
    for (const auto& [name, entry] : values.items())
        if (controlKindOf(name) != ControlKind::None) e.values.push_back(valueOf(name, entry));
    return e;
}

} // namespace

ControlKind controlKindOf(const std::string& name) {
    static const std::regex field("Text[0-9]+"), box("Check[A-Za-z0-9_]+|Option[0-9]+"),
        list("Combo[A-Za-z0-9_]+");
    if (std::regex_match(name, field)) return ControlKind::Field;
    if (std::regex_match(name, box)) return ControlKind::Box;
    if (std::regex_match(name, list)) return ControlKind::List;
    return ControlKind::None;
}

bool keepsExperiments(int window) {
    for (int n : {1, 3, 5, 6, 8, 9, 10})
        if (n == window) return true;
    return false;
}

std::string windowKey(int window) {
    return "Form" + std::to_string(window);
}

std::string experimentText(const ExperimentSetup& experiment, const std::string& program) {
    Json doc;
    doc["format"] = kFormatMark;
    doc["version"] = kExperimentFormatVersion;
    doc["program"] = program;
    doc["window"] = windowKey(experiment.window);
    doc["runOnOpen"] = experiment.runOnOpen;
    for (auto [key, text] : {std::pair{"title", &experiment.title},
                             {"description", &experiment.description},
                             {"titleEn", &experiment.titleEn},
                             {"descriptionEn", &experiment.descriptionEn}})
        if (!text->empty()) doc[key] = *text;
    Json values = Json::object();
    for (const ExperimentValue& v : experiment.values) {
        Json entry;
        entry["caption"] = v.caption;
        if (controlKindOf(v.name) == ControlKind::Box)
            entry["value"] = v.on;
        else
            entry["value"] = v.text;
        values[v.name] = std::move(entry);
    }
    doc["values"] = std::move(values);
    return doc.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

ExperimentSetup parseExperiment(const std::string& text, const std::string& fileName,
                                int requiredWindow) {
    try {
        return experimentOf(parseJson(text), requiredWindow);
    } catch (const Refusal& r) {
        throw FileError(translated(r.head, {fileName, r.reason}));
    }
}

ExperimentSetup readExperimentFile(const std::string& path, int requiredWindow) {
    std::string text;
    try {
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        if (!error && size > kMaxExperimentBytes)
            refuse(kCannotOpen, translated(SONREL_TR_NOOP("ExperimentFile", "файл больше %1 байт"),
                                           {std::to_string(kMaxExperimentBytes)}));
        try {
            text = readSmallFile(path, kMaxExperimentBytes);
        } catch (const FileError&) {
            refuse(kCannotOpen,
                   translated(SONREL_TR_NOOP("ExperimentFile", "файла нет или он не читается")));
        }
    } catch (const Refusal& r) {
        throw FileError(translated(r.head, {path, r.reason}));
    }
    return parseExperiment(text, path, requiredWindow);
}

std::string experimentRefusal(const std::string& fileName, const std::string& reason) {
    return translated(kCannotOpen, {fileName, reason});
}

bool writeExperimentFile(const std::string& path, const ExperimentSetup& experiment,
                         const std::string& program) {
    return writeFileAtomically(path, experimentText(experiment, program));
}

} // namespace sonrel
