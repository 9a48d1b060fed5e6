#include "canvas/form4.h"

#include "canvas/export_qt.h"
#include "canvas/picture_file_qt.h"
#include "ui/message_box_qt.h"
#include "ui/window_fit_qt.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace sonrel {

namespace {
constexpr int kViewportW = 7995, kViewportH = 11835, kCanvasH = 245745;
constexpr int kScrollMax = 2000;
// White kept below the last line of text in a saved picture, in pixels.
constexpr int kPictureMargin = 8;
} // namespace

Form4::Form4(AppContext& app) : FormBase(app, 4) {
    setWindowTitle(tr("Отчет      Sonrel6      form4"));
    picBox = new QWidget(this);
    picBox->setObjectName("picBox");
    // The page is as wide as the design's; its height is at most the
    // design's and shrinks to what the screen allows.
    picBox->setFixedWidth(twips(kViewportW));
    picBox->setMinimumHeight(120);
    picBox->setMaximumHeight(twips(kViewportH));
    picBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    const int canvasW = static_cast<int>(1.1 * twips(kViewportW));
    picMain = new CanvasWidget("picMain", canvasW, twips(kCanvasH), picBox);
    picMain->move(0, 0);
    canvas().setFontPixelSize(10);
    canvas().scale(0, 600, 10, 0);
    canvas().clear();

    vsbScroll = new QScrollBar(Qt::Vertical, this);
    vsbScroll->setObjectName("vsbScroll");
    vsbScroll->setRange(0, kScrollMax);
    vsbScroll->setSingleStep(2);
    vsbScroll->setPageStep(20);
    vsbScroll->setMaximumHeight(twips(11775));
    connect(vsbScroll, &QScrollBar::valueChanged, this, &Form4::scrollTo);

    // The scroll bar sits right beside the page, whatever the window's size.
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(picBox);
    row->addWidget(vsbScroll);
    row->addStretch(1);
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    lay->addLayout(row, 1);
    lay->addStretch(0);
    QLabel* status = makeStatusLine(this);
    lay->addWidget(status);
    const int barW = vsbScroll->sizeHint().width();
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    resize(fittedWindowSize(QSize(twips(kViewportW) + barW, twips(kViewportH) + status->height()),
                            0, available, windowFrame(this), 0));

    auto* copy = new QAction(tr("Копировать отчет"), this);
    copy->setObjectName("actionCopyReport");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &Form4::copyReport);
    addAction(copy);
    actionSaveReport = new QAction(ExportTexts::saveReport(), this);
    actionSaveReport->setObjectName("actionSaveReport");
    actionSaveReport->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    actionSaveReport->setShortcutContext(Qt::WindowShortcut);
    connect(actionSaveReport, &QAction::triggered, this, &Form4::saveReportClicked);
    addAction(actionSaveReport);
    actionSaveTable = new QAction(ExportTexts::saveTable(), this);
    actionSaveTable->setObjectName("actionSaveTable");
    actionSaveTable->setEnabled(false);
    connect(actionSaveTable, &QAction::triggered, this, &Form4::saveTableClicked);
    addAction(actionSaveTable);
    // The report's picture is saved only as tall as its text.
    QAction* saveAs = picMain->saveAsAction();
    QObject::disconnect(saveAs, nullptr, picMain, nullptr);
    connect(saveAs, &QAction::triggered, this, &Form4::savePictureClicked);
    addAction(saveAs);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    picMain->setContextMenuPolicy(Qt::NoContextMenu); // the window's menu serves the canvas too
}

void Form4::scrollTo(int value) {
    // The scroll range reaches the canvas's bottom edge.
    const int travel = picMain->height() - picBox->height();
    picMain->move(0, -static_cast<int>(static_cast<long long>(value) * travel / kScrollMax));
}

void Form4::resizeEvent(QResizeEvent* e) {
    FormBase::resizeEvent(e);
    scrollTo(vsbScroll->value()); // the page's travel depends on its visible height
}

void Form4::closeEvent(QCloseEvent* e) {
    FormBase::closeEvent(e);
    if (e->isAccepted()) emit app().reportNotice.closed();
}

void Form4::reportClear() {
    canvas().clear();
    printed_.clear();
    textBottomPx_ = 0;
    headDepth_ = 0;
    setReportTable({});
}

void Form4::reportClear(const std::string& head) {
    reportClear();
    if (head.empty()) return;
    constexpr double kTop = 599.9;
    reportPrint(kTop, head);
    // One blank line between the head and the report's own first line.
    headDepth_ = kTop - canvas().currentY() + canvas().textLineHeightUser();
}

void Form4::setReportTable(const std::string& csv) {
    table_ = csv;
    actionSaveTable->setEnabled(!table_.empty());
}

void Form4::saveReportClicked() {
    const QString path =
        askFileToSave(this, ExportTexts::saveReport(), ExportTexts::reportFilters());
    if (!path.isEmpty()) saveReportTo(withDefaultSuffix(path, QStringLiteral(".txt")));
}

void Form4::saveTableClicked() {
    if (table_.empty()) return;
    const QString path = askFileToSave(this, ExportTexts::saveTable(), ExportTexts::tableFilters());
    if (!path.isEmpty()) saveTableTo(withDefaultSuffix(path, QStringLiteral(".csv")));
}

void Form4::savePictureClicked() {
    const QString path = askFileToSave(this, ExportTexts::saveAs(), ExportTexts::pictureFilters());
    if (!path.isEmpty()) savePictureTo(path);
}

QString Form4::savePictureTo(const QString& path) {
    const int height = std::clamp(textBottomPx_ + kPictureMargin, 1, canvas().heightPx());
    const QString written = savePictureAs(canvas(), path, height);
    tellPictureSaved(this, written, kSaveImageError);
    return written;
}

bool Form4::saveReportTo(const QString& path) {
    const bool ok = writeFileAtomically(path, plainText().toUtf8());
    tellSaved(this, ok ? ExportTexts::reportSaved(QFileInfo(path).absoluteFilePath()) : QString(),
              kFileWriteError);
    return ok;
}

bool Form4::saveTableTo(const QString& path) {
    const bool ok = writeFileAtomically(path, QByteArray::fromStdString(table_));
    tellSaved(this, ok ? ExportTexts::tableSaved(QFileInfo(path).absoluteFilePath()) : QString(),
              kFileWriteError);
    return ok;
}

void Form4::reportPrint(double y, const std::string& text) {
    canvas().setCurrent(0, y - headDepth_);
    canvas().print(text);
    printed_.push_back(text);
    // After printing, the current position is the start of the next line:
    // the bottom of this text.
    const double bottom = canvas().toPixels(0, canvas().currentY()).y();
    textBottomPx_ = std::max(textBottomPx_, static_cast<int>(std::ceil(bottom)));
}

QString Form4::plainText(bool withHead) const {
    QString all;
    const std::size_t first = !withHead && headDepth_ > 0 ? 1 : 0;
    for (std::size_t i = first; i < printed_.size(); ++i) {
        const std::string& t = printed_[i];
        all += QString::fromStdString(t);
        if (!all.endsWith('\n')) all += '\n';
    }
    all.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return all;
}

void Form4::copyReport() {
    QApplication::clipboard()->setText(plainText());
}

Form4* reportWindow(AppContext& app) {
    return static_cast<Form4*>(app.windows.ensure(4));
}

FormFactory form4Factory() {
    return {[](AppContext& a) -> FormBase* { return new Form4(a); }};
}

} // namespace sonrel
