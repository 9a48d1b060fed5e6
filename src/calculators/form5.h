#pragma once
// The auxiliary-calculations window: laser frequencies for an ion beam, the
// beam speed search, ion energy, mass and speed, the speed from a measured
// shift, and the graph of dv/v against speed in a scrollable frame.
#include "calculators/aux_calc.h"
#include "calculators/shift_graph.h"
#include "canvas/canvas_widget.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"

#include <functional>

namespace sonrel {

class Form5 : public FormBase {
    Q_OBJECT
public:
    QList<QAbstractButton*> startButtons() override { return {Command1}; }
    explicit Form5(AppContext& app);

    RasterCanvas& graph() { return Picture4->canvas(); }
    const BeamSpeedSearch& beamSearch() const { return search_; }

    // Laser frequencies and the beam speed search
    QLineEdit* Text9;      // "v0, ТГц"
    QPushButton* Command4; // "Рассчитать по (4-1) частоты лазеров для скорости пучка ионов 7Li+="
    QLineEdit* Text10;     // "V7Li+=" beam speed / c
    QLineEdit* Text11;     // "vp, ТГц"
    QLineEdit* Text12;     // "va, ТГц"
    QPushButton* Command5; // "Найти по частотам лазеров скорость пучка по формуле (2), ..."
    QCheckBox* Check2; // "+ при поиске использовать экспериментальные va и vp ..."

    // Ions
    QPushButton* Command6; // "E, кэВ = m * V^2 / 2 ="
    QLineEdit* Text14;     // E, keV
    QPushButton* Command7; // "m, кг = 2 * E / V^2 ="
    QLineEdit* Text15;     // m, kg
    QPushButton* Command8; // "V = sqrt( 2 * E / m ) ="
    QLineEdit* Text16;     // V / c

    // Speed from a shift
    QLineEdit* Text17;     // "L0, нм / v0, ТГц"
    QLineEdit* Text18;     // "dL, нм / dv, ТГц"
    QLineEdit* Text19;     // "Alfa, град"
    QGroupBox* Frame3;     // wavelengths or frequencies
    QRadioButton* Option6; // "L0, dL"
    QRadioButton* Option7; // "v0, dv"
    QGroupBox* Frame4;     // "движется"
    QRadioButton* Option8; // "источник"
    QRadioButton* Option9; // "приемник"
    QPushButton* Command9; // "Рассчитать скорость по (2) при заданном угле наблюдения"
    QLineEdit* Text20;     // "скорость V / Vsv"
    QPushButton* Command11; // "Эксперименты Кауфмана"
    QPushButton* Command10; // "Закрыть"

    // The dv/v graph
    QWidget* Picture2;      // frame in which the graph picture is shown
    CanvasWidget* Picture4; // the graph picture, may be larger than its frame
    QScrollBar* VScroll1;
    QScrollBar* HScroll1;
    QLineEdit* Text1;       // "Vmax, м/с"
    QLineEdit* Text3;       // "MV, (м/с)/см"
    QLineEdit* Text2;       // "dv/v max"
    QLineEdit* Text4;       // "Mdv/v, ед/см"
    QGroupBox* Frame1;      // "теория"
    QRadioButton* Option1;  // "СТО="
    QLineEdit* Text5;       // K of K·b^2
    QLabel* Label7;         // " * b^2"
    QLabel* StatusLine;     // the file a save wrote
    QRadioButton* Option2;  // "Классика"
    QRadioButton* Option5;  // "СТО точно"
    QGroupBox* Frame2;      // "движется"
    QRadioButton* Option3;  // "поглотитель"
    QRadioButton* Option4;  // "излучатель"
    QPushButton* Command1;  // "Построить график dv/v"
    QPushButton* Command3;  // "Поставить на график точку"
    QLineEdit* Text7;       // "V, м/с"
    QLineEdit* Text8;       // "dv/v"
    QPushButton* Command2;  // "Сохранить рисунок №"
    QLineEdit* Text6;       // picture number
    QPushButton* Command16; // "Очистить рисунок"

private:
    QWidget* buildCalculations(QWidget* parent);
    QWidget* buildGraph(QWidget* parent);
    QWidget* buildGraphControls(QWidget* parent);
    // Runs a handler: a field without a number shows "Введите правильно
    // данные", an arithmetic failure the given message.
    void guarded(const QString& failure, const std::function<void()>& body);
    void resizeGraph(double widthCm, double heightCm);

    void clearGraph();
    void drawCurve();
    void drawPoint();
    void saveGraph();
    void scrollVertical(int value);
    void scrollHorizontal(int value);
    void laserFrequencies();
    void searchBeamSpeed();
    void ionEnergy();
    void ionMassClicked();
    void ionSpeedClicked();
    void speedFromShiftClicked();

    ShiftGeometry geometry_;
    BeamSpeedSearch search_;
};

} // namespace sonrel
