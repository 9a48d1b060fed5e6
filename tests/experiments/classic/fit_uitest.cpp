// "Вписать опыт" in the main window: after the press the whole run, to its
// 20th front, stays inside the picture and fills a good part of it.
#include "app/form1.h"
#include "support/plain_number.h"
#include "support/ui_helpers.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <utility>
#include <vector>

using namespace sonrel;
using namespace sonrel::testing;

namespace {

struct FitSetUp {
    const char* name;
    std::vector<std::pair<const char*, const char*>> typed;
    // Every front in flight: the long runs of late fronts, one at a time,
    // would take minutes here (the core test follows those).
    bool allFronts = false;
};

class FitMainPicture : public WindowTest, public ::testing::WithParamInterface<FitSetUp> {};

} // namespace

TEST_P(FitMainPicture, BothPathsStayInsideThePicture) {
    auto* f = static_cast<Form1*>(open(1));
    auto* pace = control<QComboBox>(f, "ComboPace");
    pace->setCurrentIndex(pace->findText(QStringLiteral("макс.")));
    for (const auto& [field, text] : GetParam().typed)
        typeInto(f, field, QString::fromUtf8(text));
    f->CheckAllFronts->setChecked(GetParam().allFronts);
    click(f, "CommandFit");
    const double M = plainNumber(textOf(f, "Text19").replace(',', '.').toStdString());
    ASSERT_GT(M, 0);
    click(f, "Command13");
    click(f, "Command1");
    ASSERT_TRUE(control<QLabel>(f, "StatusLine")->text().contains(QStringLiteral("принято 20")))
        << control<QLabel>(f, "StatusLine")->text().toStdString();

    // Both bodies move in straight lines: a path lies inside the rectangle
    // when its first and last places do (at T = 0 and at the run's end).
    const SharedState& s = f->state();
    const Canvas& c = f->picture();
    const std::pair<double, double> places[] = {
        {s.Xn1(0), s.Yn1(0)}, {s.X(1), s.Y(1)}, {s.Xn2(1), s.Yn2(1)}, {s.X(2), s.Y(2)}};
    double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
    for (auto [x, y] : places) {
        EXPECT_GE(x / M, c.scaleLeft());
        EXPECT_LE(x / M, c.scaleRight());
        EXPECT_GE(y / M, c.scaleBottom());
        EXPECT_LE(y / M, c.scaleTop());
        xmin = std::min(xmin, x / M), xmax = std::max(xmax, x / M);
        ymin = std::min(ymin, y / M), ymax = std::max(ymax, y / M);
    }
    // Not lost in a corner: the run spans at least half the picture one way.
    EXPECT_TRUE(xmax - xmin > (c.scaleRight() - c.scaleLeft()) / 2 ||
                ymax - ymin > (c.scaleTop() - c.scaleBottom()) / 2);
}

INSTANTIATE_TEST_SUITE_P(
    SetUps, FitMainPicture,
    ::testing::Values(
        FitSetUp{"Default", {}},
        FitSetUp{"SourceFastAlongMinusX", {{"Text4", "-30"}, {"Text9", "0,01"}}, true},
        FitSetUp{"ReceiverAlongY", {{"Text3", "0"}, {"Text7", "8"}, {"Text9", "0,01"}}, true},
        FitSetUp{"FarApart", {{"Text1", "3000"}, {"Text5", "2000"}, {"Text9", "0,01"}}, true}),
    [](const ::testing::TestParamInfo<FitSetUp>& i) { return std::string(i.param.name); });
