// The costing window's options: the country list and the stored settings, the
// handlers of the build options, and what the main window asks of the window.
#include "costing/Countries.h"
#include "costing/frmCosting.h"

#include "common/MessageBoxes.h"
#include "common/NumberText.h"
#include "common/ProgramFlags.h"
#include "mainwindow/frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

namespace vexa::app {

namespace {

const QString kNoDrainpan = QStringLiteral("No Drainpan");

QString currencyLabel(const char* before, const QString& currency, const char* after)
{
    return QLatin1String(before) + currency + QLatin1String(after);
}

} // namespace

void frmCosting::wireOptions()
{
    connect(cmbCountry, &QComboBox::currentIndexChanged, this, &frmCosting::countryChosen);
    connect(optHorseshoe, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            horseshoeChosen();
        }
    });
    connect(optStraight, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            straightChosen();
        }
    });
    connect(cmbVerHor, &QComboBox::currentIndexChanged, this, &frmCosting::orientationChosen);
    connect(lstdpcost, &QComboBox::currentIndexChanged, this, &frmCosting::drainpanChosen);
    connect(lstcasematcost, &QComboBox::currentIndexChanged, this, &frmCosting::casingChosen);
    connect(optPaybackDesign, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            designConditionsChosen();
        }
    });
    connect(optBinPayback, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            clearCostingResults();
        }
    });
    for (QCheckBox* box : {chkElims, chkDPCaseMat}) {
        connect(box, &QCheckBox::toggled, this, &frmCosting::clearCostingResults);
    }
    for (QLineEdit* box : {txtenergycost, txtannualruncost, txtExchangeRate, txtAdditionalCost}) {
        connect(box, &QLineEdit::textChanged, this, &frmCosting::clearCostingResults);
    }
    for (QLineEdit* box : {txtenergycost, txtannualruncost, txtExchangeRate}) {
        box->installEventFilter(this);
    }
}

void frmCosting::fillCountries()
{
    const QSignalBlocker quiet(cmbCountry);
    for (const CostingCountry& country : kCostingCountries) {
        cmbCountry->addItem(QString::fromUtf8(country.entry));
    }
    cmbCountry->setCurrentIndex(0);
    countryChosen(0);
}

// A missing, empty or unreadable country index leaves the first country with its
// defaults, and the stored energy cost and exchange rate are then not read.
void frmCosting::readStoredSettings()
{
    QSettings stored(QStringLiteral("ArdelVexa"), QStringLiteral("ArdelVexa"));
    stored.beginGroup(QStringLiteral("PaybackCalc"));
    bool isIndex = false;
    const int index = stored.value(QStringLiteral("Country")).toString().trimmed().toInt(&isIndex);
    if (!isIndex || index < 0 || index >= cmbCountry->count()) {
        return;
    }
    cmbCountry->setCurrentIndex(index);
    // An empty stored text would only empty a box the country has just filled.
    const QString energyCost = stored.value(QStringLiteral("EnergyCost")).toString();
    if (!energyCost.isEmpty()) {
        txtenergycost->setText(energyCost);
    }
    const QString exchangeRate = stored.value(QStringLiteral("ExchangeRate")).toString();
    if (!exchangeRate.isEmpty()) {
        txtExchangeRate->setText(exchangeRate);
    }
}

CostingSettings frmCosting::settings() const
{
    return CostingSettings{QString::number(cmbCountry->currentIndex()), txtenergycost->text(),
                           txtExchangeRate->text()};
}

void frmCosting::countryChosen(int index)
{
    if (index < 0 || index >= int(kCostingCountries.size())) {
        return;
    }
    const CostingCountry& country = kCostingCountries[size_t(index)];
    const QString currency = QString::fromUtf8(country.currency);
    m_energyCostLabel->setText(currencyLabel("Energy Cost (", currency, "/kWh)"));
    m_precoolLabel->setText(currencyLabel("Annual Pre-Cool Saving (", currency, ")"));
    m_reheatLabel->setText(currencyLabel("Annual Re-Heat Saving (", currency, ")"));
    m_energySavingLabel->setText(currencyLabel("Annual Energy Saving (", currency, ")"));
    txtenergycost->setText(country.energyCost != nullptr ? QString::fromUtf8(country.energyCost) : QString());
    txtExchangeRate->setText(QString::fromStdString(num::shortestText(country.exchangeRate)));
    txtExchangeRate->setVisible(country.exchangeRateShown);
    m_exchangeRateLabel->setVisible(country.exchangeRateShown);
    m_foreignPrice->setTitle(currencyLabel("Ex-Works Price (", currency, ")"));
    m_foreignPrice->setVisible(country.foreignPriceShown);
    clearCostingResults();
}

void frmCosting::horseshoeChosen()
{
    cmbVerHor->hide();
    chkElims->hide();
    lstdpcost->setEnabled(false);
    chkDPCaseMat->setEnabled(false);
    lstdpcost->setCurrentIndex(0);
    chkElims->setChecked(false);
    chkDPCaseMat->setChecked(false);
    cmbVerHor->setCurrentIndex(cmbVerHor->findText(QStringLiteral("Vertical")));
    clearCostingResults();
}

void frmCosting::straightChosen()
{
    cmbVerHor->show();
    cmbVerHor->setEnabled(true);
    chkElims->show();
    chkElims->setEnabled(true);
    lstdpcost->setEnabled(true);
    clearCostingResults();
}

void frmCosting::tickEliminatorsForVerticalWithDrainpan()
{
    if (heatPipeOnly() && cmbVerHor->currentText() == QLatin1String("Vertical") &&
        lstdpcost->currentText() != kNoDrainpan) {
        chkElims->setChecked(true);
        inform(this, QStringLiteral("Moisture Carryover Likely"),
               QStringLiteral("Eliminators have been selected for a vertical Heat Pipe with drainpan.  If "
                              "deselected, then moisture carryover will result."));
    }
}

