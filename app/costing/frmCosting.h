#pragma once

#include "costing/CostExchange.h"
#include "mainwindow/CostingLink.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vexa {
class Main;
}

namespace vexa::app {

class frmMain;

// The costing window: the build options of a calculated unit, its price, size,
// weight and payback through the engine's Cost, and the way on to the drawing
// dialogs and the summary. Other windows read its controls by their object
// names (txtSizes, lstdpcost, optHorseshoe, cmbVerHor, chkElims...).
class frmCosting : public QMainWindow, public CostingLink {
    Q_OBJECT
public:
    // Reads the stored country, energy cost and exchange rate at once.
    explicit frmCosting(frmMain* mainWindow);
    ~frmCosting() override;

    // "Print" opens the summary through this.
    void setSummaryOpener(std::function<void()> open) { m_openSummary = std::move(open); }
    // "GA" costs the unit, hides this window and calls this, which opens the
    // dimension dialog for the unit. Without one "GA" stays disabled.
    void setDimensionDialogOpener(std::function<void(QWidget* costingWindow, vexa::Main& main)> open)
    {
        m_openDimensionDialog = std::move(open);
    }
    void setCostExchangeFactory(CostExchangeFactory factory) { m_exchangeFactory = std::move(factory); }

    // "Cal": true when the unit was costed and the results are shown.
    bool calculate();
    // "GA": costs the unit, then hands over to the dimension dialog.
    void openDimensionDialog();
    // "Close" (button true) and "File" > "Close Costing Window" (false).
    void closeCostingWindow(bool closeButton);
    // Empties the savings, prices, size and weight; disables "Print", "GA", "Save ".
    void clearCostingResults();

    // What the main window asks.
    void selectionModeChosen() override;
    void ratingModeChosen() override;
    void prepareForCalculation(bool heatPipeOnly) override;
    bool usingBinData() const override;
    void showConfiguration(const CostingConfiguration& configuration) override;
    void showJudgedDesign(const QString& tubesHigh, const QString& finnedLength,
                          const QString& finMaterial) override;
    void open(bool heatPipeOnly) override;
    CostingSettings settings() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window.
    void buildMenus();
    QWidget* buildConfiguration();
    QWidget* buildSizeWeight();
    QWidget* buildOptions();
    QWidget* buildPayback();
    QWidget* buildPrices();
    QWidget* buildButtons();
    QLineEdit* newBox(const char* name, const QString& text = QString(), bool result = true);
    QComboBox* newList(const char* name, const QStringList& entries);
    void wireOptions();

    // Loading.
    void fillCountries();
    void readStoredSettings();

    // The option handlers.
    void countryChosen(int index);
    void horseshoeChosen();
    void straightChosen();
    void orientationChosen();
    void drainpanChosen();
    void casingChosen();
    void designConditionsChosen();
    void tickEliminatorsForVerticalWithDrainpan();

    // The "Cal" steps.
    bool validateCostingInputs();
    bool refuse(QWidget* focus, const QString& title, const QString& text);
    void exchangeWithEngine(CostExchange& cost);
    void showResults(const CostExchange& cost);
    void costingSucceeded();

    bool heatPipeOnly() const;
    QString grossMarginText() const;
    Main* engineMain() const;
    void printWindow();

    QPointer<frmMain> m_mainWindow;
    CostExchangeFactory m_exchangeFactory;
    std::function<void()> m_openSummary;
    std::function<void(QWidget*, vexa::Main&)> m_openDimensionDialog;
    bool m_failed = false;

    std::array<QLineEdit*, 8> m_configuration{};
    QLineEdit *txtfpihpcost = nullptr, *txtnorowshpcost = nullptr, *txtfpicccost = nullptr,
              *txtnorowscccost = nullptr, *txtthcost = nullptr, *txtflcost = nullptr,
              *txtfinmatcost = nullptr, *txtcoilcodecost = nullptr;
    QLineEdit *txtSizes = nullptr, *txtWeight = nullptr;
    QComboBox *lstcasematcost = nullptr, *lstdpcost = nullptr, *cmbVerHor = nullptr, *cmbCountry = nullptr;
    QCheckBox *chkDPCaseMat = nullptr, *chkElims = nullptr, *chkExPack = nullptr;
    QRadioButton *optHorseshoe = nullptr, *optStraight = nullptr, *optPaybackDesign = nullptr,
                 *optBinPayback = nullptr;
    QGroupBox* m_payback = nullptr;
    QWidget* m_prices = nullptr;
    QLabel *m_exchangeRateLabel = nullptr, *m_energyCostLabel = nullptr, *m_runningHoursLabel = nullptr;
    QLabel *m_precoolLabel = nullptr, *m_reheatLabel = nullptr, *m_energySavingLabel = nullptr;
    QLineEdit *txtExchangeRate = nullptr, *txtenergycost = nullptr, *txtannualruncost = nullptr;
    QLineEdit *txtannualprecoolcost = nullptr, *txtannualreheatcost = nullptr, *txtannualenergycost = nullptr,
              *txtpaybackcost = nullptr;
    QPushButton* m_selectBinData = nullptr;
    QLineEdit* m_binCity = nullptr;
    QGroupBox* m_foreignPrice = nullptr;
    QLineEdit *txtPriceCostSterling = nullptr, *txtPriceCostForeign = nullptr, *txtAdditionalCost = nullptr,
              *txtExPackPrice = nullptr, *txtPrice = nullptr;
    QPushButton *CmdAddItem = nullptr, *CmdGArrangement = nullptr, *cmdSummary = nullptr, *cmdcost = nullptr,
                *cmdclosecost = nullptr;
};

} // namespace vexa::app
