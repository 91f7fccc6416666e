#pragma once

#include <QDialog>

class QLineEdit;

namespace vexa::app {

// The "Project Details Form": the project name and customer reference that go on a
// general arrangement drawing. One form serves the whole run of the program; it is
// only hidden after use, so it offers the last entries for the next drawing.
class frmCustomerDetails : public QDialog {
    Q_OBJECT
public:
    explicit frmCustomerDetails(QWidget* parent = nullptr);

    // The entries, blanks trimmed from both ends.
    QString projectName() const;
    QString customerReference() const;

private:
    QLineEdit* txtProjectName = nullptr;
    QLineEdit* txtCustomerRef = nullptr;
};

// The program's one Project Details Form, made on first use and kept until the
// application ends.
frmCustomerDetails& projectDetailsForm();

} // namespace vexa::app
