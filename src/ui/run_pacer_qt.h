#pragma once
// The pace control of an experiment window: the "Темп" combo box, the status
// line with the run's progress, the keys Esc / F5 / F6 / F7 on the run
// buttons, and the wait after each display step that holds the model to the
// wall clock. The wait runs the event loop, so the window stays responsive
// and the process idles; what the run computes and draws does not depend on
// the pace.
#include "ui/run_pace.h"

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <string>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QWidget;

namespace sonrel {

class FormBase;
class TonePlayer;

class RunPacer : public QObject {
    Q_OBJECT
public:
    struct Buttons {
        QAbstractButton* start;  // F5
        QAbstractButton* stop;   // Esc
        QAbstractButton* resume; // F6 "Продолжить"
        QAbstractButton* steps;  // F7 NC0 steps
    };
    // `period` gives the number of the period being received now; the
    // status line shows it out of `periods`.
    RunPacer(FormBase& form, Buttons buttons, std::function<int()> period, int defaultChoice,
             int periods = 20);

    // The window's start button (F5).
    QAbstractButton* startButton() const { return start_; }

    // "Темп [ComboPace]" over the StatusLine, for the window's run controls.
    QWidget* row() const { return row_; }
    QComboBox* ComboPace; // "Темп"
    QLabel* StatusLine;   // progress of the run, then how it ended
    // The sound of a paced run: a tone at the received frequency, v0 heard
    // at the pitch ComboPitch names, and with "щелчки" a click at each arrival.
    QCheckBox* CheckSound;  // "Звук"
    QComboBox* ComboPitch;  // "440 Гц" ...
    QCheckBox* CheckClicks; // "щелчки"

    // Model seconds per wall second of the chosen entry; 0 for "макс.".
    double pace() const;

    // The choice that windows built from now on start with instead of their
    // own default; -1 restores the defaults. Tests, the benchmark and the
    // screenshot program choose "макс." so that they run at full speed.
    static void setStartingChoice(int index);

    // Held by a run loop for its duration (nested runs nest).
    class Run {
    public:
        explicit Run(RunPacer& pacer);
        ~Run();
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;
        // After a display step: shows the progress (a few times a second)
        // and waits until the wall clock has caught up with the model.
        void displayStep();
        // How the run ended, when the window knows better than the stop
        // flag and the questions asked (a limit, an error).
        void ended(RunEnd how) { how_ = static_cast<int>(how); }
        // A run that has done its work: its own second line (why it is complete).
        void completed(std::string text) { completedText_ = std::move(text); }
        // The run's tone is playing (the box ticked, a sound device found).
        bool sounding() const { return sounding_; }
        // The received frequency over the emitted one, from the period just
        // completed: the tone sounds at it.
        void heard(double ratio);
        // A front has reached the receiver: a click, when they are asked for.
        void arrived();

    private:
        RunPacer& p_;
        PaceClock clock_;
        int stopsAtStart_;
        int noAnswersAtStart_;
        bool stepsRun_;
        int how_ = -1;
        std::string completedText_;
        bool sounding_ = false; // the tone has started for this run
        bool heard_ = false;    // a period has been received: the tone may sound
    };

private:
    void showProgress();
    double wallNow() const;
    QWidget* buildSound();
    void soundToggled(bool on);
    void addShortcut(int key, QAbstractButton* button, const char* keyName);

    FormBase& form_;
    QAbstractButton* start_;
    std::function<int()> period_;
    int periods_;
    QWidget* row_;
    QElapsedTimer wall_;
    qint64 lastShownMs_ = -1000000;
    int stops_ = 0; // presses of the stop button (or Esc) so far
    TonePlayer* player_;
};

} // namespace sonrel
