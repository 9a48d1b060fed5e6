#pragma once
// The medium window: beams of rays through layers of varying optical
// density, with the experiment's control, result fields, graphs and files.
#include "canvas/canvas_widget.h"
#include "experiments/medium/medium_experiment.h"
#include "experiments/medium/medium_graph.h"
#include "experiments/medium/medium_run.h"
#include "ui/experiment_run_qt.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"

#include <memory>

namespace sonrel {

class PeriodTableExport;

class RunPacer;

class Form3 : public FormBase {
    Q_OBJECT
public:
    QList<QAbstractButton*> startButtons() override { return {Command1}; }
    explicit Form3(AppContext& app);
    // This window's own record: its runs, searches and aims never touch the
    // main window's experiment, which lives in the shared one.
    SharedState& state() override {
        record_.takeConstantsFrom(app().state);
        return record_;
    }

    RasterCanvas& picture() { return Picture1->canvas(); }
    MediumExperiment& experiment() { return run_; }

    CanvasWidget* Picture1; // animation and graphs
    // "Сохранить таблицу CSV…" in the picture's menu: the last run's periods
    PeriodTableExport* tableExport;

    // Bodies
    QLineEdit *Text1, *Text5, *Text3, *Text7; // X1 "56,6", Y1 "50", VX1 "6", VY1 "0"
    QLineEdit *Text2, *Text6, *Text4, *Text8; // X2 "0", Y2 "0", VX2 "10", VY2 "0"
    QLabel *Label68, *Label58, *Label70, *Label2, *Label69, *Label1, *Label71, *Label3;

    // Medium
    QLineEdit* Text23; // Np "100"
    QLabel* Label17;   // "количество слоев среды Np"
    QLineEdit* Text33; // Kp "0,00"
    QLabel* Label21;   // "коэффициент плотности Kp "
    QGroupBox* Frame1; // "изменение плотности по слоям"
    QRadioButton *Option1, *Option2, *Option3, *Option4; // the four density laws
    QPushButton* Command8; // "Показать изменение плотности"

    // Beam
    QLineEdit* Text32;  // "500" rays
    QLabel* Label22;    // "кол-во лучей"
    QLineEdit* Text34;  // "160" cone angle
    QLabel* Label23;    // "угол конуса"
    QLineEdit* Text35;  // "90" mean angle
    QLabel* Label28;    // "средний угол"
    QCheckBox* Check13; // "++ средний луч"
    QCheckBox* Check14; // "+ расчет по Q3"

    // Signal and frame
    QLineEdit* Text12;     // Vs0 "20"
    QLabel* Label18;       // "Vs0, м/с "
    QGroupBox* Frame3;     // "эффект Доплера"
    QRadioButton* Option5; // "классика"
    QRadioButton* Option6; // "СТО"
    QCheckBox* Check7;     // "+ увлечение среды"
    QCheckBox* Check10; // "+ учесть задержку видимого сигнала при Vsv, м/с"
    QLineEdit* Text49; // Vsv "20"

    // Run
    QPushButton* Command1;     // "Начать эксперимент с VXiso, м/с"
    QLineEdit* Text50;         // VXiso "0"
    QLineEdit* Text9;          // dt "1E-3"
    QLabel* Label4;            // "шаг решения уравнений, с"
    QPushButton* Command4;     // "Сделать NC0 шагов при NC0="
    QLineEdit* Text10;         // NC0 "20"
    QPushButton* Command2;     // "Остановить"
    QPushButton* Command3;     // "Продолжить"
    QCheckBox* Check1;         // "Auto"
    QPushButton* Command13;    // "Найти T00, с"
    QLineEdit* Text18;         // T00 "5"
    QCheckBox* Check6;         // "+ анимация"
    QCheckBox* Check5;         // "+ отчет"
    QCheckBox* CheckAllFronts; // "все фронты": every beam in flight on its own
    QLineEdit* Text19;         // scale "5"
    QLabel* Label14;           // "Масштаб, м/см"

    // "фронты после приема": received beams drawn on until they leave the picture
    QCheckBox* CheckKeepFronts;
    // "График частоты": opens the live plot of the received frequency.
    QCheckBox* CheckFrequencyPlot;

    // Results
    QLineEdit *Text22, *Text51, *Text13, *Text14, *Text11, *Text25, *Text20, *Text17, *Text15,
        *Text16, *Text24, *Text26, *Text36, *Text28, *Text30, *Text29, *Text31, *Text39, *Text40,
        *Text41, *Text42, *Text45, *Text46, *Text47, *Text48, *Text37, *Text38, *Text44;
    QLabel *Label5, *Label16, *Label8, *Label9, *Label24, *Label25, *Label15, *Label12, *Label38,
        *Label39, *Label6, *Label10, *Label11, *Label13, *Label34, *Label19, *Label35, *Label27,
        *Label20, *Label29, *Label26, *Label32, *Label33, *Label36, *Label37, *Label30, *Label31,
        *Label7;

    // Graph
    QPushButton* Command14; // "Очистить график по углам  с М(v/v0), ед/см"
    QLineEdit* Text27;      // "0,2"
    QCheckBox* Check11;     // "график по T с MT, с/см"
    QLineEdit* Text43;      // "5"
    QGroupBox* Frame4;      // "графики строить по"
    QRadioButton *Option11, *Option12, *Option13; // "Q3", "Q1 Q2", "Q30"
    QCheckBox* Check8;      // "расчет для графиков по средним"
    QCheckBox* Check9;      // "расчет для графиков при Vs=Vs0"
    QCheckBox* Check2;      // "+T0=0"
    QCheckBox* Check15;     // "+ kTiso= 1"
    QPushButton* Command7;  // "Экспериментальные точки"
    QPushButton* Command18; // "Расчетные"

    // Files and window
    QPushButton* Command6;  // "Сохранить рисунок №"
    QLineEdit* Text21;      // "1"
    QCheckBox* Check3;      // ".txt"
    QPushButton* Command5;  // "Очистить рисунок"
    QPushButton* Command16; // "Выход"
    RunPacer* pacer;        // "Темп" (ComboPace) and the status line (StatusLine)

    QPushButton* CommandFit; // "Вписать опыт"

private:
    // Layout (form3.cpp)
    void buildControls();
    QWidget* buildBodiesAndMedium(QWidget* parent);
    QWidget* buildRun(QWidget* parent);
    QWidget* buildResults(QWidget* parent);
    QWidget* buildGraph(QWidget* parent);
    void wire();

    // Experiment (form3_run.cpp)
    MediumInputs readInputs(bool forSearch) const;
    MediumOptions options() const;
    void startClicked();
    // "Продолжить" (or "NC0 шагов" with exactlyNC0): refused when the run's
    // end turned its velocities into frame velocities.
    void continueClicked(bool exactlyNC0);
    void searchClicked();
    void searchLoop();
    // Refreshes the fields from the run's steps since the last refresh.
    void showStep(const StepOutcome& since);
    void showSearch();
    void showStartFields();

    // Picture, graphs and files (form3_graph.cpp)
    void clearPictureClicked();
    void clearGraphClicked();
    void densityProfileClicked();
    void experimentalPointsClicked();
    void calculatedPointsClicked();
    void saveClicked();
    void pictureClicked(double x, double y);
    GraphSettings graphSettings() const;
    DensityLaw law() const;
    bool askToContinue(const GraphPoint& p, bool calculated);

    SharedState record_;
    MediumExperiment run_;
    MediumRun stepper_{run_};
    std::unique_ptr<ExperimentRun> runner_;
};

} // namespace sonrel
