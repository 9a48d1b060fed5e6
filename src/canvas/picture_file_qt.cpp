#include "canvas/picture_file_qt.h"

#include "app/numbers.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace sonrel {

namespace {

// Writes through a temporary file renamed over the target at the end.
bool writeImage(const QImage& image, const QString& path, const char* format) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QString savePicture(RasterCanvas& canvas, const QString& prefix, const QString& numberText) {
    // The number is taken as typed: with none the file is just prefix + ".bmp".
    if (!numberText.isEmpty() && !isSafeFileNumber(numberText.toStdString())) return {};
    // A current directory that no longer exists has no path: nothing to write into.
    const QString dir = QDir::currentPath();
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) return {};
    const QString path = QDir(dir).filePath(prefix + numberText + ".bmp");
    const QImage image = canvas.logicalImage().convertToFormat(QImage::Format_RGB888);
    return writeImage(image, path, "BMP") ? QDir::cleanPath(path) : QString();
}

QString savePictureAs(RasterCanvas& canvas, const QString& path) {
    if (QFileInfo(path).isRelative() && !QFileInfo(QDir::currentPath()).isDir()) return {};
    QString target = QFileInfo(path).absoluteFilePath();
    const QString suffix = QFileInfo(target).suffix().toLower();
    const bool bmp = suffix == QStringLiteral("bmp");
    if (suffix.isEmpty()) target += QStringLiteral(".png");
    const QImage image = bmp ? canvas.logicalImage().convertToFormat(QImage::Format_RGB888)
                             : canvas.logicalImage().convertToFormat(QImage::Format_RGB32);
    return writeImage(image, target, bmp ? "BMP" : "PNG") ? target : QString();
}

} // namespace sonrel
