#include "ui/run_pacer_qt.h"

#include "ui/form_base_window.h"
#include "ui/message_box_qt.h"
#include "ui/tone_player_qt.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace sonrel {

namespace {
int startingChoice = -1;
// The status line is refreshed at most this often while running.
constexpr qint64 kProgressEveryMs = 100;
// Longest single sleep of the wait, so a stop or a new pace acts at once.
constexpr int kLongestSleepMs = 20;
} // namespace

void RunPacer::setStartingChoice(int index) {
    startingChoice = index;
}

RunPacer::RunPacer(FormBase& form, Buttons buttons, std::function<int()> period, int defaultChoice,
                   int periods)
    : QObject(&form), form_(form), start_(buttons.start), period_(std::move(period)),
      periods_(periods) {
    row_ = new QWidget(&form);
    row_->setObjectName(QStringLiteral("PaceRow"));
    auto* g = new QGridLayout(row_);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(2);
    auto* caption = new QLabel(QCoreApplication::translate("RunPace", "Темп"), row_);
    caption->setObjectName(QStringLiteral("LabelPace"));
    ComboPace = new QComboBox(row_);
    ComboPace->setObjectName(QStringLiteral("ComboPace"));
    for (const PaceChoice& c : kPaceChoices)
        ComboPace->addItem(QCoreApplication::translate("RunPace", c.caption));
    ComboPace->setCurrentIndex(startingChoice >= 0 ? startingChoice : defaultChoice);
    ComboPace->setToolTip(QCoreApplication::translate("RunPace",
                                                      "Темп анимации: модельных секунд за секунду, "
                                                      "«макс.» — так быстро, как может компьютер"));
    caption->setBuddy(ComboPace);
    // Two lines: the progress, then how the run ended; the height is fixed
    // so the window does not move while the text changes.
    StatusLine = new QLabel(row_);
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusLine->setMinimumWidth(StatusLine->fontMetrics().horizontalAdvance(
        QString::fromStdString(runProgressText(99999.9, 20, 20))));
    StatusLine->setFixedHeight(2 * StatusLine->fontMetrics().lineSpacing() + 2);
    StatusLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    g->addWidget(caption, 0, 0);
    g->addWidget(ComboPace, 0, 1, Qt::AlignLeft);
    g->addWidget(buildSound(), 0, 2, Qt::AlignLeft);
    g->addWidget(StatusLine, 1, 0, 1, 3);
    g->setColumnStretch(2, 1);
    wall_.start();

    if (buttons.stop) connect(buttons.stop, &QAbstractButton::clicked, this, [this] { ++stops_; });
    addShortcut(Qt::Key_Escape, buttons.stop, "Esc");
    addShortcut(Qt::Key_F5, buttons.start, "F5");
    addShortcut(Qt::Key_F6, buttons.resume, "F6");
    addShortcut(Qt::Key_F7, buttons.steps, "F7");
}

QWidget* RunPacer::buildSound() {
    player_ = new TonePlayer(this);
    auto* box = new QWidget(row_);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(8, 0, 0, 0);
    h->setSpacing(4);
    CheckSound = new QCheckBox(QCoreApplication::translate("RunPace", "Звук"), box);
    CheckSound->setObjectName(QStringLiteral("CheckSound"));
    CheckSound->setToolTip(QCoreApplication::translate(
        "RunPace", "Тон, высота которого следует за принимаемой частотой (при темпе не «макс.»)"));
    ComboPitch = new QComboBox(box);
    ComboPitch->setObjectName(QStringLiteral("ComboPitch"));
    for (int hz : {220, 330, 440, 550, 660, 880})
        ComboPitch->addItem(QCoreApplication::translate("RunPace", "%1 Гц").arg(hz), hz);
    ComboPitch->setCurrentIndex(ComboPitch->findData(440));
    ComboPitch->setToolTip(
        QCoreApplication::translate("RunPace", "Высота тона, которой звучит частота v0"));
    CheckClicks = new QCheckBox(QCoreApplication::translate("RunPace", "щелчки"), box);
    CheckClicks->setObjectName(QStringLiteral("CheckClicks"));
    CheckClicks->setToolTip(
        QCoreApplication::translate("RunPace", "Щелчок при приходе каждого фронта к приемнику"));
    h->addWidget(CheckSound);
    h->addWidget(ComboPitch);
    h->addWidget(CheckClicks);
    connect(CheckSound, &QCheckBox::toggled, this, &RunPacer::soundToggled);
    return box;
}

