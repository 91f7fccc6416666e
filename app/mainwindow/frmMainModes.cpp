#include "mainwindow/frmMain.h"

#include "common/BoxLook.h"
#include "common/Pictures.h"
#include "mainwindow/CostingLink.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace vexa::app {

namespace {

void setBold(QWidget* widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

// Shows or hides a box together with the label that names it.
void showWithLabel(QWidget* box, bool shown)
{
    box->setVisible(shown);
    if (QWidget* parent = box->parentWidget()) {
        for (QLabel* label : parent->findChildren<QLabel*>()) {
            if (label->buddy() == box) {
                label->setVisible(shown);
            }
        }
    }
}

template <typename... Boxes>
void makeResults(Boxes*... boxes)
{
    (makeResult(boxes), ...);
}

} // namespace

bool frmMain::selectMode() const
{
    return optSelect->isChecked();
}

bool frmMain::wetBulbInput() const
{
    return optWB->isChecked();
}

CoilOption frmMain::coilOption() const
{
    if (optWater->isChecked()) {
        return CoilOption::ChilledWater;
    }
    if (optEvap->isChecked()) {
        return CoilOption::Refrigerant;
    }
    return CoilOption::HeatPipeOnly;
}

void frmMain::wireModes()
{
    const auto onChosen = [this](QRadioButton* option, void (frmMain::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool chosen) {
            if (chosen) {
                (this->*handler)();
            }
        });
    };
    onChosen(optSelect, &frmMain::selectModeChosen);
    onChosen(optRate, &frmMain::rateModeChosen);
    onChosen(optWB, &frmMain::wetBulbInputChosen);
    onChosen(OptRH, &frmMain::humidityInputChosen);
    onChosen(optHponly, &frmMain::heatPipeOnlyChosen);
    onChosen(optWater, &frmMain::chilledWaterChosen);
    onChosen(optEvap, &frmMain::refrigerantChosen);
}

// Selects the option; when it is selected already its handler runs all the same,
// as choosing it from the toolbar always does.
void frmMain::runOption(QRadioButton* option, void (frmMain::*handler)())
{
    if (option->isChecked()) {
        (this->*handler)();
    } else {
        option->setChecked(true);
    }
}

void frmMain::clearResults()
{
    for (size_t state = 1; state <= 4; ++state) {
        txtW.at(state)->clear();
        txtE.at(state)->clear();
    }
    for (QLineEdit* box :
         {txtDB[2], txtWB[2], txtWB[3], txtRH[2], txtRH[3], txtArea, txtAirVel, txtPDTotal, txtEff, txtPD,
          txtCCRows, txtCCFPI, txtPDCCAir, txtPDCCWater, txtCoilCode, txtPreCoolSave, txtQt, txtReHeatSave}) {
        box->clear();
    }
    if (selectMode()) {
        txtDB[3]->clear();
        cmbRows->setEditText(QString());
        cmbFPI->setEditText(QString());
    } else {
        txtDB[4]->clear();
        txtWB[4]->clear();
    }
    if (wetBulbInput()) {
        txtRH[1]->clear();
        txtRH[4]->clear();
    } else {
        txtWB[1]->clear();
        (selectMode() ? txtWB[4] : txtRH[4])->clear();
    }
}

void frmMain::updateStatusBar()
{
    const int size = 16;
    if (selectMode()) {
        m_modePanel->setText(QStringLiteral("Selection "));
        m_modePicture->setPixmap(picture(Picture::Selection, size));
    } else {
        m_modePanel->setText(QStringLiteral("Rating "));
        m_modePicture->setPixmap(picture(Picture::Rating, size));
    }
    switch (coilOption()) {
    case CoilOption::HeatPipeOnly:
        m_coilPanel->setText(QStringLiteral("Heat Pipe "));
        m_coilPicture->setPixmap(picture(Picture::HeatPipe, size));
        break;
    case CoilOption::ChilledWater:
        m_coilPanel->setText(QStringLiteral("Heat Pipe and Chilled Water Coil "));
        m_coilPicture->setPixmap(picture(Picture::WaterCoil, size));
        break;
    case CoilOption::Refrigerant:
        m_coilPanel->setText(QStringLiteral("Heat Pipe and Refrigerant Coil "));
        m_coilPicture->setPixmap(picture(Picture::RefrigerantCoil, size));
        break;
    }
}

