#pragma once
// The comparison window: one Doppler experiment modelled in АСО or ИСО with
// classical, СТО or СТО+ kinematics, its picture, fields and buttons.
#include "canvas/canvas_widget.h"
#include "experiments/relativity/graph_points.h"
#include "experiments/relativity/model.h"
#include "experiments/relativity/relativity_run.h"
#include "experiments/relativity/t00_search.h"
#include "ui/experiment_run_qt.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"
#include <memory>

namespace sonrel {

class PeriodTableExport;

class RunPacer;

class Form9 : public FormBase {
    Q_OBJECT
public:
    QList<QAbstractButton*> startButtons() override { return {Command1}; }
    explicit Form9(AppContext& app);
    // This window's own record: its runs, searches and aims never touch the
    // main window's experiment, which lives in the shared one.
    SharedState& state() override {
        record_.takeConstantsFrom(app().state);
        return record_;
    }

    RasterCanvas& picture() { return Picture1->canvas(); }
    relativity::Model& model() { return model_; }

    CanvasWidget* Picture1; // animation, v/v0 graphs and x=f(t')
    // "Сохранить таблицу CSV…" in the picture's menu: the last run's periods
    PeriodTableExport* tableExport;

    // Initial state
    QLineEdit* Text1; // "X1" receiver start point
    QLineEdit* Text5; // "Y1"
    QLineEdit* Text3; // "VX1"
    QLineEdit* Text7; // "VY1"
    QLineEdit* Text2; // "X2" source start point
    QLineEdit* Text6; // "Y2"
    QLineEdit* Text4; // "VX2"
    QLineEdit* Text8; // "VY2"
    // Signal, beam and step
    QLineEdit* Text12; // " Vs0, м/с "
    QLineEdit* Text32; // "кол-во лучей"
    QLineEdit* Text35; // "средний угол"
    QLineEdit* Text34; // "угол конуса"
    QLineEdit* Text9;  // "шаг решения, с"
    QLineEdit* Text18; // T00, after "Найти T00, с"
    QLineEdit* Text50; // VXiso, after "Начать эксперимент с VXiso, м/с"
    QLineEdit* Text49; // VXiso3, after "+"
    QLineEdit* Text10; // NC0, after "NC0 шагов при NC0 ="
    QLineEdit* Text74; // Niter, between "после" and "итераций dt="
    QLineEdit* Text19; // "Масштаб, м/см"
    QLineEdit* Text27; // M(v/v0), after "Очистить график с М(v/v0), ед/см="
    QLineEdit* Text43; // MT, after "по T с MT, с/см"
    QLineEdit* Text21; // picture and data-table number, after "Сохранить рисунок №"

    // Values in ИСО
    QLineEdit *Text28, *Text29, *Text30, *Text31; // "X1iso", "X2iso", "Y1iso", "Y2iso"
    QLineEdit *Text11, *Text25, *Text15, *Text16; // "VX1iso", "VX2iso", "VY1iso", "VY2iso"
    QLineEdit *Text13, *Text14;                   // "угол QV1", "угол QV2"
    QLineEdit *Text72, *Text60, *Text61, *Text62,
        *Text52;                                  // "kT00" "kTiso" "kT1iso" "kT2iso" "kT2aso"
    QLineEdit* Text17;                            // "Taso, Tiso"
    QLineEdit* Text20;                            // "№ периода"
    QLineEdit *Text26, *Text36, *Text39, *Text40; // "Qn3", "Qk3", "Qn1", "Qk1"
    QLineEdit *Text45, *Text46;                   // "Vs1n", "Vs1k"
    QLineEdit *Text37, *Text38, *Text44;          // "vn", "vk", "vsr= (vn+vk)/2="
    QLineEdit *Text23, *Text24;                   // "v=1 / (Tk1-Tn1)=", "/ kT1="
    QLineEdit *Text41, *Text42;                   // " Tn1", " Tk1"
    QLineEdit *Text22, *Text54;                   // " T002=T00*kT2 =", "v0=1/T002="
    QLineEdit* Text33;                            // "v/v0="
    QLineEdit *Text47, *Text48; // after "+ расчет в АСО", "+ расчет в ИСО"
    QLineEdit* Text55;          // after "+ T00 из ИСО": measured source period
    QLineEdit* Text71;          // after "+T0=": T0
    QLineEdit* Text75;          // after "итераций dt=": T1 - T2

