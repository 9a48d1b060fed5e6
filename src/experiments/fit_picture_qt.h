#pragma once
// The "Вписать опыт" button of an experiment window: reads the bodies, the
// signal speed and the period from the window's fields, fits the picture to
// the run they describe and writes the new scale into the scale field.
#include "experiments/fit_picture.h"

#include <functional>

class QPushButton;
class QWidget;

namespace sonrel {

class FormBase;

struct FitButtonSetup {
    PictureRect picture;     // the animation's user rectangle at the design's origin
    bool originFixed = true; // the window's picture cannot move over the model
    // Metres each body takes beyond its centre (a membrane), from its fields.
    std::function<double()> pad;
    // The window's own reading of the motion (typed places at another time,
    // its run mode), after the common fields have been read.
    std::function<void(FitMotion&)> adjust;
    // The fit has been found and its scale written: the window takes it on.
    std::function<void(const PictureFit&)> applied;
};

// Makes the button (objectName CommandFit) in `parent`. A press while a run
// goes does nothing; otherwise the fields X1 Text1, Y1 Text5, VX1 Text3,
// VY1 Text7, X2 Text2, Y2 Text6, VX2 Text4, VY2 Text8, the signal speed
// Text12, T00 Text18 and the scale Text19 are read, and the fit's scale is
// written into Text19. Unreadable fields or a motion that cannot be drawn
// are told in the window's usual message boxes (a window's own fields read
// by `pad` or `adjust` may throw InputError too); nothing changes then.
QPushButton* makeFitButton(FormBase& form, QWidget* parent, FitButtonSetup setup);

} // namespace sonrel
