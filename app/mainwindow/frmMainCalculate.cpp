#include "mainwindow/frmMain.h"

#include "common/EngineError.h"
#include "common/MessageBoxes.h"
#include "common/NumberInput.h"
#include "common/NumberText.h"
#include "mainwindow/CostingLink.h"
#include "reports/frmAdditionalInformation.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace vexa::app {

namespace {

// A number the checks have accepted, as the float the engine takes.
float checkedFloat(const QString& text)
{
    return static_cast<float>(readNumber(text).value_or(0.0));
}

// A number the checks have accepted, rounded to a whole number, halves to even.
int32_t checkedWhole(const QString& text)
{
    return num::toInt32(readNumber(text).value_or(0.0));
}

QString decimalText(float value)
{
    return QString::fromStdString(num::shortestText(value));
}

QString decimalText(double value)
{
    return QString::fromStdString(num::shortestText(value));
}

QString decimalText(int32_t value)
{
    return QString::number(value);
}

FinType finTypeOf(const QString& text)
{
    return text == QLatin1String("Louvre") ? FinType::Louvre : FinType::Ripple;
}

FinMat finMaterialOf(const QString& text)
{
    if (text == QLatin1String("Copper")) {
        return FinMat::Copper;
    }
    if (text == QLatin1String("Vinyl")) {
        return FinMat::Vinyl;
    }
    if (text == QLatin1String("Blygold")) {
        return FinMat::Blygold;
    }
    return FinMat::Aluminium;
}

const QString kNotApplicable = QStringLiteral("n/a");

} // namespace

bool frmMain::calculate()
{
    prepareCostingWindow();
    const CheckOutcome outcome = checkDesignEntry(entry());
    if (outcome.twoSectionNotice) {
        inform(this, kTwoSectionTitle, kTwoSectionMessage);
    }
    if (outcome.refusal) {
        refuse(*outcome.refusal);
        failCalculation();
        return false;
    }
    try {
        exchangeWithEngine();
        showResults();
    } catch (const EngineError& error) {
        // A value the engine refuses, or a step it cannot carry out: say so and
        // leave no half-written results behind.
        inform(this, QStringLiteral("Calculation Not Possible"), QString::fromStdString(error.description()));
        failCalculation();
        return false;
    }
    if (!judge()) {
        failCalculation();
        return false;
    }
    setResultCommandsEnabled(true);
    return true;
}

void frmMain::prepareCostingWindow()
{
    if (m_costing != nullptr) {
        m_costing->prepareForCalculation(coilOption() == CoilOption::HeatPipeOnly);
    }
}

DesignEntry frmMain::entry() const
{
    DesignEntry e;
    e.selectMode = selectMode();
    e.wetBulbInput = wetBulbInput();
    e.coil = coilOption();
    e.usingBinData = m_costing != nullptr && m_costing->usingBinData();
    e.db1 = txtDB[1]->text();
    e.wb1 = txtWB[1]->text();
    e.rh1 = txtRH[1]->text();
    e.db3 = txtDB[3]->text();
    e.db4 = txtDB[4]->text();
    e.wb4 = txtWB[4]->text();
    e.rh4 = txtRH[4]->text();
    e.finType = cmbFinType->currentText();
    e.rows = cmbRows->currentText();
    e.fpi = cmbFPI->currentText();
    e.finTypeCC = cmbFinTypeCC->currentText();
    e.winTemp = txtWinTemp->text();
    e.woutTemp = txtWoutTemp->text();
    e.evapTemp = txtEvapTemp->text();
    e.height = txtHeight->text();
    e.width = txtWidth->text();
    e.airFlow = txtAirVol->text();
    e.finMaterial = cmbFinMatCC->currentText();
    return e;
}

void frmMain::refuse(const Refusal& refusal)
{
    inform(this, refusal.title, refusal.message);
    auto* box = findChild<QWidget*>(refusal.box);
    if (box == nullptr) {
        return;
    }
    box->setFocus();
    if (auto* text = qobject_cast<QLineEdit*>(box); text != nullptr && refusal.empty) {
        text->clear();
    }
}

