// "Вписать опыт" in the main window: the whole run to its 20th front stays
// inside the picture and fills a good part of it.
#include "app/form1.h"
#include "support/plain_number.h"
#include "support/ui_helpers.h"

#include <QLabel>
#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

using namespace sonrel;
using namespace sonrel::testing;

namespace {
using Typed = std::vector<std::pair<const char*, const char*>>;
// With every front in flight ("все фронты"): late fronts one at a time would take minutes.
struct FitSetUp {
    const char* name;
    Typed typed;
    bool allFronts;
};
class FitMainPicture : public WindowTest, public ::testing::WithParamInterface<FitSetUp> {};
} // namespace

TEST_P(FitMainPicture, BothPathsStayInsideThePicture) {
    auto* f = static_cast<Form1*>(open(1)); // at "макс." pace in the tests
    for (const auto& [field, text] : GetParam().typed)
        typeInto(f, field, QString::fromUtf8(text));
    f->CheckAllFronts->setChecked(GetParam().allFronts);
    click(f, "CommandFit");
    const double M = plainNumber(textOf(f, "Text19").replace(',', '.').toStdString());
    click(f, "Command13");
    click(f, "Command1");
    ASSERT_TRUE(control<QLabel>(f, "StatusLine")->text().contains(QStringLiteral("принято 20")));
    // Straight paths lie inside the rectangle when their ends (T = 0 and the end) do.
    const SharedState& s = f->state();
    const Canvas& c = f->picture();
    const double xs[] = {s.Xn1(0), s.X(1), s.Xn2(1), s.X(2)};
    const double ys[] = {s.Yn1(0), s.Y(1), s.Yn2(1), s.Y(2)};
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(xs[k] / M >= c.scaleLeft() && xs[k] / M <= c.scaleRight()) << xs[k];
        EXPECT_TRUE(ys[k] / M >= c.scaleBottom() && ys[k] / M <= c.scaleTop()) << ys[k];
    }
    // Not lost in a corner: the run spans at least half the picture one way.
    const auto [x0, x1] = std::minmax_element(std::begin(xs), std::end(xs));
    const auto [y0, y1] = std::minmax_element(std::begin(ys), std::end(ys));
    EXPECT_TRUE((*x1 - *x0) / M > (c.scaleRight() - c.scaleLeft()) / 2 ||
                (*y1 - *y0) / M > (c.scaleTop() - c.scaleBottom()) / 2);
}

INSTANTIATE_TEST_SUITE_P(
    SetUps, FitMainPicture,
    ::testing::Values(
        FitSetUp{"Default", {}, false},
        FitSetUp{"SourceFastAlongMinusX", {{"Text4", "-30"}, {"Text9", "0,01"}}, true},
        FitSetUp{"ReceiverAlongY", {{"Text3", "0"}, {"Text7", "8"}, {"Text9", "0,01"}}, true},
        FitSetUp{"FarApart", {{"Text1", "3000"}, {"Text5", "2000"}, {"Text9", "0,01"}}, true}),
    [](const ::testing::TestParamInfo<FitSetUp>& i) { return std::string(i.param.name); });
