#pragma once
// The entry "Сохранить таблицу CSV…" of an experiment window's picture: it
// writes the period table of the window's last run, and is enabled only
// while that run has at least one complete period.
#include <QObject>
#include <QString>
#include <string>

class QAction;

namespace sonrel {

class CanvasWidget;

class PeriodTableExport : public QObject {
    Q_OBJECT
public:
    // Adds the entry to the picture's context menu, after "Сохранить как…".
    explicit PeriodTableExport(CanvasWidget* picture);

    // The table of the run that has just ended (CSV text; empty when it has
    // no complete period).
    void setTable(std::string csv);
    const std::string& table() const { return table_; }
    QAction* action() const { return action_; }

    // Writes the table to path; the status line then names the file, or a
    // message box says the write failed (an existing file stays as it was).
    bool saveTo(const QString& path);

private:
    void clicked();

    CanvasWidget* picture_;
    QAction* action_;
    std::string table_;
};

// Builds a table with `build`; a table that cannot be built (a value that is
// not finite) is no table.
template <class Build> std::string tableOrNothing(Build build) {
    try {
        return build();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace sonrel
