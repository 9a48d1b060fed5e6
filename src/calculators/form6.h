#pragma once
// The frame transformation calculator: bodies given in АСО, seen from an
// inertial frame ИСО (and optionally ИСО3 or a body's rest frame), with the
// instantaneous Doppler shift there.
#include "calculators/frame_transform.h"
#include "canvas/canvas_widget.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"

class QGridLayout;

namespace sonrel {

class Form6 : public FormBase {
    Q_OBJECT
public:
    QList<QAbstractButton*> startButtons() override { return {Command1}; }
    explicit Form6(AppContext& app);

    RasterCanvas& picture() { return Picture1->canvas(); }

    QLabel* StatusLine;     // the file a save wrote
    CanvasWidget* Picture1; // scale (−5, 8)–(12, −4)

    // Bodies in АСО
    QLineEdit* Text22; // "X1aso"
    QLineEdit* Text24; // "Y1aso"
    QLineEdit* Text23; // "X2aso"
    QLineEdit* Text25; // "Y2aso"
    QLineEdit* Text14; // "VX1aso"
    QLineEdit* Text18; // "VY1aso"
    QLineEdit* Text15; // "VX2aso"
    QLineEdit* Text19; // "VY2aso"

    QPushButton* Command1; // "Выполнить расчет для VXiso="
    QLineEdit* Text3;      // VXiso
    QLineEdit* Text65;     // "и T=": АСО time
    QCheckBox* Check1; // "по 4-5 в ИСО3 движущейся относительно ИСО с VXiso3 ="
    QLineEdit* Text47; // VXiso3
    QLineEdit* Text8;  // "Vs0"
    QLineEdit* Text57; // "Vs" used in the final frame
    QLineEdit* Text70; // "v0"
    QLineEdit* Text6;  // " ML, м/см"
    QLineEdit* Text35; // " MV, (м/с)/см"

    QGroupBox* Frame3;      // "формула СТО"
    QRadioButton* Option2;  // "нет (классическая формула 2)"
    QRadioButton* Option9;  // "4-1"
    QRadioButton* Option1;  // "4-3"
    QRadioButton* Option10; // "4-5"
    QCheckBox* Check3;      // "+ увлечение среды движущейся ИСО"

    QGroupBox* Frame1; // "запаздывание сигнала источника по координатам"
    QRadioButton* Option3; // "в АСО"
    QRadioButton* Option5; // "в конечной ИСО"
    QRadioButton* Option6; // "не учитывать"
    QLineEdit* Text32;     // "dT"
    QLineEdit* Text33;     // "X2= X2z + VX2*dT"
    QLineEdit* Text36;     // "Y2= Y2z + VY2*dT"
    QLineEdit* Text37;     // "T2iso"

    QGroupBox* Frame2; // "для СТО согласовать в ИСО координаты по времени при t1aso=t2aso"
    QRadioButton* Option7;                        // "источника"
    QRadioButton* Option8;                        // "приемника"
    QRadioButton* Option11;                       // "начала координат"
    QRadioButton* Option12;                       // "не делать"
    QLineEdit *Text40, *Text41, *Text42;          // t1iso, t2iso, dt
    QLineEdit *Text45, *Text43, *Text46, *Text44; // X1iso, X2iso, Y1iso, Y2iso
    QLineEdit *Text38, *Text39;                   // T1iso, T2iso

    QGroupBox* Frame4; // "+согласование координат по времени в ИСО1, 2 или 3 при T1iso и T2iso"
    QLineEdit *Text50, *Text51, *Text52, *Text59; // t1iso123, t2iso123, dt, VXiso
    QLineEdit *Text55, *Text53, *Text56, *Text54; // X1, X2, Y1, Y2
    QLineEdit *Text48, *Text49;                   // T1iso, T2iso

    // Results in the final frame (and the АСО speeds and angles)
    QLineEdit *Text26, *Text28, *Text27, *Text29; // X1iso, Y1iso, X2iso, Y2iso
    QLineEdit *Text16, *Text20, *Text17, *Text21; // VX1iso, VY1iso, VX2iso, VY2iso
    QLineEdit *Text1, *Text2, *Text4, *Text5;     // V1aso, V2aso, V1iso, V2iso
    QLineEdit *Text9, *Text10, *Text11, *Text12;  // Q1aso, Q2aso, Q1iso, Q2iso
    QLineEdit* Text30; // "угол луча зрения Q3aso" (also the angle of Command7)
    QLineEdit* Text31; // "угол луча зрения Q3iso"
    QLineEdit* Text58; // signal direction in ИСО when the medium rests in АСО
    QLineEdit* Text13; // "Q12iso"
    QLineEdit* Text34; // "V12iso"
    QLineEdit* Text69; // "v"
    QLineEdit* Text68; // "v/v0"

    QCheckBox* Check2;     // "+ рисовать координаты и скорости в aso"
    QPushButton* Command7; // "Выполнить расчет по формулам (2) или (4-5) при заданных ..."
    QPushButton* Command3; // "Очистить рисунок"
    QPushButton* Command4; // "Показать расчетную схему с обозначениями"
    QPushButton* Command5; // "Сохранить рисунок №"
    QLineEdit* Text60;     // picture number
    QPushButton* Command2; // "Закрыть форму"

private:
    void calculate();
    void quickCalculation();
    void clearPicture();
    void savePictureClicked();

    FrameInputs readInputs() const;
    FrameFormula formula() const;
    void showSteps(const FrameResult& r);
    void showResults(const FrameResult& r);

    void buildControls();
    QWidget* buildInputs(QWidget* parent);
    QWidget* buildChoices(QWidget* parent);
    QWidget* buildResults(QWidget* parent);
    QWidget* buildTimeFrames(QWidget* parent);
    QLabel* label(QWidget* parent, const QString& caption);

    int labelCount_ = 0;
    double lastV_ = 0; // the last calculated frequency, kept for Command7's rest-frame choices
};

} // namespace sonrel