void frmCosting::orientationChosen()
{
    chkElims->setChecked(false);
    tickEliminatorsForVerticalWithDrainpan();
    clearCostingResults();
}

void frmCosting::drainpanChosen()
{
    tickEliminatorsForVerticalWithDrainpan();
    const bool drainpan = lstdpcost->currentText() != kNoDrainpan;
    if (!drainpan) {
        chkElims->setChecked(false);
        chkDPCaseMat->setChecked(false);
    }
    chkDPCaseMat->setEnabled(drainpan);
    clearCostingResults();
}

void frmCosting::casingChosen()
{
    if (lstcasematcost->currentText() == QLatin1String("Stainless sheet") &&
        lstdpcost->currentText() != kNoDrainpan) {
        chkDPCaseMat->setChecked(true);
        chkDPCaseMat->setEnabled(false);
    } else {
        chkDPCaseMat->setChecked(false);
        chkDPCaseMat->setEnabled(true);
    }
    clearCostingResults();
}

void frmCosting::designConditionsChosen()
{
    m_selectBinData->hide();
    m_binCity->hide();
    m_runningHoursLabel->show();
    txtannualruncost->show();
    clearCostingResults();
}

void frmCosting::clearCostingResults()
{
    for (QLineEdit* box :
         {txtannualprecoolcost, txtannualreheatcost, txtannualenergycost, txtpaybackcost,
          txtPriceCostSterling, txtPriceCostForeign, txtPrice, txtExPackPrice, txtSizes, txtWeight}) {
        box->clear();
    }
    cmdSummary->setEnabled(false);
    CmdGArrangement->setEnabled(false);
    CmdAddItem->setEnabled(false);
}

void frmCosting::selectionModeChosen()
{
    optPaybackDesign->setChecked(true);
    optPaybackDesign->setEnabled(false);
    optBinPayback->setEnabled(false);
}

void frmCosting::ratingModeChosen()
{
    optPaybackDesign->setEnabled(true);
    optBinPayback->setEnabled(true);
}

bool frmCosting::usingBinData() const
{
    return optBinPayback->isChecked();
}

void frmCosting::prepareForCalculation(bool heatPipeOnlyUnit)
{
    if (!heatPipeOnlyUnit) {
        for (QWidget* control :
             std::initializer_list<QWidget*>{optHorseshoe, optStraight, cmbVerHor, chkElims}) {
            control->hide();
        }
        lstdpcost->setEnabled(true);
        return;
    }
    if (optHorseshoe->isChecked()) {
        horseshoeChosen(); // selected again: its handler runs
        optStraight->hide();
        cmbVerHor->hide();
        chkElims->hide();
    } else if (optStraight->isChecked()) {
        optStraight->show();
        cmbVerHor->show();
        chkElims->show();
    }
    const bool horseshoe = optHorseshoe->isChecked();
    lstdpcost->setEnabled(!horseshoe);
    chkDPCaseMat->setEnabled(!horseshoe);
}

void frmCosting::showConfiguration(const CostingConfiguration& configuration)
{
    txtfpihpcost->setText(configuration.heatpipeFinsPerInch);
    txtnorowshpcost->setText(configuration.heatpipeRows);
    txtfpicccost->setText(configuration.coolingCoilFinsPerInch);
    txtnorowscccost->setText(configuration.coolingCoilRows);
    txtcoilcodecost->setText(configuration.coilCode);
}

void frmCosting::showJudgedDesign(const QString& tubesHigh, const QString& finnedLength,
                                  const QString& finMaterial)
{
    txtthcost->setText(tubesHigh);
    txtflcost->setText(finnedLength);
    txtfinmatcost->setText(finMaterial);
}

void frmCosting::open(bool heatPipeOnlyUnit)
{
    if (heatPipeOnlyUnit) {
        for (QRadioButton* style : {optHorseshoe, optStraight}) {
            style->show();
            style->setEnabled(true);
        }
    }
    show();
    raise();
    activateWindow();
}

void frmCosting::closeCostingWindow(bool closeButton)
{
    for (QLineEdit* box : m_configuration) {
        box->clear();
    }
    for (QLineEdit* box :
         {txtPriceCostSterling, txtPriceCostForeign, txtPrice, txtExPackPrice, txtannualprecoolcost,
          txtannualreheatcost, txtannualenergycost, txtpaybackcost, txtSizes, txtWeight}) {
        box->clear();
    }
    txtannualruncost->setText(QStringLiteral("3000"));
    txtAdditionalCost->setText(QStringLiteral("0"));
    lstcasematcost->setCurrentIndex(0);
    lstdpcost->setCurrentIndex(0);
    optPaybackDesign->setChecked(true);
    chkExPack->setChecked(false);
    for (QWidget* control : std::initializer_list<QWidget*>{optHorseshoe, optStraight, cmbVerHor, chkElims}) {
        control->setEnabled(false);
        control->hide();
    }
    if (closeButton) {
        cmdSummary->setEnabled(false);
        CmdGArrangement->setEnabled(false);
        programFlags().CostingDone = false;
    }
    hide();
    if (m_mainWindow != nullptr) {
        m_mainWindow->setResultCommandsEnabled(false);
        m_mainWindow->show();
    }
}

bool frmCosting::heatPipeOnly() const
{
    if (m_mainWindow == nullptr) {
        return true;
    }
    const auto* option = m_mainWindow->findChild<QRadioButton*>(QStringLiteral("optHponly"));
    return option != nullptr && option->isChecked();
}

} // namespace vexa::app
