#pragma once
// The membrane window: plane fronts from a tilted source membrane received
// by a flat receiver membrane, the mirror variant, the report and the graph.
#include "canvas/canvas_widget.h"
#include "experiments/membrane/membrane_model.h"
#include "experiments/membrane/membrane_run.h"
#include "ui/experiment_run_qt.h"
#include "ui/fields_qt.h"
#include "ui/form_base_window.h"

#include <memory>

class QBoxLayout;

namespace sonrel {

class PeriodTableExport;

class RunPacer;

class Form8 : public FormBase {
    Q_OBJECT
public:
    QList<QAbstractButton*> startButtons() override { return {Command13, Command1}; }
    explicit Form8(AppContext& app);
    // This window's own record: its runs, searches and aims never touch the
    // main window's experiment, which lives in the shared one.
    SharedState& state() override {
        record_.takeConstantsFrom(app().state);
        return record_;
    }

    RasterCanvas& picture() { return Picture1->canvas(); }
    MembraneModel& model() { return model_; }

    CanvasWidget* Picture1; // animation and graph
    // "Сохранить таблицу CSV…" in the picture's menu: the last run's periods
    PeriodTableExport* tableExport;

    // Bodies: start values and present positions
    QLineEdit* Text1;  // "X1n"
    QLineEdit* Text2;  // "X2n"
    QLineEdit* Text5;  // "Y1n"
    QLineEdit* Text6;  // "Y2n"
    QLineEdit* Text3;  // "VX1"
    QLineEdit* Text4;  // "VX2"
    QLineEdit* Text7;  // "VY1"
    QLineEdit* Text8;  // "VY2"
    QLineEdit* Text13; // "X1="
    QLineEdit* Text14; // "X2="
    QLineEdit* Text15; // "Y1="
    QLineEdit* Text16; // "Y2="
    QLineEdit* Text17; // " T, с"

    // Signal and membranes
    QLineEdit* Text18;      // "T00, c"
    QLineEdit* Text12;      // "Vs, м/с "
    QLineEdit* Text11;      // "v0=1/T00"
    QLineEdit* Text25;      // "L1, м"
    QLineEdit* Text26;      // "L2, м"
    QLineEdit* Text22;      // "А1, град"
    QLineEdit* Text23;      // "А2, град"
    QPushButton* Command13; // "1-Рассчитать угол А2"
    QPushButton* Command1;  // "2-Начать эксперимент"
    QCheckBox* Check3;      // "+ A1=A2"
    QCheckBox* Check2;      // "+ изменять A2"
    QCheckBox* Check4;      // "++ изменять A1=A2"
    QGroupBox* Frame2;      // variant
    QRadioButton* Option1;  // "зеркало"
    QRadioButton* Option5;  // "мембрана"

    // Run control, scales, pictures
    QCheckBox* Check1;      // "Auto"
    QCheckBox* Check9;      // "+ анимация процесса"
    QCheckBox* Check5;      // "+Создать отчет"
    QPushButton* Command2;  // "Остановить"
    QPushButton* Command3;  // "Продолжить"
    QPushButton* Command4;  // "Сделать NC0 шагов"
    QLineEdit* Text10;      // "NC0"
    QLineEdit* Text9;       // " шаг решения, с"
    QLineEdit* Text19;      // "Масштаб рисунка, м/см"
    QLineEdit* Text27;      // "Масштаб графика v/v0, ед/см"
    QPushButton* Command6;  // "Сохранить рисунок с №"
    QLineEdit* Text21;      // picture number
    QPushButton* Command5;  // "Очистить рисунок"
    QPushButton* Command14; // "Очистить график"
    QPushButton* Command16; // "Закрыть форму"
    RunPacer* pacer;        // "Темп" (ComboPace) and the status line (StatusLine)
    QPushButton* Command7; // "Вывести на график экспериментальные точки"
    QPushButton* Command12; // "Расчетные точки"
    // "График частоты": opens the live plot of the received frequency.
    QCheckBox* CheckFrequencyPlot;

    QPushButton* CommandFit; // "Вписать опыт"

    // Results of the received fronts and periods
    QLineEdit* Text20; // "номер  принятого периода i"
    QLineEdit* Text49; // "номер вылетевшего фронта"
    QLineEdit* Text24; // "заданный угол наблюдения i+1"
    QLineEdit* Text59; // "реальный угол наблюдения i+1"
    QLineEdit* Text28; // "A1 при приеме фронта i+1"
    QLineEdit* Text29; // "A2 при излучении фронта i+1"
    QLineEdit* Text38; // "Tn1(i)"
    QLineEdit* Text39; // "Tk1(i)"
    QLineEdit* Text42; // "Qn1(i)"
    QLineEdit* Text43; // "Qk1(i)"
    QLineEdit* Text44; // "Qn2(i)"
    QLineEdit* Text45; // "Qk2(i)"
    QLineEdit* Text46; // "vn(i)"
    QLineEdit* Text47; // "vk(i)"
    QLineEdit* Text48; // "vsr(i)= (vn(i) + vk(i)) / 2"
    QLineEdit* Text41; // "v(i)=1/(Tk1(i) -Tn1(i))"

    // Shows the fields of a completed period and of a received front.
    void showPeriod(const PeriodShown& p);
    void showFrontAngles(const FrontAngles& a);

private:
    void buildControls();
    QWidget* buildBodies(QWidget* parent);
    QWidget* buildMembranes(QWidget* parent);
    QWidget* buildControl(QWidget* parent);
    void buildResults(QWidget* parent, QBoxLayout* columns);

    // Handlers
    void aimClicked();
    void startClicked();
    void clearPicture();
    void savePictureClicked();
    void clearGraph();
    void observedPointsClicked();
    void calculatedPointsClicked();
    void reportToggled();

    // Reads bodies, membrane lengths and A1, the fields aiming and start share.
    void readBodiesAndMembranes();
    // The graph scale My (v/v0 per canvas unit); false after telling the user.
    bool readGraphScale(double& My);
    void showDegrees(QLineEdit* field, double radians);
    MembraneOptions options() const;
    // The choices a run follows step by step, read into the run.
    void readRunChoices();
    // Refreshes the fields from the steps since the last refresh.
    void showStep(const StepOutcome& since);

    SharedState record_;
    MembraneModel model_;
    MembraneRun run_{record_, model_};
    std::unique_ptr<ExperimentRun> runner_;
    int labels_ = 0; // captions are named Label1, Label2, ... in layout order
};

} // namespace sonrel
