#include "gadialogs/frmCustomerDetails.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa::app {

frmCustomerDetails::frmCustomerDetails(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCustomerDetails"));
    setWindowTitle(QStringLiteral("Project Details Form"));
    setModal(true);

    txtProjectName = new QLineEdit(this);
    txtProjectName->setObjectName(QStringLiteral("txtProjectName"));
    txtCustomerRef = new QLineEdit(this);
    txtCustomerRef->setObjectName(QStringLiteral("txtCustomerRef"));
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Project Name:"), txtProjectName);
    fields->addRow(QStringLiteral("Customer Referance No.:"), txtCustomerRef);

    auto* note = new QLabel(QStringLiteral("Plaese note these details are optional and  will be displayed on "
                                           "the general arrrangement drawing. "),
                            this);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(12);
    layout->addLayout(fields);
    layout->addWidget(note);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setMinimumWidth(420);
}

QString frmCustomerDetails::projectName() const
{
    return txtProjectName->text().trimmed();
}

QString frmCustomerDetails::customerReference() const
{
    return txtCustomerRef->text().trimmed();
}

namespace {

QPointer<frmCustomerDetails>& theForm()
{
    static QPointer<frmCustomerDetails> form;
    return form;
}

void deleteForm()
{
    delete theForm().data();
}

} // namespace

frmCustomerDetails& projectDetailsForm()
{
    if (theForm() == nullptr) {
        theForm() = new frmCustomerDetails;
        // Gone before the application's windows are torn down.
        qAddPostRoutine(deleteForm);
    }
    return *theForm();
}

} // namespace vexa::app
