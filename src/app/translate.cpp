#include "app/translate.h"

#include <atomic>

namespace sonrel {

namespace {
std::atomic<TextTranslator> currentTranslator{nullptr};
} // namespace

void setTextTranslator(TextTranslator translator) {
    currentTranslator.store(translator);
}

std::string trText(const char* context, const char* source) {
    const TextTranslator translator = currentTranslator.load();
    return translator ? translator(context, source) : std::string(source);
}

} // namespace sonrel
