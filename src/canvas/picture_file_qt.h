#pragma once
#include "canvas/raster_canvas_qt.h"

#include <QString>

namespace sonrel {

// Writes the canvas's persistent image as a 24-bit BMP named
// prefix + numberText + ".bmp" in the current directory, replacing an existing
// file; an empty numberText gives prefix + ".bmp". Returns the absolute path
// written, or an empty string, writing nothing, when numberText cannot be
// part of a file name or the file cannot be written.
QString savePicture(RasterCanvas& canvas, const QString& prefix, const QString& numberText);

// Writes the canvas's persistent image at its logical pixel size to path:
// BMP when the name ends in ".bmp", otherwise PNG, with ".png" appended to a
// name without a suffix. Returns the absolute path written, or an empty
// string when the file could not be written (an existing file then stays).
// A heightPx between 1 and the picture's height keeps only its top rows.
// atScreenSize writes the picture as shown instead, zoomed and at the
// screen's density (heightPx then counts logical pixels too).
QString savePictureAs(RasterCanvas& canvas, const QString& path, int heightPx = 0,
                      bool atScreenSize = false);

} // namespace sonrel
