#include "gadialogs/DimensionDialog.h"

#include "common/BoxLook.h"
#include "common/MessageBoxes.h"
#include "gadialogs/Progress.h"
#include "gadialogs/frmCustomerDetails.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vexa::app {

DimensionDialog::DimensionDialog(const DimensionSources& sources, QWidget* parent)
    : QMainWindow(parent), m_sources(sources), m_checks(new FieldChecks(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildMenu();
}

DimensionDialog::~DimensionDialog() = default;

void DimensionDialog::buildMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* close = file->addAction(QStringLiteral("&Close"));
    close->setObjectName(QStringLiteral("mnuClose"));
    connect(close, &QAction::triggered, this, &DimensionDialog::closeMenu);
}

QLineEdit* DimensionDialog::newField(const char* name, bool editable)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(72);
    if (editable) {
        makeInput(field);
    } else {
        giveResultLook(field);
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
    }
    return field;
}

QLabel* DimensionDialog::newLabel(const QString& text, const char* name)
{
    auto* label = new QLabel(text, this);
    if (name != nullptr) {
        label->setObjectName(QLatin1String(name));
    }
    return label;
}

QGroupBox* DimensionDialog::newFrame(const QString& caption, const char* name)
{
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

QRadioButton* DimensionDialog::newOption(const QString& caption, const char* name)
{
    auto* option = new QRadioButton(caption, this);
    option->setObjectName(QLatin1String(name));
    return option;
}

void DimensionDialog::addRow(QGridLayout* grid, int row, QLabel* label, QLineEdit* field, QLabel* limits)
{
    grid->addWidget(label, row, 0, Qt::AlignRight);
    grid->addWidget(field, row, 1);
    if (limits != nullptr) {
        grid->addWidget(limits, row, 2);
    }
}

QGroupBox* DimensionDialog::newHandFrame()
{
    QGroupBox* frame = newFrame(QStringLiteral("COOLING COIL CONNECTIONS LOOKING IN DIRECTION OF AIRFLOW"),
                                "fraConnections");
    optLeft = newOption(QStringLiteral("Left"), "optLeft");
    optRight = newOption(QStringLiteral("Right"), "optRight");
    optLeft->setChecked(true);
    auto* row = new QHBoxLayout(frame);
    row->addStretch();
    row->addWidget(optLeft);
    row->addSpacing(40);
    row->addWidget(optRight);
    row->addStretch();
    return frame;
}

QGroupBox* DimensionDialog::newSummaryFrame(const QString& caption)
{
    QGroupBox* frame = newFrame(caption, "fraSummary");
    txtSummaryHeight = newField("txtSummaryHeight", false);
    txtSummaryWidth = newField("txtSummaryWidth", false);
    txtSummaryDepth = newField("txtSummaryDepth", false);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(txtSummaryHeight);
    row->addWidget(newLabel(QStringLiteral("x")));
    row->addWidget(txtSummaryWidth);
    row->addWidget(newLabel(QStringLiteral("x")));
    row->addWidget(txtSummaryDepth);
    row->addStretch();
    return frame;
}

void DimensionDialog::finishLayout(QWidget* body)
{
    cmdGA = new QPushButton(QStringLiteral("G.A."), this);
    cmdGA->setObjectName(QStringLiteral("cmdGA"));
    connect(cmdGA, &QPushButton::clicked, this, &DimensionDialog::generalArrangement);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &DimensionDialog::closeButton);
    for (QPushButton* button : {cmdGA, cmdClose}) {
        button->setMinimumWidth(90);
    }

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setSpacing(10);
    layout->addWidget(body);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdGA);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    setCentralWidget(central);
}

bool DimensionDialog::reject(const QString& title, const QString& text)
{
    inform(this, title, text);
    return false;
}

bool DimensionDialog::rejectOutside(const QString& title, const gadims::Limits& limits)
{
    return reject(
        title,
        QStringLiteral("Invaild Input,  Please enter value between %1 - %2").arg(limits.min).arg(limits.max));
}

std::optional<int32_t> DimensionDialog::acceptedValue(QLineEdit* field, const gadims::Limits& limits,
                                                      const QString& title)
{
    const std::optional<int32_t> value = gadims::wholeNumberAtStart(field->text());
    if (!value || !limits.contains(*value)) {
        rejectOutside(title, limits);
        return std::nullopt;
    }
    // The field shows the whole number the dialog keeps and draws.
    display(field, *value);
    return value;
}

void DimensionDialog::display(QLineEdit* field, int32_t value)
{
    field->setText(QString::number(value));
}

void DimensionDialog::generalArrangement()
{
    if (!m_checks->leaveFocusedField()) {
        return;
    }
    std::unique_ptr<PendingDrawing> drawing;
    {
        Progress progress(this);
        progress.start();
        try {
            drawing = startDrawing([&progress] { progress.advance(); });
        } catch (const std::exception& failure) {
            progress.close();
            ask(this, {QString(), QString::fromStdString(failure.what()), MessageIcon::None});
            return;
        }
    } // the progress window goes once the drawing's dimensions are written

    frmCustomerDetails& details = projectDetailsForm();
    if (details.exec() != QDialog::Accepted) {
        // Closed without "OK": the drawing is discarded unsaved and the dialog stays
        // as it was, ready for another G.A.
        return;
    }
    drawing->writeReferences(details.customerReference(), details.projectName(), heatpipeCode());
    showMinimized();
    try {
        const FinishedDrawing finished = drawing->finish();
        if (!finished.message.isEmpty()) {
            inform(this, QString(), finished.message);
        }
    } catch (const std::exception& failure) {
        inform(this, QString(), QString::fromStdString(failure.what()));
    }
}

void DimensionDialog::closeButton()
{
    if (!m_checks->leaveFocusedField()) {
        return;
    }
    close();
}

void DimensionDialog::closeMenu()
{
    close();
}

void DimensionDialog::closeEvent(QCloseEvent* event)
{
    if (QWidget* costing = m_sources.costingWindow()) {
        costing->show();
    }
    event->accept();
}

} // namespace vexa::app
