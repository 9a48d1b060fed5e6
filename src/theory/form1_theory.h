#pragma once
// The theory formulas and graphs of the main window.
#include <QObject>

namespace sonrel {

class Form1;

class TheoryController : public QObject {
    Q_OBJECT
public:
    explicit TheoryController(Form1& form);
    ~TheoryController() override;

private:
    Form1& form_;
};

} // namespace sonrel