    QCheckBox* Check1;  // "Auto"
    QCheckBox* Check14; // "+ Stop"
    QCheckBox* Check6;  // "+ анимация"
    QCheckBox* Check5;  // "+ отчет"
    // "График частоты": opens the live plot of the received frequency.
    QCheckBox* CheckFrequencyPlot;
    QCheckBox* Check7;  // "+ видимые в АСО"
    QCheckBox* Check15; // "+ фронт"
    QCheckBox* Check13; // "+график x=f(t')"
    QCheckBox* Check10; // "t'= t*kTiso"
    QCheckBox* Check20; // "t'=t"
    QCheckBox* Check8;  // "+" (VXiso3)
    QCheckBox* Check17; // "++T2=T1"
    QCheckBox* Check19; // "+Т2=T1"
    QCheckBox* Check12; // "++Tn2= f(T1)"
    QCheckBox* Check9;  // "+ расчет в АСО"
    QCheckBox* Check16; // "+ расчет в ИСО"
    QCheckBox* Check4;  // "+ T00 из ИСО"
    QCheckBox* Check21; // "+КТО"
    QCheckBox* Check18; // "+вид "
    QCheckBox* Check11; // "по T с MT, с/см"
    QCheckBox* Check2;  // "+T0="
    QCheckBox* Check3;  // ".txt"

    // "все фронты": every period's beam in flight at once, each received on its own
    QCheckBox* CheckAllFronts;
    QCheckBox* CheckKeepFronts; // "фронты после приема": received beams drawn on

    QGroupBox* Frame1;      // "моделировать в"
    QRadioButton* Option2;  // "ИСО"
    QRadioButton* Option1;  // "АСО"
    QGroupBox* Frame3;      // "эффект Доплера"
    QRadioButton* Option5;  // "классика"
    QRadioButton* Option6;  // "СТО"
    QRadioButton* Option7;  // "СТО+"
    QGroupBox* Frame4;      // "графики по"
    QRadioButton* Option11; // "Q3"
    QRadioButton* Option13; // "Q30"
    QGroupBox* Frame2;      // "графики по T= T / kT"
    QRadioButton* Option3;  // "1"
    QRadioButton* Option4;  // "kT00"
    QRadioButton* Option8;  // "kTiso"

    QPushButton* Command1;  // "Начать эксперимент с VXiso, м/с"
    QPushButton* Command2;  // "Остановить"
    QPushButton* Command3;  // "Продолжить"
    QPushButton* Command4;  // "NC0 шагов при NC0 ="
    QPushButton* Command6;  // "Сохранить рисунок №"
    QPushButton* Command13; // "Найти T00, с"
    QPushButton* Command14; // "Очистить график с М(v/v0), ед/см="
    QPushButton* Command7;  // "Экспериментальные точки"
    QPushButton* Command18; // "Расчетные точки"
    QPushButton* Command5;  // "Очистить рисунок"
    QPushButton* Command10; // "X=X0"
    QPushButton* Command11; // "X=Xiso"
    QPushButton* Command9;  // "VX1 и VX2"
    QPushButton* Command8;  // "Среда"
    QPushButton* Command16; // "Выход"
    RunPacer* pacer;        // "Темп" (ComboPace) and the status line (StatusLine)

    QPushButton* CommandFit; // "Вписать опыт"

private:
    // Layout (form9_layout.cpp)
    void buildControls();
    QWidget* buildInitialState(QWidget* parent);
    QWidget* buildIsoValues(QWidget* parent);
    QWidget* buildPeriodValues(QWidget* parent);
    QWidget* buildRunControls(QWidget* parent);
    QWidget* buildOptions(QWidget* parent);
    QWidget* buildGraphControls(QWidget* parent);
    void wire();

    // Small handlers (form9.cpp)
    void restoreDefaults();
    void copyIsoState();
    void velocitiesBackToAso();
    void thirdFrameToggled(bool on);
    void reportToggled(bool on);
    void clearPicture();
    void markPoint(double x, double y);

    // Runs (form9_run.cpp)
    relativity::Options readOptions() const;
    void applyOptions(const relativity::Options& o);
    void readBodies(relativity::Inputs& in) const;
    void startClicked();
    void showStep(const StepOutcome& since);
    void showStart();
    void showIsoState();
    void printReportHeader();
    void findT00Clicked();

    // Graphs and files (form9_graphs.cpp)
    void clearGraphClicked();
    void observedPointsClicked();
    void theoryPointsClicked();
    void saveClicked();
    bool showPoint(const relativity::GraphPoint& p);

    SharedState record_;
    relativity::Model model_;
    relativity::T00Search search_{model_};
    relativity::RelativityRun run_{model_};
    std::unique_ptr<ExperimentRun> runner_;
};

} // namespace sonrel
