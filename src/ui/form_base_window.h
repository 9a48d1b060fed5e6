#pragma once
// Common base of the ten windows: access to the shared state and registry,
// unloading on close, and the bookkeeping that lets a window be closed while
// its experiment loop is running (the loop stops, then the window goes).
#include "ui/app_context_qt.h"

#include <QElapsedTimer>
#include <QWidget>

class QAbstractButton;
class QScrollArea;

namespace sonrel {

class CanvasWidget;

class FormBase : public QWidget {
    Q_OBJECT
public:
    FormBase(AppContext& app, int number);
    ~FormBase() override;

    AppContext& app() { return app_; }
    // The record this window's computations work in: the shared one, or an
    // experiment window's own, so that its runs never move another's.
    virtual SharedState& state() { return app_.state; }
    WindowRegistry& windows() { return app_.windows; }
    int number() const { return number_; }

    // The buttons that start the window's experiment or calculation, pressed
    // in turn when an opened experiment file asks for it ("runOnOpen").
    virtual QList<QAbstractButton*> startButtons() { return {}; }

    // Unloads the window like its close box does.
    void unload();
    // Unticks the report check box `box` whenever the report window closes.
    void untickWhenReportCloses(QAbstractButton* box);
    bool closeRequested() const { return closeRequested_; }
    bool running() const { return runDepth_ > 0; }
    // True while a loop runs or a message box is open over the window: a
    // handler of this window is on the stack and the window must outlive it.
    bool busy() const { return runDepth_ + questionDepth_ > 0; }

    // Held by a running experiment loop (nested runs nest scopes). Closing
    // the window meanwhile sets the stop flag and hides it; the window is
    // destroyed once the outermost loop has returned.
    class RunScope {
    public:
        explicit RunScope(FormBase& f);
        ~RunScope();
        RunScope(const RunScope&) = delete;
        RunScope& operator=(const RunScope&) = delete;

    private:
        FormBase& form_;
    };

    // Held while a message box is open over the window. Closing the window
    // meanwhile closes the box (a question is answered No) and hides the
    // window; it is destroyed once the handler that asked has returned.
    class QuestionScope {
    public:
        explicit QuestionScope(FormBase& f) : form_(f) { ++form_.questionDepth_; }
        ~QuestionScope();
        QuestionScope(const QuestionScope&) = delete;
        QuestionScope& operator=(const QuestionScope&) = delete;

    private:
        FormBase& form_;
    };

    // Lets the window system handle input and repaints between steps. Yields
    // at most every few milliseconds, so fast runs are not slowed by the pump.
    void pumpEvents();
    // True when the next pumpEvents() will yield (the window can be seen again).
    bool yieldDue() const { return sinceYield_.elapsed() >= kYieldEveryMs; }
    // Yields now, whatever the time since the last yield.
    void pumpEventsNow();

    // Longest time a running loop went without yielding, over all windows
    // since the last reset (a measure of how quickly "Остановить" can act).
    static double maxYieldGapMs();
    static void resetYieldStats();

signals:
    // The first run scope began (true) or the last one ended (false).
    void runningChanged(bool running);

protected:
    void closeEvent(QCloseEvent* e) override;
    // Puts the content into a scroll area so the window stays usable on small
    // screens, with `fixedRow` (if any) below it always in view, and sizes the
    // window to fit the screen.
    void setScrollableContent(QWidget* content, QWidget* fixedRow = nullptr);
    // After setScrollableContent: the experiment's picture takes the room a
    // larger window leaves free, and F11 shows it full screen with the run's
    // status line, the label "StatusLine" (see PictureScreen).
    void installFullScreen(CanvasWidget* picture);

private:
    // Destroys the window once it was closed and no handler holds it any more.
    void deleteWhenFree();

    AppContext& app_;
    int number_;
    int runDepth_ = 0;
    int questionDepth_ = 0;
    bool closeRequested_ = false;
    QElapsedTimer sinceYield_;
    static constexpr int kYieldEveryMs = 8;
};

// Opening and saving the window's set-up as an experiment file (see
// ui/experiment_file_qt.h); each window calls it last in its constructor.
void installExperimentFileActions(FormBase& form);

} // namespace sonrel
