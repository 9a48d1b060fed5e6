#pragma once
// Rows of captioned fields, declared as data and laid out on a grid. A row
// names its caption, the field's design name and default text, and the
// window's member the field goes to; the grid gives every field the same
// width and every caption its design name. Buttons, check boxes and frames
// take rows of their own beside or across the fields, so a panel is built
// top to bottom in the order of its controls (which is also the Tab order).
#include "ui/fields_qt.h"

#include <QGridLayout>
#include <initializer_list>

namespace sonrel {

// One captioned field.
struct FieldRow {
    // UTF-8, translated in the grid's context when shown. A worded caption is
    // marked QT_TRANSLATE_NOOP("<that context>", "...") so that lupdate finds
    // it; a symbol such as X1 or Qn3 has no entry and stays as it is.
    const char* caption;
    QLineEdit** field;           // the window's member the field goes to
    const char* name;            // the field's design name
    const char* value = nullptr; // default text; null: the field starts empty
    // The caption's design name; null: the next Label<n> of the grid's count.
    const char* labelName = nullptr;
    QLabel** label = nullptr; // the window's member the caption goes to, if it has one
};

class FieldGrid {
public:
    // Captions are translated in `context` (the window's class, "sonrel::Form8");
    // fieldWidth 0 leaves a field its natural width; labelCount numbers the
    // captions that have no design name of their own.
    struct Style {
        const char* context;
        int fieldWidth = 0;
        int* labelCount = nullptr;
    };

    // A grid of its own on the panel `box`, without margins.
    FieldGrid(QWidget* box, const Style& style);
    // Rows added to `grid`, a layout placed already (a frame's, or one nested
    // in another layout), for controls that belong to `parent`.
    FieldGrid(QWidget* parent, QGridLayout* grid, const Style& style);

    // The rows in order, `perRow` caption | field pairs to a grid row.
    void rows(std::initializer_list<FieldRow> rows, int perRow = 1);
    // One row whose caption spans `captionSpan` columns before its field.
    QLineEdit* row(const FieldRow& row, int captionSpan = 1);
    // A caption as shown (a symbol, or a text the window has translated),
    // named as the next Label<n>.
    QLabel* label(const QString& shown);
    // any widget | field, the widget spanning `leftSpan` columns
    QLineEdit* after(QWidget* left, const char* name, const char* value = nullptr,
                     int leftSpan = 1);
    // left | right, each spanning `span` columns; either may be null.
    void add(QWidget* left, QWidget* right, int span = 1);
    // A widget across `columns` columns.
    void span(QWidget* w, int columns = 2);

    // The grid row the next row goes to, for a control placed by hand.
    int nextRow() const { return row_; }
    void skipRow() { ++row_; }
    QGridLayout* layout() { return grid_; }
    QWidget* widget() { return parent_; }
    // The panel, with the rows kept at the top.
    QWidget* finish();

private:
    QLineEdit* makeRowField(const char* name, const char* value);
    QLabel* makeCaption(const FieldRow& row);

    QWidget* parent_;
    QGridLayout* grid_;
    Style style_;
    int row_ = 0;
};

} // namespace sonrel
