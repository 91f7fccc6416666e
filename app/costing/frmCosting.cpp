#include "costing/frmCosting.h"

#include "common/BoxLook.h"
#include "common/HelpWindow.h"
#include "mainwindow/frmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace vexa::app {

namespace {

const QString kBinPaybackTip = QStringLiteral("Payback using bin data only available when in rating mode");

QLabel* caption(const QString& text)
{
    return new QLabel(text);
}

} // namespace

frmCosting::frmCosting(frmMain* mainWindow)
    : QMainWindow(nullptr), m_mainWindow(mainWindow), m_exchangeFactory(defaultCostExchangeFactory())
{
    setObjectName(QStringLiteral("frmCosting"));
    setWindowTitle(QStringLiteral(" Ardel Vexa GA"));
    buildMenus();

    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    left->addWidget(buildConfiguration());
    left->addWidget(buildSizeWeight());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildOptions());
    right->addStretch(1);
    right->addWidget(buildButtons());
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
    // The commercial inputs and the prices are kept out of sight: they take
    // their values from the country, the stored settings and the costing.
    columns->addWidget(buildPayback());
    columns->addWidget(buildPrices());
    setCentralWidget(central);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    wireOptions();
    fillCountries();
    readStoredSettings();
    lstdpcost->setCurrentIndex(0);
    lstcasematcost->setCurrentIndex(0);
    clearCostingResults();
}

frmCosting::~frmCosting() = default;

void frmCosting::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    QAction* close = file->addAction(QStringLiteral("Close Costing Window"));
    close->setObjectName(QStringLiteral("mnuCloseCosting"));
    connect(close, &QAction::triggered, this, [this] { closeCostingWindow(false); });
    QAction* print = file->addAction(QStringLiteral("Print Current Window"));
    print->setObjectName(QStringLiteral("mnuPrintCosting"));
    connect(print, &QAction::triggered, this, &frmCosting::printWindow);
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    QAction* contents = help->addAction(QStringLiteral("Vexa Help"));
    contents->setObjectName(QStringLiteral("mnuVexaHelp"));
    connect(contents, &QAction::triggered, this, [this] { HelpWindow::showTopics(this); });
}

QLineEdit* frmCosting::newBox(const char* name, const QString& text, bool result)
{
    auto* box = new QLineEdit(text);
    box->setObjectName(QLatin1String(name));
    if (result) {
        giveResultLook(box);
    } else {
        makeInput(box, text);
    }
    return box;
}

QComboBox* frmCosting::newList(const char* name, const QStringList& entries)
{
    auto* list = new QComboBox;
    list->setObjectName(QLatin1String(name));
    list->addItems(entries);
    return list;
}

QWidget* frmCosting::buildConfiguration()
{
    auto* group = new QGroupBox(QStringLiteral("Configuration"));
    group->setObjectName(QStringLiteral("fraConfiguration"));
    auto* grid = new QGridLayout(group);
    txtfpihpcost = newBox("txtfpihpcost");
    txtnorowshpcost = newBox("txtnorowshpcost");
    txtfpicccost = newBox("txtfpicccost");
    txtthcost = newBox("txtthcost");
    txtnorowscccost = newBox("txtnorowscccost");
    txtflcost = newBox("txtflcost");
    txtfinmatcost = newBox("txtfinmatcost");
    txtcoilcodecost = newBox("txtcoilcodecost");
    m_configuration = {txtfpihpcost,    txtnorowshpcost, txtfpicccost,  txtthcost,
                       txtnorowscccost, txtflcost,       txtfinmatcost, txtcoilcodecost};
    const std::array<const char*, 8> captions{
        "FPI (heatpipe) :",         "No.Rows (heatpipe) :", "FPI (cooling coil) :", "Tubes High :",
        "No.Rows (cooling coil) :", "Finned Length (mm) :", "Fin Material :",       "Coil Code :"};
    for (int i = 0; i < 8; ++i) {
        const int row = i / 2;
        const int column = (i % 2) * 2;
        grid->addWidget(caption(QString::fromUtf8(captions[size_t(i)])), row, column);
        m_configuration[size_t(i)]->setMinimumWidth(130);
        grid->addWidget(m_configuration[size_t(i)], row, column + 1);
    }
    return group;
}

QWidget* frmCosting::buildSizeWeight()
{
    auto* group = new QGroupBox(QStringLiteral("Size/Weight"));
    group->setObjectName(QStringLiteral("fraSizeWeight"));
    auto* grid = new QGridLayout(group);
    txtSizes = newBox("txtSizes");
    txtWeight = newBox("txtWeight");
    txtSizes->setMinimumWidth(200);
    grid->addWidget(caption(QStringLiteral("Height x Width x Depth (mm) :")), 0, 0);
    grid->addWidget(txtSizes, 0, 1);
    grid->addWidget(caption(QStringLiteral("Approximate Weight (kg) :")), 1, 0);
    grid->addWidget(txtWeight, 1, 1);
    return group;
}

