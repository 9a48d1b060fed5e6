#pragma once
// The theory formulas and graphs of the main window: single calculations,
// graph sweeps, the graph area, the experiment's points and the mouse read-back.
#include "theory/calculated_points.h"
#include "theory/formulas.h"
#include "theory/graph_area.h"

#include <QObject>
#include <functional>
#include <string>

namespace sonrel {

class Form1;

class TheoryController : public QObject {
    Q_OBJECT
public:
    explicit TheoryController(Form1& form);
    ~TheoryController() override;

    // The formula chosen by the option buttons and check boxes right now.
    FormulaSelection selection() const;

private:
    void wire();
    void excludeOtherVariants(QObject* ticked);
    GraphAxis axis() const;
    SpeedArgument speedArgument() const;

    // Runs a handler body and maps its failures to the window's messages.
    // onFailure, if given, runs before the message of a failed calculation.
    void guarded(const std::function<void()>& body, const QString& mathMessage,
                 const std::function<void()>& onFailure = {});
    // Empties "Y, v/v0" and "dv (dL)" after a failed calculation.
    void clearResult();
    // Replaces the report window's content by a table of points.
    void printReportTable(const std::string& text);

    // One calculation started by a button: checks the speeds aloud, writes the
    // result fields (positions from `bodies`), clears the picture and prints
    // the table. False when the speeds were refused or no formula applies
    // (said aloud; the result fields are emptied).
    bool calculateInteractive(const FormulaInputs& in, const Bodies& bodies);
    void showResult(const FormulaResult& r, const Bodies& bodies);
    // The bodies as the shared record holds them now (read only).
    Bodies sharedBodies() const;

    void clearGraph();                        // Command14
    void markTypedPoint();                    // Command15
    void markPressedSpot(double x, double y); // Picture1 mouse press
    void experimentalPoints();                // Command7
    void calculateAtAngle();                  // Command17
    void calculateFromBodies();               // Command18
    void plotSweep();                         // Command12

    Form1& form_;
};

} // namespace sonrel
