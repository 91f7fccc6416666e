#include "reports/frmAdditionalInformation.h"

#include "common/NumberText.h"
#include "design/Main.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace vexa::app {

namespace {

struct EngineeringBox {
    const char* label;
    const char* name;
};

constexpr std::array<EngineeringBox, 12> kBoxes{{
    {"No Tubes high", "txtNoTubesH"},
    {"Rw (sm\u00b2/kg)", "txtRw"},
    {"Uw (kg/sm\u00b2)", "txtUw"},
    {"hw, int HT coeff (W/m\u00b2K)", "txthw"},
    {"deltaEm (kJ/kg)", "txtdeltaEm"},
    {"Ra (m\u00b2K/W)", "txtRa"},
    {"Rf (m\u00b2K/W)", "txtRf"},
    {"Mean Fluid Temp (\u00b0C)", "txtTFluidMean"},
    {"L-Factor (J/kgK)", "txtLfactor"},
    {"Ao (m\u00b2)", "txtAo"},
    {"Fluid Flow Rate (litres/s)", "txtFFR"},
    {"Tube Velocity (m/s)", "txtVt"},
}};

} // namespace

frmAdditionalInformation::frmAdditionalInformation(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      txtGrossMargin(new QLineEdit)
{
    setObjectName(QStringLiteral("frmAdditionalInformation"));
    setWindowTitle(QStringLiteral(" Additional Information"));
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    auto* user = new QGroupBox(QStringLiteral("User Defined Values"));
    auto* userGrid = new QGridLayout(user);
    txtGrossMargin->setObjectName(QStringLiteral("txtGrossMargin"));
    txtGrossMargin->setText(QStringLiteral("65"));
    txtGrossMargin->setFixedWidth(90);
    userGrid->addWidget(new QLabel(QStringLiteral("Gross Margin (%)")), 0, 0);
    userGrid->addWidget(txtGrossMargin, 0, 1, Qt::AlignRight);
    layout->addWidget(user);

    auto* coil = new QGroupBox(QStringLiteral("Cooling Coil Selection"));
    auto* coilGrid = new QGridLayout(coil);
    int row = 0;
    for (const EngineeringBox& box : kBoxes) {
        auto* text = new QLineEdit;
        text->setObjectName(QLatin1String(box.name));
        text->setFixedWidth(90);
        coilGrid->addWidget(new QLabel(QString::fromUtf8(box.label)), row, 0);
        coilGrid->addWidget(text, row++, 1, Qt::AlignRight);
    }
    layout->addWidget(coil);

    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("cmdHideAdditionalInformation"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void frmAdditionalInformation::reject()
{
    hide();
}

void frmAdditionalInformation::showEngineeringValues(const Main& main)
{
    const auto put = [this](const char* name, const std::string& text) {
        findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromStdString(text));
    };
    put("txtNoTubesH", std::to_string(main.TubesHigh()));
    put("txtRw", num::shortestText(main.Wet_Thermal_Resistance()));
    put("txtUw", num::shortestText(main.Wet_Heat_Transfer_Coefficient()));
    put("txthw", num::shortestText(main.Internal_Tube_Heat_Transfer_Coefficient()));
    put("txtdeltaEm", num::shortestText(main.Log_Mean_Enthalpy_Diff()));
    put("txtRa", num::shortestText(main.AirsideResistance()));
    put("txtRf", num::shortestText(main.Effective_Fin_Resistance()));
    put("txtTFluidMean", num::shortestText(main.Mean_Coil_Fluid_Temp()));
    put("txtLfactor", num::shortestText(main.L_At_Mean_Fluid_Temp()));
    put("txtAo", num::shortestText(main.RequiredSurfaceArea()));
    put("txtFFR", num::shortestText(main.FluidFlowRate()));
    put("txtVt", num::shortestText(main.TubeVelocity()));
}

} // namespace vexa::app
