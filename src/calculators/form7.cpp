#include "calculators/form7.h"

#include "calculators/frame_scheme.h"

#include <QVBoxLayout>

namespace sonrel {

Form7::Form7(AppContext& app) : FormBase(app, 7) {
    setWindowTitle(tr("ASO_ISO  Схема   Sonrel6   Form7"));
    Picture1 = new CanvasWidget("Picture1", kSchemeWidth, kSchemeHeight, this);
    Picture1->canvas().setFontPixelSize(12);
    drawFrameScheme(Picture1->canvas());
    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(Picture1);
    setFixedSize(kSchemeWidth, kSchemeHeight);
}

FormFactory form7Factory() {
    return {[](AppContext& a) -> FormBase* { return new Form7(a); }};
}

} // namespace sonrel
