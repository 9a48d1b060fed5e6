#pragma once
// Lays out captioned fields as rows of a two-column grid on a panel; the
// captions are labels numbered Label<n> in the order they are made.
#include "ui/fields_qt.h"

#include <QGridLayout>

namespace sonrel {

class FieldGrid {
public:
    FieldGrid(QWidget* box, int& labelCount, int fieldWidth = 130)
        : box_(box), grid_(new QGridLayout(box)), count_(labelCount), fieldWidth_(fieldWidth) {
        grid_->setContentsMargins(0, 0, 0, 0);
    }
    // The caption as shown: a symbol as it is, or a text the window has translated.
    QLabel* label(const QString& caption) {
        const QByteArray name = "Label" + QByteArray::number(++count_);
        return makeLabel(box_, name.constData(), caption);
    }
    // caption | field; value null: the field holds its own name.
    QLineEdit* field(const QString& caption, const char* name, const char* value = nullptr) {
        return after(label(caption), name, value);
    }
    // any widget | field
    QLineEdit* after(QWidget* left, const char* name, const char* value = nullptr) {
        QLineEdit* f =
            value ? makeField(box_, name, QString::fromUtf8(value)) : makeField(box_, name);
        f->setFixedWidth(fieldWidth_);
        add(left, f);
        return f;
    }
    void add(QWidget* left, QWidget* right) {
        if (left) grid_->addWidget(left, row_, 0);
        if (right) grid_->addWidget(right, row_, 1);
        ++row_;
    }
    void span(QWidget* w) { grid_->addWidget(w, row_++, 0, 1, 2); }
    QGridLayout* layout() { return grid_; }
    QWidget* widget() { return box_; }
    // The panel, with the rows kept at the top.
    QWidget* finish() {
        grid_->setRowStretch(row_, 1);
        return box_;
    }

private:
    QWidget* box_;
    QGridLayout* grid_;
    int& count_;
    int fieldWidth_;
    int row_ = 0;
};

} // namespace sonrel