void RunPacer::soundToggled(bool on) {
    if (on && !TonePlayer::deviceAvailable())
        StatusLine->setText(QCoreApplication::translate(
            "RunPace", "Звук: нет устройства вывода звука, опыт идет без звука"));
}

void RunPacer::addShortcut(int key, QAbstractButton* button, const char* keyName) {
    if (!button) return;
    auto* sc = new QShortcut(QKeySequence(key), &form_);
    sc->setContext(Qt::WindowShortcut);
    connect(sc, &QShortcut::activated, button, [button] {
        if (button->isEnabled()) button->click();
    });
    // The key joins the button's own description, whenever that is set.
    const QString keyText = QStringLiteral(" (%1)").arg(QLatin1String(keyName));
    button->setProperty("shortcutText", keyText);
    if (!button->toolTip().endsWith(keyText)) button->setToolTip(button->toolTip() + keyText);
}

double RunPacer::pace() const {
    const int i = ComboPace->currentIndex();
    if (i < 0 || i >= static_cast<int>(kPaceChoices.size())) return 0;
    return kPaceChoices[static_cast<std::size_t>(i)].modelPerWall;
}

double RunPacer::wallNow() const {
    return static_cast<double>(wall_.nsecsElapsed()) / 1e9;
}

void RunPacer::showProgress() {
    lastShownMs_ = wall_.elapsed();
    const double T = form_.state().T;
    if (!std::isfinite(T)) return;
    StatusLine->setText(QString::fromStdString(runProgressText(T, period_(), periods_)));
}

RunPacer::Run::Run(RunPacer& pacer)
    : p_(pacer), stopsAtStart_(pacer.stops_), noAnswersAtStart_(noAnswersSoFar()),
      stepsRun_(pacer.form_.state().stopFlag == 1) {
    if (p_.pace() > 0) clock_.anchor(p_.form_.state().T, p_.wallNow(), p_.pace());
    p_.showProgress();
    // Silent until the first period is received; without a device the run
    // goes on silent (ticking the box has said so).
    if (p_.CheckSound->isChecked()) {
        ToneSettings tone;
        tone.basePitch = p_.ComboPitch->currentData().toDouble();
        sounding_ = p_.player_->start(tone);
    }
}

void RunPacer::Run::heard(double ratio) {
    if (!sounding_ || !std::isfinite(ratio)) return;
    heard_ = true;
    p_.player_->setRatio(ratio);
    p_.player_->setAudible(p_.pace() > 0);
}

void RunPacer::Run::arrived() {
    if (sounding_ && p_.pace() > 0 && p_.CheckClicks->isChecked()) p_.player_->click();
}

RunPacer::Run::~Run() {
    if (sounding_) p_.player_->stop();
    if (p_.form_.closeRequested()) return;
    RunEnd how = RunEnd::Finished;
    if (how_ >= 0)
        how = static_cast<RunEnd>(how_);
    else if (p_.stops_ != stopsAtStart_)
        how = RunEnd::StoppedByUser;
    else if (noAnswersSoFar() != noAnswersAtStart_)
        how = RunEnd::StoppedAtQuestion;
    else if (stepsRun_)
        how = RunEnd::StepsDone;
    p_.showProgress();
    const std::string end = completedText_.empty() ? runEndText(how) : completedText_;
    p_.StatusLine->setText(p_.StatusLine->text() + QStringLiteral("\n") +
                           QString::fromStdString(end));
}

void RunPacer::Run::displayStep() {
    if (p_.wall_.elapsed() - p_.lastShownMs_ >= kProgressEveryMs) p_.showProgress();
    const double pace = p_.pace();
    // At "макс." there is no sound: the tone would follow no clock.
    if (sounding_) p_.player_->setAudible(heard_ && pace > 0 && p_.CheckSound->isChecked());
    if (pace <= 0) {
        clock_.drop();
        return;
    }
    const double T = p_.form_.state().T;
    if (!std::isfinite(T)) return;
    const double due = clock_.dueAt(T, pace, p_.wallNow());
    const int stops = p_.stops_;
    for (;;) {
        const double left = due - p_.wallNow();
        if (left <= 0 || p_.stops_ != stops || p_.form_.closeRequested() || p_.pace() != pace)
            break;
        const int ms = std::clamp(static_cast<int>(std::ceil(left * 1000)), 1, kLongestSleepMs);
        QEventLoop sleep;
        QTimer::singleShot(ms, Qt::PreciseTimer, &sleep, &QEventLoop::quit);
        sleep.exec();
        if (p_.wall_.elapsed() - p_.lastShownMs_ >= kProgressEveryMs) p_.showProgress();
    }
}

} // namespace sonrel
