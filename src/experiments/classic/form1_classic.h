#pragma once
// The classical wave-front experiment on the main window: T00, start, stop,
// continue, NC0 steps, the animation and the report.
#include <QObject>

namespace sonrel {

class Form1;

class ClassicController : public QObject {
    Q_OBJECT
public:
    explicit ClassicController(Form1& form);
    ~ClassicController() override;

private:
    Form1& form_;
};

} // namespace sonrel
