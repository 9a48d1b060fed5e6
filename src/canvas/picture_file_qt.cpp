#include "canvas/picture_file_qt.h"

#include "base/numbers.h"
#include "canvas/export_qt.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <cmath>

namespace sonrel {

namespace {

// Encodes the whole file first, then writes it as every result file is
// written: through a temporary file renamed over the target at the end.
bool writeImage(const QImage& image, const QString& path, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return false;
    buffer.close();
    return writeFileAtomically(path, bytes);
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

QString savePictureAs(RasterCanvas& canvas, const QString& path, int heightPx, bool atScreenSize) {
    if (QFileInfo(path).isRelative() && !QFileInfo(QDir::currentPath()).isDir()) return {};
    QString target = QFileInfo(path).absoluteFilePath();
    const QString suffix = QFileInfo(target).suffix().toLower();
    const bool bmp = suffix == QStringLiteral("bmp");
    if (suffix.isEmpty()) target += QStringLiteral(".png");
    QImage whole = atScreenSize ? canvas.screenImage() : canvas.logicalImage();
    const double k = double(whole.height()) / canvas.heightPx();
    if (heightPx > 0 && heightPx < canvas.heightPx())
        whole = whole.copy(0, 0, whole.width(), static_cast<int>(std::lround(heightPx * k)));
    const QImage image = whole.convertToFormat(bmp ? QImage::Format_RGB888 : QImage::Format_RGB32);
    return writeImage(image, target, bmp ? "BMP" : "PNG") ? target : QString();
}

} // namespace sonrel
