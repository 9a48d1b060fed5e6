// Rows of fields declared as data: each field and caption takes its design
// name, default text and the grid's width, and the rows fill the grid in order.
#include "ui/field_grid_qt.h"

#include <QPushButton>
#include <gtest/gtest.h>

using namespace sonrel;

namespace {

// Grid row and column of `w`.
std::pair<int, int> cell(QGridLayout* g, QWidget* w) {
    int row = -1, col = -1, rowSpan = 0, colSpan = 0;
    g->getItemPosition(g->indexOf(w), &row, &col, &rowSpan, &colSpan);
    return {row, col};
}

} // namespace

TEST(FieldGrid, RowsTakeTheirNamesDefaultsWidthAndPlaces) {
    QWidget box;
    int labels = 4; // captions made before this panel
    QLineEdit *x1 = nullptr, *y1 = nullptr, *vx1 = nullptr;
    QLabel* vx1Caption = nullptr;
    FieldGrid g(&box, {"sonrel::Form8", 77, &labels});
    g.rows({{"X1", &x1, "Text1", "56,6"},
            {"Y1", &y1, "Text5"},
            {"VX1", &vx1, "Text3", "6", "Label70", &vx1Caption}},
           2);
    QLineEdit* step = g.after(new QPushButton(&box), "Text9", "1E-3");

    struct Expected {
        QLineEdit* field;
        const char* name;
        const char* text;
        std::pair<int, int> place;
    };
    for (const Expected& e :
         {Expected{x1, "Text1", "56,6", {0, 1}}, Expected{y1, "Text5", "", {0, 3}},
          Expected{vx1, "Text3", "6", {1, 1}}, Expected{step, "Text9", "1E-3", {2, 1}}}) {
        ASSERT_NE(e.field, nullptr) << e.name;
        EXPECT_EQ(e.field->objectName(), QLatin1String(e.name));
        EXPECT_EQ(e.field->text(), QLatin1String(e.text)) << e.name;
        EXPECT_EQ(e.field->minimumWidth(), 77) << e.name;
        EXPECT_EQ(e.field->maximumWidth(), 77) << e.name;
        EXPECT_EQ(cell(g.layout(), e.field), e.place) << e.name;
    }
    // Captions without a design name of their own continue the window's count.
    auto* label5 = box.findChild<QLabel*>("Label5");
    auto* label6 = box.findChild<QLabel*>("Label6");
    ASSERT_TRUE(label5 && label6);
    EXPECT_EQ(label5->text(), QStringLiteral("X1"));
    EXPECT_EQ(cell(g.layout(), label6), std::make_pair(0, 2));
    EXPECT_EQ(labels, 6);
    ASSERT_NE(vx1Caption, nullptr);
    EXPECT_EQ(vx1Caption->objectName(), QStringLiteral("Label70"));
    EXPECT_EQ(cell(g.layout(), vx1Caption), std::make_pair(1, 0));
}
