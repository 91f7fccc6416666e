#pragma once

#include <QDialog>

class QLineEdit;

namespace vexa {
class Main;
}

namespace vexa::app {

// The gross margin used by the costing and the engineering detail of the last
// cooling coil selection. It lives for the whole run; "Close" only hides it.
class frmAdditionalInformation : public QDialog {
    Q_OBJECT
public:
    explicit frmAdditionalInformation(QWidget* parent = nullptr);

    // Fills the twelve boxes from the engine's last calculation.
    void showEngineeringValues(const Main& main);

protected:
    void reject() override; // Escape hides, as "Close" does

private:
    QLineEdit* txtGrossMargin;
};

} // namespace vexa::app
