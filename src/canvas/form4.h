#pragma once
// The report window: a tall canvas in a fixed viewport with a scroll bar.
// Every experiment prints its legend, period blocks and table into it.
#include "canvas/canvas_widget.h"
#include "ui/form_base_window.h"

#include <QScrollBar>
#include <string>
#include <vector>

namespace sonrel {

class Form4 : public FormBase {
    Q_OBJECT
public:
    explicit Form4(AppContext& app);

    // Clears the report canvas and the kept text.
    void reportClear();
    // Clears it and prints `head` (the run's inputs) at the top; what is
    // printed afterwards until the next clear moves down below the head.
    void reportClear(const std::string& head);
    // Prints text at (0, y) of the report scale (0, 600)-(10, 0); line
    // breaks inside the text start new lines at x = 0.
    void reportPrint(double y, const std::string& text);
    // Everything printed since the last clear, in the order printed; without
    // the head of inputs when withHead is false.
    QString plainText(bool withHead = true) const;
    // Puts plainText() on the clipboard.
    void copyReport();

    // The period table (CSV text) of the run whose report is shown; the
    // next reportClear() drops it. Empty when that run has no complete period.
    void setReportTable(const std::string& csv);
    // Write plainText() as UTF-8 with "\n" line ends, or the period table,
    // to path; on failure tell the user and leave an existing file as it was.
    bool saveReportTo(const QString& path);
    bool saveTableTo(const QString& path);
    // "Сохранить как…": the picture from its top down to just below the
    // lowest line printed (the canvas is far taller than any report), as
    // PNG or BMP; the status line names the file, or a message box says
    // the save failed. Returns the path written, empty on failure.
    QString savePictureTo(const QString& path);

    RasterCanvas& canvas() { return picMain->canvas(); }

    QWidget* picBox;           // viewport (fixed frame)
    CanvasWidget* picMain;     // the report canvas, far taller than the viewport
    QScrollBar* vsbScroll;     // scroll position 0..2000
    QAction* actionSaveReport; // "Сохранить отчет…" (Ctrl+S)
    QAction* actionSaveTable;  // "Сохранить таблицу CSV…"

protected:
    // Closing the report window unticks every check box that shows it.
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void scrollTo(int value);
    void saveReportClicked();
    void saveTableClicked();
    void savePictureClicked();
    std::vector<std::string> printed_;
    int textBottomPx_ = 0; // logical pixel row below the lowest text printed
    double headDepth_ = 0; // report units the head takes at the top
    std::string table_;
};

// The report window, created hidden if it does not exist yet.
Form4* reportWindow(AppContext& app);

} // namespace sonrel
