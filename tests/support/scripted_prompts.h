#pragma once
// Answers a run's questions from a script (Yes when the script is empty) and
// remembers what was asked, with its title.
#include "base/prompts.h"

#include <deque>
#include <string>
#include <vector>

namespace sonrel::testing {

struct ScriptedPrompts : Prompts {
    std::deque<bool> answers;
    std::vector<std::string> asked, titles;
    void tell(const std::string& text, const std::string& title) override {
        asked.push_back(text);
        titles.push_back(title);
    }
    bool askYesNo(const std::string& text, const std::string& title) override {
        tell(text, title);
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
};

} // namespace sonrel::testing