QWidget* frmCosting::buildOptions()
{
    auto* group = new QGroupBox(QStringLiteral("Options"));
    group->setObjectName(QStringLiteral("fraOptions"));
    auto* grid = new QGridLayout(group);
    lstcasematcost =
        newList("lstcasematcost", {QStringLiteral("Galvanised sheet"), QStringLiteral("Stainless sheet")});
    lstdpcost = newList("lstdpcost", {QStringLiteral("No Drainpan"), QStringLiteral("Flat Drainpan"),
                                      QStringLiteral("Sloping Drainpan"), QStringLiteral("Perforated Base")});
    chkDPCaseMat = new QCheckBox(QStringLiteral("Stainless Steel Drainpan"));
    chkDPCaseMat->setObjectName(QStringLiteral("chkDPCaseMat"));
    chkDPCaseMat->setEnabled(false);
    optHorseshoe = new QRadioButton(QStringLiteral("Horseshoe Heat Pipe"));
    optHorseshoe->setObjectName(QStringLiteral("optHorseshoe"));
    optHorseshoe->setChecked(true);
    optStraight = new QRadioButton(QStringLiteral("Straight Heat Pipe"));
    optStraight->setObjectName(QStringLiteral("optStraight"));
    cmbVerHor = newList("cmbVerHor", {QStringLiteral("Vertical"), QStringLiteral("Horizontal")});
    chkElims = new QCheckBox(QStringLiteral("Eliminators"));
    chkElims->setObjectName(QStringLiteral("chkElims"));

    grid->addWidget(caption(QStringLiteral("Casing Material :")), 0, 0);
    grid->addWidget(lstcasematcost, 0, 1);
    grid->addWidget(caption(QStringLiteral("Drainpan Type :")), 1, 0);
    grid->addWidget(lstdpcost, 1, 1);
    grid->addWidget(chkDPCaseMat, 2, 1);
    grid->addWidget(optHorseshoe, 3, 0);
    grid->addWidget(optStraight, 4, 0);
    grid->addWidget(cmbVerHor, 4, 1);
    grid->addWidget(chkElims, 5, 1);
    // Shown by the calculate command and on opening, for a heat-pipe-only unit.
    for (QWidget* styleControl :
         std::initializer_list<QWidget*>{optHorseshoe, optStraight, cmbVerHor, chkElims}) {
        styleControl->hide();
    }
    return group;
}

QWidget* frmCosting::buildPayback()
{
    m_payback = new QGroupBox(QStringLiteral("Payback Calculation"));
    m_payback->setObjectName(QStringLiteral("fraPayback"));
    auto* grid = new QGridLayout(m_payback);
    cmbCountry = newList("cmbCountry", {});
    m_exchangeRateLabel = caption(QStringLiteral("Exchange Rate (#/\u00a3) :"));
    m_energyCostLabel = caption(QStringLiteral("Energy Cost (\u00a3/kWh) :"));
    m_runningHoursLabel = caption(QStringLiteral("Annual Running Hours :"));
    txtExchangeRate = newBox("txtExchangeRate", QStringLiteral("1"), false);
    txtenergycost = newBox("txtenergycost", QStringLiteral("0.03"), false);
    txtannualruncost = newBox("txtannualruncost", QStringLiteral("3000"), false);
    optPaybackDesign = new QRadioButton(QStringLiteral("Design Conditions"));
    optPaybackDesign->setObjectName(QStringLiteral("optPaybackDesign"));
    optPaybackDesign->setChecked(true);
    optBinPayback = new QRadioButton(QStringLiteral("Using Bin Data "));
    optBinPayback->setObjectName(QStringLiteral("optBinPayback"));
    optPaybackDesign->setToolTip(kBinPaybackTip);
    optBinPayback->setToolTip(kBinPaybackTip);
    m_precoolLabel = caption(QStringLiteral("Annual Pre-Cool Saving (\u00a3) :"));
    m_reheatLabel = caption(QStringLiteral("Annual Re-heat Saving (\u00a3) :"));
    m_energySavingLabel = caption(QStringLiteral("Annual Cost Saving (\u00a3) :"));
    txtannualprecoolcost = newBox("txtannualprecoolcost");
    txtannualreheatcost = newBox("txtannualreheatcost");
    txtannualenergycost = newBox("txtannualenergycost");
    txtpaybackcost = newBox("txtpaybackcost");
    m_selectBinData = new QPushButton(QStringLiteral("Select Bin Data -->"));
    m_selectBinData->setObjectName(QStringLiteral("cmdSelectBinData"));
    m_selectBinData->hide();
    m_binCity = newBox("txtBinCity", QStringLiteral("Dubai"));
    m_binCity->hide();

    int row = 0;
    grid->addWidget(cmbCountry, row++, 0, 1, 2);
    const std::array<std::pair<QLabel*, QLineEdit*>, 3> inputs{{{m_exchangeRateLabel, txtExchangeRate},
                                                                {m_energyCostLabel, txtenergycost},
                                                                {m_runningHoursLabel, txtannualruncost}}};
    for (const auto& [label, box] : inputs) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->addWidget(optPaybackDesign, row, 0);
    grid->addWidget(optBinPayback, row++, 1);
    grid->addWidget(m_selectBinData, row, 0);
    grid->addWidget(m_binCity, row++, 1);
    const std::array<std::pair<QLabel*, QLineEdit*>, 4> results{
        {{m_precoolLabel, txtannualprecoolcost},
         {m_reheatLabel, txtannualreheatcost},
         {m_energySavingLabel, txtannualenergycost},
         {caption(QStringLiteral("Payback Period (Months) :")), txtpaybackcost}}};
    for (const auto& [label, box] : results) {
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row++, 1);
    }
    m_payback->hide();
    return m_payback;
}

