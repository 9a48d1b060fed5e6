#include "canvas/period_table_export_qt.h"

#include "canvas/canvas_widget.h"
#include "canvas/export_qt.h"
#include "ui/message_box_qt.h"

#include <QAction>
#include <QFileInfo>

namespace sonrel {

PeriodTableExport::PeriodTableExport(CanvasWidget* picture) : QObject(picture), picture_(picture) {
    action_ = new QAction(ExportTexts::saveTable(), picture);
    action_->setObjectName(QStringLiteral("actionSaveTable"));
    action_->setEnabled(false);
    connect(action_, &QAction::triggered, this, &PeriodTableExport::clicked);
    picture->addAction(action_);
}

void PeriodTableExport::setTable(std::string csv) {
    table_ = std::move(csv);
    action_->setEnabled(!table_.empty());
}

void PeriodTableExport::clicked() {
    if (table_.empty()) return;
    const QString path =
        askFileToSave(picture_, ExportTexts::saveTable(), ExportTexts::tableFilters());
    if (!path.isEmpty()) saveTo(withDefaultSuffix(path, QStringLiteral(".csv")));
}

bool PeriodTableExport::saveTo(const QString& path) {
    const bool ok = writeFileAtomically(path, QByteArray::fromStdString(table_));
    tellSaved(picture_,
              ok ? ExportTexts::tableSaved(QFileInfo(path).absoluteFilePath()) : QString(),
              kFileWriteError);
    return ok;
}

} // namespace sonrel
