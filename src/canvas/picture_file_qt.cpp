#include "canvas/picture_file_qt.h"

#include "app/numbers.h"

#include <QDir>
#include <QImageWriter>
#include <QSaveFile>

namespace sonrel {

bool savePicture(RasterCanvas& canvas, const QString& prefix, const QString& numberText) {
    // The number is taken as typed: with none the file is just prefix + ".bmp".
    if (!numberText.isEmpty() && !isSafeFileNumber(numberText.toStdString())) return false;
    const QString path = QDir::current().filePath(prefix + numberText + ".bmp");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, "BMP");
    if (!writer.write(canvas.logicalImage().convertToFormat(QImage::Format_RGB888))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace sonrel
