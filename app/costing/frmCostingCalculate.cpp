// The costing window's "Cal": the checks of the commercial inputs and options,
// the exchange with the engine's Cost (and Bin), the results, and the commands
// that follow a costing ("GA", "Print Current Window").
#include "costing/Countries.h"
#include "costing/frmCosting.h"

#include "bindata/Bin.h"
#include "common/EngineError.h"
#include "common/MessageBoxes.h"
#include "common/NumberInput.h"
#include "common/NumberText.h"
#include "common/ProgramFlags.h"
#include "common/WindowPrinter.h"
#include "costing/Cost.h"
#include "mainwindow/frmMain.h"
#include "reports/frmAdditionalInformation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <exception>

namespace vexa::app {

namespace {

const QString kNonNumeric = QStringLiteral("Non-Numeric Value");
const QString kInvalid = QStringLiteral("Invalid Value");
const QString kIllegal = QStringLiteral("Illegal Input");

// clang-format off
constexpr double kLeastEnergyCost   = 0.000001; // per kWh
constexpr double kMostEnergyCost    = 1000;     // per kWh
constexpr double kLeastRunningHours = 100;
constexpr double kMostRunningHours  = 8760;     // every hour of the year
constexpr double kLeastExchangeRate = 0.000001; // currency units per pound
// clang-format on

const QStringList kDrainpans{QStringLiteral("No Drainpan"), QStringLiteral("Flat Drainpan"),
                             QStringLiteral("Sloping Drainpan"), QStringLiteral("Perforated Base")};

QString text(double value)
{
    return QString::fromStdString(num::shortestText(value));
}

// The value of a box that passed its numeric check (0 for one that has none).
double valueOf(const QLineEdit* box)
{
    return readNumber(box->text()).value_or(0);
}

} // namespace

bool frmCosting::refuse(QWidget* focus, const QString& title, const QString& message)
{
    inform(this, title, message);
    if (focus != nullptr) {
        focus->setFocus();
    }
    m_failed = true;
    return false;
}

bool frmCosting::validateCostingInputs()
{
    const auto refuseBox = [this](QLineEdit* box, const QString& title, const QString& message) {
        box->clear();
        return refuse(box, title, message);
    };
    const std::optional<double> energyCost = readNumber(txtenergycost->text());
    if (!energyCost) {
        return refuseBox(txtenergycost, kNonNumeric,
                         QStringLiteral("Energy Cost input is not numeric. Please enter a valid value."));
    }
    if (!isNumeric(txtAdditionalCost->text())) {
        txtAdditionalCost->setText(QStringLiteral("0"));
        return refuse(nullptr, kNonNumeric,
                      QStringLiteral("Addional Cost input is not numeric. Please enter a valid value."));
    }
    if (*energyCost < kLeastEnergyCost || *energyCost > kMostEnergyCost) {
        return refuseBox(
            txtenergycost, kInvalid,
            QStringLiteral("Energy cost must be between 0.000001 and 1000. Please enter a valid value."));
    }
    const std::optional<double> hours = readNumber(txtannualruncost->text());
    if (!hours) {
        return refuseBox(
            txtannualruncost, kNonNumeric,
            QStringLiteral("Annual running hours input is not numeric. Please enter a valid value."));
    }
    if (*hours < kLeastRunningHours || *hours > kMostRunningHours) {
        return refuseBox(
            txtannualruncost, kInvalid,
            QStringLiteral("Annual running hours must be between 100 and 8760 hours. Please enter a "
                           "valid value."));
    }
    const std::optional<double> rate = readNumber(txtExchangeRate->text());
    if (!rate) {
        return refuseBox(txtExchangeRate, kNonNumeric,
                         QStringLiteral("Exchange Rate input is not numeric. Please enter a valid value."));
    }
    if (*rate < kLeastExchangeRate) {
        return refuseBox(
            txtExchangeRate, kInvalid,
            QStringLiteral("Exchange Rate must be greater than 0.000001. Please enter a valid value."));
    }
    const std::optional<double> margin = readNumber(grossMarginText());
    if (!margin) {
        return refuse(nullptr, kNonNumeric,
                      QStringLiteral("Gross margin is not numeric. Please enter a valid value."));
    }
    // The margin reaches the engine as a whole percent (halves to even): a margin
    // that rounds to 0 or to 100 has no price, so it is refused here as well.
    if (*margin <= 0 || *margin >= 100 || num::toInt16(*margin) <= 0 || num::toInt16(*margin) >= 100) {
        return refuse(
            nullptr, kInvalid,
            QStringLiteral("Gross Margin must be between 0.1% and 99.9%. Please enter a valid value."));
    }
    const QString casing = lstcasematcost->currentText();
    if (casing != QLatin1String("Stainless sheet") && casing != QLatin1String("Galvanised sheet")) {
        return refuse(
            lstcasematcost, kIllegal,
            QStringLiteral("Casing material must be Galvanised sheet or Stainless sheet. Please select "
                           "using the drop down list."));
    }
    if (!kDrainpans.contains(lstdpcost->currentText())) {
        return refuse(
            lstdpcost, kIllegal,
            QStringLiteral("Drainpan type must be either No Drainpan, Flat Drainpan, Sloping Drainpan or "
                           "Perforated Base.                             Please select using the drop "
                           "down list."));
    }
    return true;
}

void frmCosting::exchangeWithEngine(CostExchange& cost)
{
    const bool hpOnly = heatPipeOnly();
    const bool straight = hpOnly && optStraight->isChecked();
    if (hpOnly && optHorseshoe->isChecked()) {
        cost.setHeatpipeStyle(HeatpipeStyling::Horseshoe_Heatpipe);
    } else if (straight) {
        cost.setHeatpipeStyle(HeatpipeStyling::Straight_Heatpipe);
    } else {
        // Every unit with a cooling coil is costed as a combination.
        cost.setHeatpipeStyle(HeatpipeStyling::Combination_Heatpipe);
    }
    cost.setCasingMaterial(lstcasematcost->currentText() == QLatin1String("Galvanised sheet")
                               ? CasingMat::Galvanised
                               : CasingMat::Stainless);
    const auto drainpan =
        static_cast<Drainpan>(std::max<qsizetype>(0, kDrainpans.indexOf(lstdpcost->currentText().trimmed())));
    cost.setDrainpanType(drainpan);
    cost.setOptStainlessSteelDrainpan(drainpan != Drainpan::None && chkDPCaseMat->isChecked());
    if (straight) {
        cost.setOptEliminators(chkElims->isChecked());
        cost.setOrienitation(cmbVerHor->currentText().trimmed() == QLatin1String("Vertical")
                                 ? OrientationType::Vertical
                                 : OrientationType::Horizontal);
    } else {
        cost.setOptEliminators(false);
    }
    cost.setMargin(num::toInt16(readNumber(grossMarginText().trimmed()).value_or(0)));
    cost.setExchangeRate(valueOf(txtExchangeRate));
    cost.setEnergyCost(valueOf(txtenergycost));
    cost.setAnnualRunningHours(valueOf(txtannualruncost));
    cost.setAdditionalCost(valueOf(txtAdditionalCost));
    cost.InitiateCostingCalculations();
    if (optBinPayback->isChecked()) {
        cost.setCity(binCityFor(cmbCountry->currentText()));
        cost.UseBinData();
    }
}

void frmCosting::showResults(const CostExchange& cost)
{
    const Cost& results = cost.cost();
    if (optBinPayback->isChecked()) {
        const Bin& bin = cost.bin();
        txtannualprecoolcost->setText(text(bin.BinAnnualPreCoolSaving()));
        txtannualreheatcost->setText(text(bin.BinAnnualReHeatSaving()));
        txtannualenergycost->setText(text(bin.BinAnnualCostSaving()));
        txtpaybackcost->setText(text(bin.BinPaybackPeriod()));
    } else {
        txtannualprecoolcost->setText(text(results.AnnualPrecoolSaving()));
        txtannualreheatcost->setText(text(results.AnnualReheatSaving()));
        txtannualenergycost->setText(text(results.AnnualCostSaving()));
        txtpaybackcost->setText(text(results.PaybackPeriod()));
    }
    txtSizes->setText(QString::fromStdString(results.Sizes()));
    txtWeight->setText(text(results.ApproxiamateWeight()));
    txtPriceCostSterling->setText(QString::number(results.ExWorksPriceSterling()));
    txtPriceCostForeign->setText(QString::number(results.ExWorksPriceForeign()));
}

void frmCosting::costingSucceeded()
{
    programFlags().CostingDone = true;
    const bool quoteMode = programFlags().QuoteMode;
    CmdAddItem->setVisible(quoteMode);
    CmdAddItem->setEnabled(quoteMode);
    cmdSummary->setVisible(!quoteMode);
    cmdSummary->setEnabled(!quoteMode);
    CmdGArrangement->setEnabled(static_cast<bool>(m_openDimensionDialog));
}

bool frmCosting::calculate()
{
    m_failed = false;
    if (!validateCostingInputs()) {
        clearCostingResults();
        return false;
    }
    Main* main = engineMain();
    if (main == nullptr) {
        inform(this, QStringLiteral("No Calculated Design"),
               QStringLiteral("Please calculate the design in the main window before costing it."));
        m_failed = true;
        clearCostingResults();
        return false;
    }
    try {
        const std::unique_ptr<CostExchange> cost = m_exchangeFactory(*main);
        exchangeWithEngine(*cost);
        showResults(*cost);
    } catch (const std::exception& error) {
        // A refused value or a failed step of the engine: the unit is not costed.
        inform(this, QStringLiteral("Costing Failed"), QString::fromUtf8(error.what()));
        m_failed = true;
        clearCostingResults();
        return false;
    }
    costingSucceeded();
    return true;
}

void frmCosting::openDimensionDialog()
{
    if (!m_openDimensionDialog || !calculate()) {
        return;
    }
    Main* main = engineMain();
    hide();
    m_openDimensionDialog(this, *main);
}

QString frmCosting::grossMarginText() const
{
    if (m_mainWindow == nullptr || m_mainWindow->additionalInformation() == nullptr) {
        return QString();
    }
    const auto* box =
        m_mainWindow->additionalInformation()->findChild<QLineEdit*>(QStringLiteral("txtGrossMargin"));
    return box != nullptr ? box->text() : QString();
}

Main* frmCosting::engineMain() const
{
    if (m_mainWindow == nullptr || m_mainWindow->engineLink() == nullptr) {
        return nullptr;
    }
    return &m_mainWindow->engineLink()->main();
}

void frmCosting::printWindow()
{
    printWindowImage(this, QStringLiteral("The form can't be printed."));
}

} // namespace vexa::app
