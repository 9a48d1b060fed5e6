#pragma once
// The language hook of the Qt-free core. Every text the core shows to the
// user (report lines, picture labels, messages) passes through trText, which
// the window layer connects to Qt's translation system. Without a hook (the
// core tests, the tools) every text stays the Russian source text.
#include <initializer_list>
#include <string>

// Marks a text for the translation catalogue where it is stored (tables,
// constants); it is translated where it is shown, by trText with the same context.
#define SONREL_TR_NOOP(context, text) text

namespace sonrel {

using TextTranslator = std::string (*)(const char* context, const char* source);

// nullptr restores the Russian source texts.
void setTextTranslator(TextTranslator translator);

// source (UTF-8, Russian) in the chosen language.
std::string trText(const char* context, const char* source);

// text with %1 … %9 replaced by values[0] … values[8], in one pass: a
// translation may put the numbers of a line in its own order.
std::string fillPlaceholders(const std::string& text, std::initializer_list<std::string> values);

} // namespace sonrel
