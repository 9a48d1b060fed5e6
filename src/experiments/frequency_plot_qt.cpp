#include "experiments/frequency_plot_qt.h"

#include "canvas/export_qt.h"
#include "ui/app_context_qt.h"
#include "ui/experiment_run_qt.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"
#include "ui/message_box_qt.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

namespace sonrel {

namespace {
// The chart is redrawn at most this often while a run goes (milliseconds).
constexpr qint64 kDrawInterval = 40;

// The range lo..hi widened to whole steps of 1, 2 or 5 times a power of ten,
// about five of them, with a tick at each.
void setRoundRange(QValueAxis* axis, double lo, double hi) {
    const double rough = (hi - lo) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * power;
    for (double m : {1.0, 2.0, 5.0})
        if (m * power >= rough) {
            step = m * power;
            break;
        }
    const double from = std::floor(lo / step) * step, to = std::ceil(hi / step) * step;
    axis->setRange(from, to);
    axis->setTickCount(static_cast<int>(std::lround((to - from) / step)) + 1);
}
} // namespace

// The chart, zoomed by the mouse wheel about the point under the mouse.
class FrequencyPlot::View : public QChartView {
public:
    View(QChart* chart, FrequencyPlot& plot) : QChartView(chart, &plot), plot_(plot) {
        setRenderHint(QPainter::Antialiasing);
    }

protected:
    void wheelEvent(QWheelEvent* e) override {
        const int delta = e->angleDelta().y();
        if (delta == 0) return;
        // The point under the mouse stays where it is.
        const double f = delta > 0 ? 0.8 : 1.25;
        const QRectF area = chart()->plotArea();
        const QPointF at = chart()->mapFromScene(mapToScene(e->position().toPoint()));
        chart()->zoomIn(QRectF(at.x() - (at.x() - area.left()) * f,
                               at.y() - (at.y() - area.top()) * f, area.width() * f,
                               area.height() * f));
        plot_.zoomed_ = true;
        e->accept();
    }

private:
    FrequencyPlot& plot_;
};

FrequencyPlot::FrequencyPlot(AppContext& app, const Experiment& e, QAbstractButton* box,
                             QWidget* owner)
    : QWidget(owner, Qt::Window), app_(app), e_(e), box_(box), chart_(new QChart) {
    setObjectName(QStringLiteral("FrequencyPlot"));
    setWindowTitle(tr("График частоты"));
    steps_ = new QLineSeries(chart_);
    steps_->setName(tr("принятая частота 1/dT"));
    points_ = new QScatterSeries(chart_);
    points_->setMarkerSize(7);
    emitted_ = new QLineSeries(chart_);
    emitted_->setName(tr("излучаемая частота v0"));
    theory_ = new QLineSeries(chart_);
    theory_->setName(tr("расчет по формуле"));
    // Numbers with a decimal comma, as in every field, in either language.
    chart_->setLocalizeNumbers(true);
    chart_->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
    axisT_ = new QValueAxis(chart_);
    axisT_->setTitleText(tr("T, с"));
    axisV_ = new QValueAxis(chart_);
    axisV_->setTitleText(tr("v, 1/с"));
    chart_->addAxis(axisT_, Qt::AlignBottom);
    chart_->addAxis(axisV_, Qt::AlignLeft);
    for (QXYSeries* s : std::initializer_list<QXYSeries*>{steps_, points_, emitted_, theory_}) {
        chart_->addSeries(s);
        s->attachAxis(axisT_);
        s->attachAxis(axisV_);
    }
    points_->setColor(steps_->color());
    // The points carry the same meaning as their steps: one legend entry.
    chart_->legend()->markers(points_).first()->setVisible(false);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    emitted_->setPen(QPen(Qt::darkGray, 1.5, Qt::DashLine));
    theory_->setPen(QPen(QColor(200, 0, 0), 1.5));

    view_ = new View(chart_, *this);
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* savePicture = new QAction(ExportTexts::saveAs(), view_);
    savePicture->setObjectName(QStringLiteral("actionSavePlotPicture"));
    connect(savePicture, &QAction::triggered, this, &FrequencyPlot::askPicture);
    auto* saveTable = new QAction(ExportTexts::saveTable(), view_);
    saveTable->setObjectName(QStringLiteral("actionSavePlotTable"));
    connect(saveTable, &QAction::triggered, this, &FrequencyPlot::askTable);
    view_->addActions({savePicture, saveTable});

    auto* reset = new QPushButton(tr("Сбросить масштаб"), this);
    reset->setObjectName(QStringLiteral("ResetZoom"));
    connect(reset, &QPushButton::clicked, this, &FrequencyPlot::resetZoom);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(reset);
    // A status line of its own: the experiment window's "StatusLine" stays the only one.
    status_ = makeStatusLine(this);
    status_->setObjectName(QStringLiteral("PlotStatusLine"));
    bottom->addWidget(status_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(bottom);
    resize(820, 520);
    applyRanges();

    connect(box_, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on) {
            hide();
            return;
        }
        // The periods completed before the plot was opened are drawn at once.
        follow(false);
        show();
        raise();
    });
    sinceDraw_.start();
}

void FrequencyPlot::followStep(const StepOutcome& o) {
    if (!box_->isChecked()) return;
    if (o.display || o.arrival || o.periodCompleted || o.runEnds) follow(o.display);
}

void FrequencyPlot::runEnded() {
    if (isVisible()) draw();
}

void FrequencyPlot::follow(bool display) {
    const FormulaSelection sel = app_.theorySelection ? app_.theorySelection() : FormulaSelection{};
    const FrequencyTrace::Change c = trace_.follow(e_, sel, display);
    if (c.restarted || c.theoryThinned) redrawDue_ = true;
    if (isVisible() && sinceDraw_.elapsed() >= kDrawInterval) draw();
}