QWidget* frmCosting::buildPrices()
{
    m_prices = new QWidget;
    m_prices->setObjectName(QStringLiteral("fraPrices"));
    auto* grid = new QGridLayout(m_prices);
    txtPriceCostSterling = newBox("txtPriceCostSterling");
    m_foreignPrice = new QGroupBox;
    m_foreignPrice->setObjectName(QStringLiteral("fraForeignPrice"));
    txtPriceCostForeign = newBox("txtPriceCostForeign");
    (new QVBoxLayout(m_foreignPrice))->addWidget(txtPriceCostForeign);
    txtAdditionalCost = newBox("txtAdditionalCost", QStringLiteral("0"), false);
    chkExPack = new QCheckBox(QStringLiteral("Export Packing Required"));
    chkExPack->setObjectName(QStringLiteral("chkExPack"));
    chkExPack->setEnabled(false);
    txtExPackPrice = newBox("txtExPackPrice");
    txtPrice = newBox("txtPrice");
    grid->addWidget(caption(QStringLiteral("Ex-Works Price (\u00a3) :")), 0, 0);
    grid->addWidget(txtPriceCostSterling, 0, 1);
    grid->addWidget(m_foreignPrice, 1, 0, 1, 2);
    grid->addWidget(caption(QStringLiteral("Additional Cost (\u00a3) :")), 2, 0);
    grid->addWidget(txtAdditionalCost, 2, 1);
    grid->addWidget(chkExPack, 3, 0);
    grid->addWidget(txtExPackPrice, 3, 1);
    grid->addWidget(caption(QStringLiteral("Price (\u00a3)")), 4, 0);
    grid->addWidget(txtPrice, 4, 1);
    m_prices->hide();
    return m_prices;
}

QWidget* frmCosting::buildButtons()
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [layout](const char* name, const QString& text) {
        auto* b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        layout->addWidget(b);
        return b;
    };
    CmdAddItem = button("CmdAddItem", QStringLiteral("Save "));
    CmdGArrangement = button("CmdGArrangement", QStringLiteral("GA"));
    cmdSummary = button("cmdSummary", QStringLiteral("Print"));
    cmdcost = button("cmdcost", QStringLiteral("Cal"));
    cmdclosecost = button("cmdclosecost", QStringLiteral("Close"));
    CmdAddItem->hide();
    CmdAddItem->setEnabled(false);
    CmdGArrangement->setEnabled(false);
    cmdSummary->setEnabled(false);
    connect(cmdcost, &QPushButton::clicked, this, [this] { calculate(); });
    connect(CmdGArrangement, &QPushButton::clicked, this, &frmCosting::openDimensionDialog);
    connect(cmdSummary, &QPushButton::clicked, this, [this] {
        if (m_openSummary) {
            m_openSummary();
        }
    });
    connect(cmdclosecost, &QPushButton::clicked, this, [this] { closeCostingWindow(true); });
    return row;
}

void frmCosting::closeEvent(QCloseEvent* event)
{
    // Closing from the title bar returns to the main window as "Close" does:
    // the window is only hidden, and the main window must come back.
    event->ignore();
    closeCostingWindow(true);
}

bool frmCosting::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            return true; // the Enter key enters nothing in these boxes
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vexa::app
