#pragma once
class QApplication;

namespace sonrel {
// Russian texts for Qt's own buttons, the Cyrillic font, the decimal comma locale.
void setUpApplication(QApplication& app);
} // namespace sonrel