void FrequencyPlot::appendObserved(std::size_t from) {
    QList<QPointF> steps, points;
    const auto& obs = trace_.observed();
    for (std::size_t i = from; i < obs.size(); ++i) {
        // The frequency 1/dT holds over its whole period.
        steps << QPointF(obs[i].t - 1 / obs[i].v, obs[i].v) << QPointF(obs[i].t, obs[i].v);
        points << QPointF(obs[i].t, obs[i].v);
        tMax_ = std::max(tMax_, obs[i].t);
        vMin_ = anyValue_ ? std::min(vMin_, obs[i].v) : obs[i].v;
        vMax_ = anyValue_ ? std::max(vMax_, obs[i].v) : obs[i].v;
        anyValue_ = true;
    }
    if (!steps.isEmpty()) {
        steps_->append(steps);
        points_->append(points);
    }
    drawnObserved_ = obs.size();
}

void FrequencyPlot::redrawAll() {
    steps_->clear();
    points_->clear();
    theory_->clear();
    drawnObserved_ = drawnTheory_ = 0;
    tMax_ = vMin_ = vMax_ = 0;
    anyValue_ = false;
    redrawDue_ = false;
}

void FrequencyPlot::draw() {
    if (redrawDue_) redrawAll();
    if (drawnObserved_ < trace_.observed().size()) appendObserved(drawnObserved_);
    const auto& th = trace_.theory();
    if (drawnTheory_ < th.size()) {
        QList<QPointF> add;
        add.reserve(static_cast<qsizetype>(th.size() - drawnTheory_));
        for (std::size_t i = drawnTheory_; i < th.size(); ++i) {
            add << QPointF(th[i].t, th[i].v);
            tMax_ = std::max(tMax_, th[i].t);
            vMin_ = anyValue_ ? std::min(vMin_, th[i].v) : th[i].v;
            vMax_ = anyValue_ ? std::max(vMax_, th[i].v) : th[i].v;
            anyValue_ = true;
        }
        theory_->append(add);
        drawnTheory_ = th.size();
    }
    if (!zoomed_) applyRanges();
    // v0 across everything drawn and the range shown.
    const double v0 = trace_.emitted();
    if (v0 > 0)
        emitted_->replace(QList<QPointF>{{0, v0}, {std::max(axisT_->max(), tMax_), v0}});
    else
        emitted_->clear();
    sinceDraw_.restart();
}

void FrequencyPlot::applyRanges() {
    double lo = vMin_, hi = vMax_;
    const double v0 = trace_.emitted();
    if (v0 > 0) {
        lo = anyValue_ ? std::min(lo, v0) : v0;
        hi = anyValue_ ? std::max(hi, v0) : v0;
    }
    if (!anyValue_ && !(v0 > 0)) {
        lo = 0;
        hi = 1;
    }
    const double pad = hi > lo ? 0.05 * (hi - lo) : std::max(0.05 * std::fabs(hi), 1e-9);
    setRoundRange(axisT_, 0, tMax_ > 0 ? tMax_ : 1);
    setRoundRange(axisV_, lo - pad, hi + pad);
}

void FrequencyPlot::resetZoom() {
    zoomed_ = false;
    chart_->zoomReset();
    applyRanges();
}

void FrequencyPlot::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    draw();
}

void FrequencyPlot::closeEvent(QCloseEvent* e) {
    box_->setChecked(false);
    QWidget::closeEvent(e);
}

bool FrequencyPlot::savePicture(const QString& path) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(view_->size());
        svg.setViewBox(QRect(QPoint(0, 0), view_->size()));
        svg.setTitle(windowTitle());
        QPainter painter(&svg);
        view_->render(&painter);
    } else if (!view_->grab().save(&buffer, "PNG")) {
        return false;
    }
    return !data.isEmpty() && writeFileAtomically(path, data);
}

bool FrequencyPlot::saveTable(const QString& path) {
    return writeFileAtomically(path, QByteArray::fromStdString(trace_.csv()));
}

void FrequencyPlot::askPicture() {
    const QString path =
        askFileToSave(this, ExportTexts::saveAs(),
                      {QStringLiteral("PNG (*.png)"), QStringLiteral("SVG (*.svg)")});
    if (path.isEmpty()) return;
    const QString file = withDefaultSuffix(path, QStringLiteral(".png"));
    tell(savePicture(file) ? ExportTexts::pictureSaved(QFileInfo(file).absoluteFilePath())
                           : QString());
}

void FrequencyPlot::askTable() {
    const QString path = askFileToSave(this, ExportTexts::saveTable(), ExportTexts::tableFilters());
    if (path.isEmpty()) return;
    const QString file = withDefaultSuffix(path, QStringLiteral(".csv"));
    tell(saveTable(file) ? ExportTexts::tableSaved(QFileInfo(file).absoluteFilePath()) : QString());
}

void FrequencyPlot::tell(const QString& notice) {
    status_->setText(notice);
    if (notice.isEmpty()) showMessage(this, kFileWriteError);
}

QCheckBox* makeFrequencyPlotCheck(QWidget* parent) {
    return makeCheck(parent, "CheckFrequencyPlot", FrequencyPlot::tr("График частоты"), false);
}

FrequencyPlot* attachFrequencyPlot(ExperimentWindow& w, AppContext& app, const Experiment& e,
                                   QAbstractButton* box) {
    auto* plot = new FrequencyPlot(app, e, box, w.form);
    w.afterStep = [plot](const StepOutcome& o) { plot->followStep(o); };
    w.afterRun = [plot] { plot->runEnded(); };
    return plot;
}

} // namespace sonrel
