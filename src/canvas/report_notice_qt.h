#pragma once
// Announces that the report window has closed, so the experiment windows can
// untick the check boxes that show it: no report is then printed into a window
// the user cannot see.
#include <QObject>

namespace sonrel {

class ReportNotice : public QObject {
    Q_OBJECT
signals:
    void closed();
};

} // namespace sonrel
