#pragma once

#include "common/CostingSettings.h"
#include "mainwindow/CalculationChecks.h"
#include "mainwindow/EngineLink.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolBar;

namespace vexa::app {

class CostingLink;
class frmAdditionalInformation;

// The main design window: the design inputs, the results of the last calculation,
// the mode options and the commands that reach every other window. Other windows
// read and write its controls by their object names (txtDB1, cmbFPI, Command1...).
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Connections to windows that come and go.
    void setCostingLink(CostingLink* link) { m_costing = link; }
    void setEngineFactory(EngineFactory factory) { m_engineFactory = std::move(factory); }
    // "Print" and "Psych" open the summary and the chart once those windows exist.
    void setSummaryOpener(std::function<void()> open) { m_openSummary = std::move(open); }
    void setChartOpener(std::function<void()> open) { m_openChart = std::move(open); }
    // What ends the program (the application's exit, unless a test watches it).
    void setProgramEnd(std::function<void()> end) { m_endProgram = std::move(end); }
    // The settings read at start; kept when there is no costing window to ask.
    void setCostingSettings(const CostingSettings& settings) { m_costingSettings = settings; }

    // The start-up action: wet-bulb input with its usual air on and off conditions,
    // then the window is shown.
    void startUpAction();

    // The calculate command ("Cal"); true when the design was calculated and passed
    // its judgement.
    bool calculate();

    // Makes "Info" visible (the access code, or a start without an order).
    void revealAdditionalInformation();
    frmAdditionalInformation* additionalInformation() const { return m_additionalInformation; }

    // Toolbar buttons by position, 1 to 14 (3, 7, 10 and 12 are separators).
    QAction* toolbarButton(int position) const;

    // "GA", "Print", "Psych" and toolbar buttons 9 and 11, which need a calculated design.
    void setResultCommandsEnabled(bool enabled);

    // "Exit Program" and closing the window: save the costing settings, then end.
    void exitProgram();
    // "File" > "Exit": end at once, without saving.
    void endAtOnce();

    // The mode handlers, as the options and the toolbar run them.
    void selectModeChosen();
    void rateModeChosen();
    void wetBulbInputChosen();
    void humidityInputChosen();
    void heatPipeOnlyChosen();
    void chilledWaterChosen();
    void refrigerantChosen();

    // Empties the result boxes of the mode in force.
    void clearResults();

    bool hasEngine() const { return m_engine != nullptr; }
    // The engine of the last calculation, or nullptr when there is none.
    EngineLink* engineLink() const { return m_engine.get(); }
    // The program's Main object of the last calculation, or none.
    Main* engineMain() { return m_engine != nullptr ? &m_engine->main() : nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window.
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    QWidget* buildSelectOrRate();
    QWidget* buildGeneral();
    QWidget* buildSchematic();
    QWidget* buildHeatPipe();
    QWidget* buildCoolingCoil();
    QWidget* buildProperties();
    QWidget* buildButtons();
    QLineEdit* newBox(const char* name, const QString& text, bool input);
    QComboBox* newCombo(const char* name, const QStringList& items, const QString& text);
    QLabel* newLabel(const QString& caption, const char* name = nullptr);
    void wireModes();
    void wireKeyboard();

    // Mode helpers.
    bool selectMode() const;
    bool wetBulbInput() const;
    CoilOption coilOption() const;
    void updateStatusBar();
    void showCoolingCoil(bool water, bool refrigerant);
    void afterCoilOptionChosen();
    void runOption(QRadioButton* option, void (frmMain::*handler)());

    // The calculate command's steps.
    void prepareCostingWindow();
    DesignEntry entry() const;
    void refuse(const Refusal& refusal);
    void exchangeWithEngine();
    void showResults();
    bool judge();
    void failCalculation();

    void openCostingWindow();
    void openSummary();
    void openChart();
    void openHelp();
    void saveSettingsAndEnd();

    EngineLink& engine();

    CostingLink* m_costing = nullptr;
    EngineFactory m_engineFactory;
    std::unique_ptr<EngineLink> m_engine;
    std::function<void()> m_openSummary;
    std::function<void()> m_openChart;
    std::function<void()> m_endProgram;
    CostingSettings m_costingSettings;
    bool m_ending = false;

    frmAdditionalInformation* m_additionalInformation = nullptr;
    QToolBar* m_toolbar = nullptr;
    std::array<QAction*, 15> m_toolbarButtons{};
    QLabel* m_modePanel = nullptr;
    QLabel* m_modePicture = nullptr;
    QLabel* m_coilPanel = nullptr;
    QLabel* m_coilPicture = nullptr;

    QRadioButton *optSelect = nullptr, *optRate = nullptr, *optWB = nullptr, *OptRH = nullptr;
    QRadioButton *optHponly = nullptr, *optWater = nullptr, *optEvap = nullptr;
    QLineEdit *txtHeight = nullptr, *txtWidth = nullptr, *txtAirVol = nullptr, *txtPressure = nullptr;
    QComboBox* cmbFinMatCC = nullptr;
    std::array<QLineEdit*, 5> txtDB{}, txtWB{}, txtRH{}, txtW{}, txtE{};
    QLineEdit *txtPreCoolSave = nullptr, *txtQt = nullptr, *txtReHeatSave = nullptr;
    QComboBox *cmbFinType = nullptr, *cmbRows = nullptr, *cmbFPI = nullptr, *TubeDiameter = nullptr;
    QLineEdit *txtWinTemp = nullptr, *txtWoutTemp = nullptr, *txtEvapTemp = nullptr;
    QComboBox* cmbFinTypeCC = nullptr;
    QLineEdit *txtArea = nullptr, *txtAirVel = nullptr, *txtPDTotal = nullptr, *txtEff = nullptr,
              *txtPD = nullptr;
    QLineEdit *txtCCRows = nullptr, *txtCCFPI = nullptr, *txtPDCCAir = nullptr, *txtPDCCWater = nullptr,
              *txtCoilCode = nullptr;
    QPushButton *Command1 = nullptr, *cmdcosting = nullptr, *cmdSummary = nullptr, *cmdpsych = nullptr,
                *cmdAdditionalInformation = nullptr;
    QGroupBox* m_coolingCoilResults = nullptr;
};

} // namespace vexa::app
