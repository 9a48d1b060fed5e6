#pragma once
// The main window: the classical wave-front experiment, the theory formulas
// and graphs, and the buttons that open the other windows.
#include "canvas/canvas_widget.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"

#include <memory>

namespace sonrel {

class ClassicController;
struct FitButtonSetup;
class ClassicRun;
class PeriodTableExport;
class RunPacer;
class TheoryController;

class Form1 : public FormBase {
    Q_OBJECT
public:
    QList<QAbstractButton*> startButtons() override { return {Command13, Command1}; }
    explicit Form1(AppContext& app);
    ~Form1() override;

    RasterCanvas& picture() { return Picture1->canvas(); }
    // "Очистить рисунок": clear the picture and draw the animation grid.
    void clearPicture();
    // The experiment of the last "2-Начать эксперимент", with its all-fronts record.
    const ClassicRun& classicRun() const;

    CanvasWidget* Picture1; // animation canvas and graph
    // "Сохранить таблицу CSV…" in the picture's menu: the last run's periods
    PeriodTableExport* tableExport;

    // Bodies
    QLabel *Label68, *Label69, *Label58, *Label1, *Label70, *Label71, *Label2, *Label3;
    QLineEdit* Text1; // "X1n" receiver X at T = T00
    QLineEdit* Text2; // "X2n" source X at T = T00
    QLineEdit* Text5; // "Y1n"
    QLineEdit* Text6; // "Y2n"
    QLineEdit* Text3; // "VX1"
    QLineEdit* Text4; // "VX2"
    QLineEdit* Text7; // "VY1"
    QLineEdit* Text8; // "VY2"
    QLabel *Label8, *Label9, *Label10, *Label11;
    QLineEdit* Text13; // "X1=" receiver X now
    QLineEdit* Text14; // "X2=" source X now
    QLineEdit* Text15; // "Y1="
    QLineEdit* Text16; // "Y2="

    // Signal, period and time
    QLabel* Label18;        // "скорость сигнала Vs, м/с "
    QLineEdit* Text12;      // Vs
    QLabel* Label7;         // " R="
    QLineEdit* Text11;      // distance emission point - receiver
    QPushButton* Command13; // "1-Задать T00, с"
    QLineEdit* Text18;      // T00
    QLabel* Label6;         // " v0, 1/c="
    QLineEdit* Text24;      // v0
    QLabel* Label12;        // "T, с="
    QLineEdit* Text17;      // model time
    QLabel* Label4;         // " шаг решения, с"
    QLineEdit* Text9;       // dt

    // Experiment control and picture
    QPushButton* Command1; // "2-Начать эксперимент"
    QCheckBox* Check1;     // "Auto"

    // "все фронты": every front in flight, the mode chosen at the start of a run
    QCheckBox* CheckAllFronts;
    // "фронты после приема": received fronts are drawn on until they leave the picture
    QCheckBox* CheckKeepFronts;
    // "График частоты": opens the live plot of the received frequency.
    QCheckBox* CheckFrequencyPlot;

    QPushButton* Command2; // "Остановить"
    QPushButton* Command3; // "Продолжить"
    QPushButton* Command4; // "NC0 шагов="
    QLineEdit* Text10;     // NC0
    QCheckBox* Check9;     // "+ текст"
    QCheckBox* Check5;     // "+ отчет"
    QLabel* Label14;       // "Масштаб рисунка, м/см"
    QLineEdit* Text19;     // picture scale
    QPushButton* Command5; // "Очистить рисунок"
    QPushButton* Command6; // "Сохранить в файл рисунок с №"
    QLineEdit* Text21;     // picture number
    RunPacer* pacer;       // "Темп" (ComboPace) and the status line (StatusLine)

    QPushButton* CommandFit; // "Вписать опыт"

    // Theory formulas and graphs
    QGroupBox* Frame1; // "теоретические расчеты по выбранной формуле ..."
    QGroupBox* Frame4;      // "Вельт"
    QGroupBox* Frame3;      // argument of the sweep
    QRadioButton* Option1;  // "СТО"
    QRadioButton* Option2;  // "Вельт (3)"
    QRadioButton* Option3;  // "Лоренц (2)"
    QRadioButton* Option4;  // "КТО (4-4) v=v0*( 1-V12/Vs)"
    QRadioButton* Option11; // "3-1"
    QRadioButton* Option12; // "3-2"
    QRadioButton* Option6;  // "VX1"
    QRadioButton* Option7;  // "VX2"
    QRadioButton* Option8;  // "Q при заданных VX1 и VX2"
    QCheckBox* Check2;      // "(4-2) v=v0*G/(1-V12'/Vs)"
    QCheckBox* Check3;      // "(4-1) v=v0*(1-V12'/Vs)/G"
    QCheckBox* Check6;      // "(4-3) v=v0*G/(1+V12'/Vs)"
    QCheckBox* Check8;      // "v(4-5)=v(2)*G2/G1"
    QCheckBox* Check7;      // "L/L0"
    QCheckBox* Check11;     // "учесть запаздывание по координатам"
    QCheckBox* Check13;     // "для (3) точный расчет поправок dv1 и dv2"
    QLabel* Label16;        // "v0(L0)"
    QLineEdit* Text29;
    QLabel* Label17; // "dv (dL)"
    QLineEdit* Text23;
    QLabel* Label13; // "X, V/Vs"
    QLineEdit* Text25;
    QLabel* Label19; // "Y, v/v0"
    QLineEdit* Text26;
    QLabel* Label20; // "Масштаб графика v/v0, ед/см"
    QLineEdit* Text27;
    QLineEdit* Text28; // angle Q beside Command17
    QPushButton* Command18; // "Расчет по координатам и скоростям с нахождением Q"
    QPushButton* Command17; // "Расчет по V1, V2 или V12 = X при заданном Q="
    QPushButton* Command12; // "Построить график в функции от"
    QPushButton* Command7;  // "На график экспериментальные точки"
    QPushButton* Command15; // "Поставить точку по X Y"
    QPushButton* Command14; // "Очистить график"

    // Navigation
    QPushButton* Command20; // "СТО" -> Form10
    QPushButton* Command11; // "АСО -> ИСО" -> Form6
    QPushButton* Command10; // "АСО или ИСО" -> Form9
    QPushButton* Command19; // "Мембраны" -> Form8
    QPushButton* Command9;  // "Калькулятор" -> Form5
    QPushButton* Command8;  // "About" -> Form2
    QPushButton* Command16; // "Выход"

protected:
    // The main window leads to every other window: closing it ends the
    // program as "Выход" does.
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls();
    QWidget* buildBodies(QWidget* parent);
    QWidget* buildSignal(QWidget* parent);
    QWidget* buildControl(QWidget* parent);
    // "Вписать опыт": the animation picture moves and scales to the typed run.
    FitButtonSetup fitSetup();
    QWidget* buildTheory(QWidget* parent);
    QWidget* buildNavigation(QWidget* parent);
    void wireNavigation();
    void savePictureClicked();
    void reportToggled();

    std::unique_ptr<ClassicController> classic_;
    std::unique_ptr<TheoryController> theory_;
};

} // namespace sonrel
