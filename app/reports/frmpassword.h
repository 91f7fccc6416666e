#pragma once

#include <QDialog>

class QLineEdit;

namespace vexa::app {

class frmMain;

// The access code dialog: the right code reveals the main window's "Info" button.
class frmpassword : public QDialog {
    Q_OBJECT
public:
    explicit frmpassword(frmMain* main);

    static constexpr const char* kRevealCode = "KOVU5829";
    static constexpr const char* kQuietCode = "MOLTAVE46";

private:
    void okClicked();

    frmMain* m_main;
    QLineEdit* m_code;
};

} // namespace vexa::app
