#include "ui/field_grid_qt.h"

#include <QCoreApplication>

namespace sonrel {

FieldGrid::FieldGrid(QWidget* box, const Style& style)
    : parent_(box), grid_(new QGridLayout(box)), style_(style) {
    grid_->setContentsMargins(0, 0, 0, 0);
}

FieldGrid::FieldGrid(QWidget* parent, QGridLayout* grid, const Style& style)
    : parent_(parent), grid_(grid), style_(style) {}

QLineEdit* FieldGrid::makeRowField(const char* name, const char* value) {
    QLineEdit* f = makeField(parent_, name, value ? QString::fromUtf8(value) : QString());
    if (style_.fieldWidth > 0) f->setFixedWidth(style_.fieldWidth);
    return f;
}

QLabel* FieldGrid::label(const QString& shown) {
    QByteArray name;
    if (style_.labelCount) name = "Label" + QByteArray::number(++*style_.labelCount);
    return makeLabel(parent_, name.constData(), shown);
}

QLabel* FieldGrid::makeCaption(const FieldRow& row) {
    const QString shown = QCoreApplication::translate(style_.context, row.caption);
    QLabel* l = row.labelName ? makeLabel(parent_, row.labelName, shown) : label(shown);
    if (row.label) *row.label = l;
    return l;
}

void FieldGrid::rows(std::initializer_list<FieldRow> rows, int perRow) {
    int i = 0;
    for (const FieldRow& row : rows) {
        const int r = row_ + i / perRow, c = 2 * (i % perRow);
        QLabel* caption = makeCaption(row);
        *row.field = makeRowField(row.name, row.value);
        grid_->addWidget(caption, r, c);
        grid_->addWidget(*row.field, r, c + 1);
        ++i;
    }
    row_ += (i + perRow - 1) / perRow;
}

QLineEdit* FieldGrid::row(const FieldRow& row, int captionSpan) {
    QLabel* caption = makeCaption(row);
    *row.field = makeRowField(row.name, row.value);
    grid_->addWidget(caption, row_, 0, 1, captionSpan);
    grid_->addWidget(*row.field, row_, captionSpan);
    ++row_;
    return *row.field;
}

QLineEdit* FieldGrid::after(QWidget* left, const char* name, const char* value, int leftSpan) {
    QLineEdit* f = makeRowField(name, value);
    if (left) grid_->addWidget(left, row_, 0, 1, leftSpan);
    grid_->addWidget(f, row_, leftSpan);
    ++row_;
    return f;
}

void FieldGrid::add(QWidget* left, QWidget* right, int span) {
    if (left) grid_->addWidget(left, row_, 0, 1, span);
    if (right) grid_->addWidget(right, row_, span, 1, span);
    ++row_;
}

void FieldGrid::span(QWidget* w, int columns) {
    grid_->addWidget(w, row_++, 0, 1, columns);
}

QWidget* FieldGrid::finish() {
    grid_->setRowStretch(row_, 1);
    return parent_;
}

} // namespace sonrel
