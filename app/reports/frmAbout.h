#pragma once

#include <QDialog>

namespace vexa::app {

// The about box: version, the maker's address, the disclaimer, and a way into the
// desktop's system information program.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Starts the first system information program found on PATH, or says that
    // none is available.
    void startSystemInfo();

    // The programs looked for, in order.
    static QStringList systemInfoPrograms();
};

} // namespace vexa::app