void frmMain::exchangeWithEngine()
{
    EngineLink& main = engine();
    main.setVexaApplicationType(VexaType::UK);
    switch (coilOption()) {
    case CoilOption::HeatPipeOnly:
        main.setHeatpipeType(Heatpipe::Heat_Pipe_Only);
        break;
    case CoilOption::Refrigerant:
        main.setHeatpipeType(Heatpipe::Refrigerant);
        break;
    case CoilOption::ChilledWater:
        main.setHeatpipeType(Heatpipe::Chilled_Water);
        break;
    }
    main.setDryBulb_1(checkedFloat(txtDB[1]->text()));
    // The tube diameter box serves the other ranges; the UK range always uses "12".
    main.setTubeDiameter(main.VexaApplicationType() == VexaType::Sharjah
                             ? TubeDiameter->currentText().trimmed().toStdString()
                             : std::string("12"));
    main.setFinType_Heatpipe(cmbFinType->currentText() == QLatin1String("Louvre") ? FinType::Louvre
                                                                                  : FinType::Ripple);
    main.setOptMode(selectMode() ? SELECTorRATE::Selection_Mode : SELECTorRATE::Rating_Mode);
    main.setFinMaterial(finMaterialOf(cmbFinMatCC->currentText()));
    if (coilOption() != CoilOption::HeatPipeOnly) {
        main.setFinType_CoolingCoil(finTypeOf(cmbFinTypeCC->currentText()));
        if (coilOption() == CoilOption::ChilledWater) {
            main.setInletWaterTemp(checkedFloat(txtWinTemp->text()));
            main.setOutletWaterTemp(checkedFloat(txtWoutTemp->text()));
        } else {
            main.setEvaporatingTemperature(checkedFloat(txtEvapTemp->text()));
        }
    }
    if (selectMode()) {
        main.setOptWetBulb(wetBulbInput() ? WBorRH::Wet_Bulb : WBorRH::Relative_Humidity);
        main.setDryBulb_4(checkedFloat(txtDB[4]->text()));
        if (wetBulbInput()) {
            main.setWetBulb_1(checkedFloat(txtWB[1]->text()));
            main.setWetBulb_4(checkedFloat(txtWB[4]->text()));
        } else {
            main.setRelativeHumidity_1(checkedFloat(txtRH[1]->text()));
            main.setRelativeHumidity_4(checkedFloat(txtRH[4]->text()));
        }
    } else {
        if (wetBulbInput()) {
            main.setOptWetBulb(WBorRH::Wet_Bulb);
            main.setWetBulb_1(checkedFloat(txtWB[1]->text()));
        } else {
            main.setOptWetBulb(WBorRH::Relative_Humidity);
            main.setRelativeHumidity_1(checkedFloat(txtRH[1]->text()));
        }
        main.setDryBulb_3(checkedFloat(txtDB[3]->text()));
        main.setFPI_Heatpipe(checkedWhole(cmbFPI->currentText()));
        main.setNoOfRowsHeatpipe(checkedWhole(cmbRows->currentText()));
    }
    main.setFinned_Height(checkedWhole(txtHeight->text()));
    main.setFinned_Width(checkedWhole(txtWidth->text()));
    main.setAirFlowRate(checkedFloat(txtAirVol->text()));
    main.InitiateMainCalculations();
}

