#pragma once
// Experiment files (*.sonrel): a window's whole set-up as a small JSON
// document, so that a lesson's experiment can be saved and opened again.
//
//   {
//     "format": "sonrel6-experiment",
//     "version": 1,
//     "program": "Sonrel6 1.0.0",
//     "window": "Form9",
//     "runOnOpen": false,
//     "title": "Поперечный эффект Доплера",
//     "description": "Что видно в опыте …",
//     "values": {
//       "Text1": {"caption": "X1n", "value": "-3"},
//       "Check5": {"caption": "+ отчет", "value": true},
//       "ComboPace": {"caption": "Темп", "value": "2×"}
//     }
//   }
//
// The values are keyed by the controls' design names, in the order the
// window lists them: Text<n> a field's text exactly as typed (a JSON number
// is taken as its text with a decimal comma), Check… and Option<n> true or
// false, Combo… the chosen entry's text. The caption only helps a reader of
// the file; unknown keys are ignored. "title" and "description" (with
// "titleEn" and "descriptionEn" for the English interface) name a ready-made
// example and say what to watch for; all four may be left out.
#include <cstddef>
#include <string>
#include <vector>

namespace sonrel {

// What a design name holds: a field's text, a check box's or option
// button's tick, a list's chosen entry, or nothing a file keeps.
enum class ControlKind { Field, Box, List, None };
ControlKind controlKindOf(const std::string& name);

struct ExperimentValue {
    std::string name;    // the control's design name ("Text1")
    std::string caption; // as the window showed it
    std::string text;    // Field and List
    bool on = false;     // Box
};

struct ExperimentSetup {
    int window = 0; // the window's number: 1, 3, 5, 6, 8, 9 or 10
    bool runOnOpen = false;
    std::vector<ExperimentValue> values;
    // A ready-made example's title and what to watch for, Russian and English.
    std::string title, description, titleEn, descriptionEn;
};

// The windows whose set-up a file keeps.
bool keepsExperiments(int window);
// "Form9" for 9.
std::string windowKey(int window);

constexpr int kExperimentFormatVersion = 1;
// Larger files are refused unread: a set-up is a few kilobytes.
constexpr std::size_t kMaxExperimentBytes = 1024 * 1024;

// The document, pretty-printed (two spaces), UTF-8, ending in a newline.
std::string experimentText(const ExperimentSetup& experiment, const std::string& program);

// Reads a document. Throws FileError with a message naming fileName and
// what is wrong; requiredWindow (0: any) refuses a file of another window.
ExperimentSetup parseExperiment(const std::string& text, const std::string& fileName,
                                int requiredWindow = 0);

// The same for the file at path (a regular file of at most kMaxExperimentBytes).
ExperimentSetup readExperimentFile(const std::string& path, int requiredWindow = 0);

// The message that the experiment in fileName cannot be opened, and why.
std::string experimentRefusal(const std::string& fileName, const std::string& reason);

// Writes the document atomically; false when nothing could be written.
bool writeExperimentFile(const std::string& path, const ExperimentSetup& experiment,
                         const std::string& program);

} // namespace sonrel