void frmMain::selectModeChosen()
{
    clearResults();
    if (m_costing != nullptr) {
        m_costing->selectionModeChosen();
    }
    makeInput(txtDB[1]);
    if (wetBulbInput()) {
        makeInput(txtWB[1]);
        makeResult(txtRH[1]);
    } else {
        makeInput(txtRH[1]);
        makeResult(txtWB[1]);
    }
    makeResults(txtW[1], txtE[1], txtDB[2], txtWB[2], txtRH[2], txtW[2], txtE[2], txtDB[3], txtWB[3],
                txtRH[3], txtW[3], txtE[3]);
    makeInput(txtDB[4], QStringLiteral("18"));
    if (wetBulbInput()) {
        makeInput(txtWB[4], QStringLiteral("14"));
        makeResult(txtRH[4]);
    } else {
        makeResult(txtWB[4]);
        makeInput(txtRH[4], QStringLiteral("63"));
    }
    makeResults(txtW[4], txtE[4]);
    makeResult(cmbRows);
    makeResult(cmbFPI);
    updateStatusBar();
    txtDB[4]->setFocus();
    setResultCommandsEnabled(false);
}

void frmMain::rateModeChosen()
{
    clearResults();
    if (m_costing != nullptr) {
        m_costing->ratingModeChosen();
    }
    makeInput(txtDB[1]);
    if (wetBulbInput()) {
        makeInput(txtWB[1]);
        makeResult(txtRH[1]);
    } else {
        makeInput(txtRH[1]);
        makeResult(txtWB[1]);
    }
    makeResults(txtW[1], txtE[1], txtDB[2], txtWB[2], txtRH[2], txtW[2], txtE[2]);
    makeInput(txtDB[3], QStringLiteral("14"));
    makeResults(txtWB[3], txtRH[3], txtW[3], txtE[3], txtDB[4], txtWB[4], txtRH[4], txtW[4], txtE[4]);
    makeInput(cmbRows);
    makeInput(cmbFPI);
    updateStatusBar();
    txtDB[3]->setFocus();
    setResultCommandsEnabled(false);
}

void frmMain::wetBulbInputChosen()
{
    clearResults();
    setBold(optWB, true);
    setBold(OptRH, false);
    makeInput(txtDB[1]);
    makeInput(txtWB[1], QStringLiteral("27.5"));
    makeResults(txtRH[1], txtW[1], txtE[1], txtDB[2], txtWB[2], txtRH[2], txtW[2], txtE[2]);
    if (selectMode()) {
        makeResults(txtDB[3], txtWB[3], txtRH[3], txtW[3], txtE[3]);
        makeInput(txtDB[4], QStringLiteral("18"));
        makeInput(txtWB[4], QStringLiteral("14"));
    } else {
        makeInput(txtDB[3], QStringLiteral("14"));
        makeResults(txtWB[3], txtRH[3], txtW[3], txtE[3], txtDB[4], txtWB[4]);
    }
    makeResults(txtRH[4], txtW[4], txtE[4]);
    setResultCommandsEnabled(false);
}

void frmMain::humidityInputChosen()
{
    clearResults();
    txtRH[1]->setFocus();
    setBold(OptRH, true);
    setBold(optWB, false);
    makeInput(txtDB[1]);
    makeResult(txtWB[1]);
    makeInput(txtRH[1], QStringLiteral("65"));
    makeResults(txtW[1], txtE[1], txtDB[2], txtWB[2], txtRH[2], txtW[2], txtE[2]);
    if (selectMode()) {
        makeResults(txtDB[3], txtWB[3], txtRH[3], txtW[3], txtE[3]);
        makeInput(txtDB[4], QStringLiteral("18"));
        makeResult(txtWB[4]);
        makeInput(txtRH[4], QStringLiteral("63"));
    } else {
        makeInput(txtDB[3], QStringLiteral("14"));
        makeResults(txtWB[3], txtRH[3], txtW[3], txtE[3], txtDB[4], txtWB[4], txtRH[4]);
    }
    makeResults(txtW[4], txtE[4]);
    // The box became an input only now; give it the focus it was meant to have.
    txtRH[1]->setFocus();
    setResultCommandsEnabled(false);
}

void frmMain::showCoolingCoil(bool water, bool refrigerant)
{
    const bool coil = water || refrigerant;
    showWithLabel(txtWinTemp, water);
    showWithLabel(txtWoutTemp, water);
    showWithLabel(txtEvapTemp, refrigerant);
    showWithLabel(cmbFinTypeCC, coil);
    m_coolingCoilResults->setVisible(coil);
    for (QLineEdit* box : {txtCCRows, txtCCFPI, txtCoilCode, txtPDCCAir, txtPDTotal}) {
        showWithLabel(box, coil);
    }
    showWithLabel(txtPDCCWater, water);
}

void frmMain::afterCoilOptionChosen()
{
    setResultCommandsEnabled(false);
    updateStatusBar();
}

void frmMain::heatPipeOnlyChosen()
{
    clearResults();
    showCoolingCoil(false, false);
    afterCoilOptionChosen();
}

void frmMain::chilledWaterChosen()
{
    clearResults();
    showCoolingCoil(true, false);
    afterCoilOptionChosen();
}

void frmMain::refrigerantChosen()
{
    clearResults();
    showCoolingCoil(false, true);
    afterCoilOptionChosen();
}

} // namespace vexa::app