void frmMain::showResults()
{
    const Main& r = engine().main();
    if (wetBulbInput()) {
        txtRH[1]->setText(decimalText(r.RelativeHumidity_1()));
    } else {
        txtWB[1]->setText(decimalText(r.WetBulb_1()));
    }
    txtW[1]->setText(decimalText(r.HumidityRatio_1()));
    txtE[1]->setText(decimalText(r.Enthaply_1()));

    txtDB[2]->setText(decimalText(r.DryBulb_2()));
    txtWB[2]->setText(decimalText(r.WetBulb_2()));
    txtRH[2]->setText(decimalText(r.RelativeHumidity_2()));
    txtW[2]->setText(decimalText(r.HumidityRatio_2()));
    txtE[2]->setText(decimalText(r.Enthaply_2()));

    if (selectMode()) {
        txtDB[3]->setText(decimalText(r.DryBulb_3()));
    }
    txtWB[3]->setText(decimalText(r.WetBulb_3()));
    txtRH[3]->setText(decimalText(r.RelativeHumidity_3()));
    txtW[3]->setText(decimalText(r.HumidityRatio_3()));
    txtE[3]->setText(decimalText(r.Enthaply_3()));

    if (!selectMode()) {
        txtDB[4]->setText(decimalText(r.DryBulb_4()));
        txtWB[4]->setText(decimalText(r.WetBulb_4()));
        txtRH[4]->setText(decimalText(r.RelativeHumidity_4()));
    } else if (wetBulbInput()) {
        txtRH[4]->setText(decimalText(r.RelativeHumidity_4()));
    } else {
        txtWB[4]->setText(decimalText(r.WetBulb_4()));
    }
    txtW[4]->setText(decimalText(r.HumidityRatio_4()));
    txtE[4]->setText(decimalText(r.Enthaply_4()));

    txtPreCoolSave->setText(decimalText(r.PreCoolSaving()));
    txtQt->setText(decimalText(r.Duty()));
    txtReHeatSave->setText(decimalText(r.ReHeatSaving()));
    txtEff->setText(decimalText(r.Effectivness()));
    txtArea->setText(decimalText(r.ActualFaceArea()));
    txtAirVel->setText(decimalText(r.ActualFaceVelocity()));
    txtPD->setText(decimalText(r.PressureDrop()));
    if (selectMode()) {
        cmbFPI->setEditText(decimalText(r.FPI_Heatpipe()));
        cmbRows->setEditText(decimalText(r.NoOfRowsHeatpipe()));
    }
    const bool coil = coilOption() != CoilOption::HeatPipeOnly;
    if (coil) {
        txtCCFPI->setText(decimalText(r.FPI_CoolingCoil()));
        txtCCRows->setText(decimalText(r.NoOfRowsCoolingCoil()));
        txtPDCCAir->setText(decimalText(r.AirPressureDrop()));
        txtPDCCWater->setText(decimalText(r.FluidPressureDrop()));
        txtCoilCode->setText(QString::fromStdString(r.CoilCode()));
        txtPDTotal->setText(decimalText(r.TotalPressureDrop()));
    }
    if (m_costing != nullptr) {
        m_costing->showConfiguration(
            CostingConfiguration{decimalText(r.FPI_Heatpipe()), decimalText(r.NoOfRowsHeatpipe()),
                                 coil ? decimalText(r.FPI_CoolingCoil()) : kNotApplicable,
                                 coil ? decimalText(r.NoOfRowsCoolingCoil()) : kNotApplicable,
                                 coil ? QString::fromStdString(r.CoilCode()) : kNotApplicable});
    }
}

bool frmMain::judge()
{
    const Main& r = engine().main();
    if (r.NoOfRowsHeatpipe() >= 4) {
        inform(this, QStringLiteral("Reheat Too High"),
               QStringLiteral("Reheat temperature too high: Reduce T4"));
        txtDB[4]->setFocus();
        txtDB[4]->clear();
        m_engine.reset();
        return false;
    }
    if (r.NoOfRowsCoolingCoil() >= 9 && coilOption() != CoilOption::HeatPipeOnly) {
        inform(this, QStringLiteral("Warning"),
               QStringLiteral("Too many rows! Reduce face velocity or fluid temperature. To reduce the face "
                              "velocity increase the overall size of the cooling coil or reduce the air "
                              "volumetric flow rate "));
        m_engine.reset();
        return false;
    }
    if (m_costing != nullptr) {
        m_costing->showJudgedDesign(decimalText(r.TubesHigh()), txtWidth->text(), cmbFinMatCC->currentText());
    }
    m_additionalInformation->showEngineeringValues(r);
    return true;
}

void frmMain::failCalculation()
{
    setResultCommandsEnabled(false);
    clearResults();
}

} // namespace vexa::app
