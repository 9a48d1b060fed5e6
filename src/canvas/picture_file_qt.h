#pragma once
#include "canvas/raster_canvas_qt.h"

#include <QString>

namespace sonrel {

// Writes the canvas's persistent image as a 24-bit BMP named
// prefix + numberText + ".bmp" in the current directory, replacing an existing
// file; an empty numberText gives prefix + ".bmp". Returns false, writing
// nothing, when numberText cannot be part of a file name or the file cannot be
// written.
bool savePicture(RasterCanvas& canvas, const QString& prefix, const QString& numberText);

} // namespace sonrel
