#pragma once
// The rod window: coordinate time and visible positions of a rod's two ends
// for an observer on the X axis, and their alignment to one time.
#include "calculators/rod_time.h"
#include "canvas/canvas_widget.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"

namespace sonrel {

class Form10 : public FormBase {
    Q_OBJECT
public:
    QList<QAbstractButton*> startButtons() override { return {Command13}; }
    explicit Form10(AppContext& app);

    RasterCanvas& picture() { return Picture1->canvas(); }

    CanvasWidget* Picture1;

    // The rod and the observer
    QLineEdit* Text1;       // "X1" end 1 X
    QLineEdit* Text3;       // "Y1"
    QLineEdit* Text2;       // "X2" end 2 X
    QLineEdit* Text4;       // "Y2"
    QLineEdit* Text10;      // "VX1"
    QLineEdit* Text17;      // "VX2"
    QLineEdit* Text6;       // "Xn (наблюдателя)"
    QPushButton* Command13; // "Рассчитать координатное время при VXiso="
    QLineEdit* Text9;       // VXiso
    QLineEdit* Text32;      // "и Vs, м/с"
    QLineEdit* Text19;      // "Масштаб, м/см"
    QLineEdit* Text24;      // "к-во итераций"
    QGroupBox* Frame1;      // "теория"
    QRadioButton* Option1; // "Классика в АСО"
    QRadioButton* Option2; // "Классика в ИСО"
    QRadioButton* Option3; // "СТО"
    QRadioButton* Option4; // "СТО+"
    QLineEdit* Text5;      // "sqrt(1- (VXiso/Vs)^2)"

    // As seen in the chosen theory
    QLineEdit* Text7;  // "X1" visible position of end 1
    QLineEdit* Text8;  // "X2"
    QLineEdit* Text27; // "T1" reception time of end 1
    QLineEdit* Text28; // "T2"
    QLineEdit* Text18; // "VX1"
    QLineEdit* Text20; // "VX2"
    QLineEdit* Text15; // "Xn1"
    QLineEdit* Text16; // "Xn2"
    QLineEdit* Text31; // "X2-X1="

    // Alignment
    QPushButton* Command1; // "Согласовать время по"
    QGroupBox* Frame2;     // T1 / T2
    QRadioButton* Option8; // "T1"
    QRadioButton* Option9; // "T2"
    QLineEdit* Text11;     // "X1=X1+VX1*dt1"
    QLineEdit* Text12;     // "X2=X2+VX2*dt2"
    QLineEdit* Text22;     // "dt1"
    QLineEdit* Text23;     // "dt2"
    QLineEdit* Text25;     // "R1/Vs"
    QLineEdit* Text26;     // "R2/Vs"
    QLineEdit* Text13;     // "+dt1="
    QLineEdit* Text14;     // "+dt2="

    QPushButton* Command5;  // "Очистить рисунок"
    QPushButton* Command6;  // "Сохранить рисунок №"
    QLabel* StatusLine;     // the file a save wrote
    QLineEdit* Text21;      // picture number
    QPushButton* Command16; // "Закрыть форму"

private:
    void buildControls();
    QWidget* buildRodColumn(QWidget* parent);
    QWidget* buildSeenColumn(QWidget* parent);
    QWidget* buildAlignColumn(QWidget* parent);
    RodTheory theory() const;

    void calculateClicked();
    void alignClicked();
    void calculationFailed();
    void alignmentFailed();
    void clearAlignment();
    void clearPicture();
    void savePictureClicked();

    RodModel model_;
    bool resultsShown_ = false;   // the fields show a calculation's results
    bool alignmentShown_ = false; // the fields show an alignment's results
};

} // namespace sonrel
