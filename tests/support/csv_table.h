#pragma once
// A period table (CSV: "#" lines of the run's inputs, header row,
// comma-separated, "\n" line ends, decimal point) read back by its column names.
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace sonrel::testing {

struct CsvTable {
    QStringList comments; // the "# caption = value" lines before the header
    QStringList header;
    std::vector<QStringList> rows;
    double at(std::size_t row, const char* column) const {
        const int c = header.indexOf(QString::fromLatin1(column));
        EXPECT_GE(c, 0) << "no column " << column;
        bool ok = false;
        const double v = c < 0 ? 0 : rows[row].value(c).toDouble(&ok);
        EXPECT_TRUE(ok) << column << " of row " << row;
        return v;
    }
};

// Checks the line ends and that every row has a value for every column.
inline CsvTable parseCsv(const QByteArray& bytes) {
    EXPECT_FALSE(bytes.contains('\r'));
    EXPECT_TRUE(bytes.endsWith('\n'));
    QStringList lines = QString::fromUtf8(bytes).split('\n');
    lines.removeLast();
    CsvTable t;
    while (!lines.isEmpty() && lines.first().startsWith('#'))
        t.comments.push_back(lines.takeFirst());
    if (lines.isEmpty()) return t;
    t.header = lines.takeFirst().split(',');
    for (const QString& l : lines) {
        t.rows.push_back(l.split(','));
        EXPECT_EQ(t.rows.back().size(), t.header.size()) << l.toStdString();
    }
    return t;
}

} // namespace sonrel::testing
