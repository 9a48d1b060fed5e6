#include "base/translate.h"

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

std::string fillPlaceholders(const std::string& text, std::initializer_list<std::string> values) {
    std::string out;
    out.reserve(text.size() + 16 * values.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const char next = k + 1 < text.size() ? text[k + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (text[k] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += values.begin()[index];
            ++k;
        } else {
            out += text[k];
        }
    }
    return out;
}

} // namespace sonrel
