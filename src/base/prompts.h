#pragma once
// The questions and notices a run asks mid-step. Windows answer them with
// message boxes; tests answer from a script.
#include <string>

namespace sonrel {

class Prompts {
public:
    virtual ~Prompts() = default;
    // Modal notice with an OK button.
    virtual void tell(const std::string& text, const std::string& title) = 0;
    // Modal Yes/No question; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
};

} // namespace sonrel
