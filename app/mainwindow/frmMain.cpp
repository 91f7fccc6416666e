#include "mainwindow/frmMain.h"

#include "common/BoxLook.h"
#include "common/CostingSettings.h"
#include "common/HelpWindow.h"
#include "common/MessageBoxes.h"
#include "common/Pictures.h"
#include "common/WindowPrinter.h"
#include "designconditions/frmDesign.h"
#include "mainwindow/CostingLink.h"
#include "reports/frmAbout.h"
#include "reports/frmAdditionalInformation.h"
#include "reports/frmpassword.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace vexa::app {

namespace {

constexpr int kBoxWidth_px = 64;

const QString kMoistureTitle = QStringLiteral("Moisture Condition Fixed");
const QString kMoistureText = QStringLiteral(
    "Please Note: Ardel Vexa is intended to be used as an aid to system design. The relative humidity of the "
    "air "
    "leaving the cooling coil is fixed at 95% which gives a good approximation of the actual air off "
    "condition. "
    "However, it should be borne in mind that there are occasions when the RH is a lot less than this, "
    "particularly when calculating performance for mid season operation.");

QString versionText()
{
    return QStringLiteral("%1.%2").arg(VEXA_VERSION_MAJOR).arg(VEXA_VERSION_MINOR);
}

// A coloured column of the schematic. The caption keeps its own text ("P R E C O O L ")
// and is drawn with its letters one under another.
class SectionCaption : public QLabel {
public:
    SectionCaption(const QString& caption, const QColor& colour) : QLabel(caption)
    {
        setMinimumWidth(22);
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, colour);
        setPalette(palette);
        QFont font = this->font();
        font.setBold(true);
        setFont(font);
    }

    QSize minimumSizeHint() const override
    {
        return {22, fontMetrics().height() * static_cast<int>(letters().size())};
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        const QStringList lines = letters();
        const int lineHeight = fontMetrics().height();
        int y = (height() - lineHeight * static_cast<int>(lines.size())) / 2;
        for (const QString& letter : lines) {
            painter.drawText(QRect(0, y, width(), lineHeight), Qt::AlignCenter, letter);
            y += lineHeight;
        }
    }

private:
    QStringList letters() const { return text().split(QLatin1Char(' '), Qt::SkipEmptyParts); }
};

QLabel* sectionLabel(const QString& caption, const QColor& colour)
{
    return new SectionCaption(caption, colour);
}

// Hidden boxes keep their place, so the window keeps its size and its layout.
void keepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent), m_engineFactory(defaultEngineFactory()),
      m_endProgram([] { QCoreApplication::exit(0); })
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(" Ardel Vexa Version ") + versionText());
    setWindowIcon(icon(Picture::HeatPipe));

    buildMenus();
    buildToolbar();
    buildStatusBar();

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    left->addWidget(buildSelectOrRate());
    left->addWidget(buildGeneral());
    left->addWidget(buildHeatPipe());
    left->addWidget(buildCoolingCoil());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildSchematic());
    right->addWidget(buildProperties());
    right->addStretch(1);
    right->addWidget(buildButtons());
    columns->addLayout(left);
    columns->addLayout(right, 1);
    setCentralWidget(central);

    m_additionalInformation = new frmAdditionalInformation(this);

    wireModes();
    wireKeyboard();
    heatPipeOnlyChosen();
    setResultCommandsEnabled(false);
    updateStatusBar();

    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

frmMain::~frmMain() = default;

QLineEdit* frmMain::newBox(const char* name, const QString& text, bool input)
{
    auto* box = new QLineEdit(text);
    box->setObjectName(QLatin1String(name));
    box->setFixedWidth(kBoxWidth_px);
    box->setMaxLength(64);
    if (input) {
        makeInput(box);
    } else {
        giveResultLook(box);
    }
    return box;
}

QComboBox* frmMain::newCombo(const char* name, const QStringList& items, const QString& text)
{
    auto* combo = new QComboBox;
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
    combo->setFixedWidth(96);
    makeInput(combo);
    return combo;
}

QLabel* frmMain::newLabel(const QString& caption, const char* name)
{
    auto* label = new QLabel(caption);
    if (name != nullptr) {
        label->setObjectName(QLatin1String(name));
    }
    return label;
}

void frmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("Exit"), this, &frmMain::endAtOnce);
    exit->setObjectName(QStringLiteral("mnuExit"));
    QAction* print = file->addAction(QStringLiteral("Print Current Window"), this, [this] {
        printWindowImage(this, QStringLiteral("The form can't be printed."));
    });
    print->setObjectName(QStringLiteral("mnuPrint"));

    QMenu* conditions = menuBar()->addMenu(QStringLiteral("Design Conditions"));
    conditions->setObjectName(QStringLiteral("mnuDesignConditions"));
    QAction* ambient = conditions->addAction(QStringLiteral("Ambient by Location"), this, [this] {
        auto* window = new frmDesign(this);
        window->show();
    });
    ambient->setObjectName(QStringLiteral("mnuAmbient"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* contents = help->addAction(QStringLiteral("Ardel Vexa Help"), this, &frmMain::openHelp);
    contents->setObjectName(QStringLiteral("mnuHelpContents"));
    QAction* about = help->addAction(QStringLiteral("About"), this, [this] {
        frmAbout box(this);
        box.exec();
    });
    about->setObjectName(QStringLiteral("mnuAbout"));
    about->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    about->setShortcutContext(Qt::WindowShortcut);
    QAction* information = help->addAction(QStringLiteral("Additional Information"), this, [this] {
        auto* dialog = new frmpassword(this);
        dialog->show();
    });
    information->setObjectName(QStringLiteral("mnuAdditionalInformation"));
}

void frmMain::buildToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(32, 32));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);

    struct Button {
        int position;
        Picture picture;
        const char* text;
        std::function<void()> action;
    };
    const std::array<Button, 10> buttons{{
        {1, Picture::Selection, "Selection", [this] { runOption(optSelect, &frmMain::selectModeChosen); }},
        {2, Picture::Rating, "Rating", [this] { runOption(optRate, &frmMain::rateModeChosen); }},
        {4, Picture::HeatPipe, "Heat Pipe Only",
         [this] { runOption(optHponly, &frmMain::heatPipeOnlyChosen); }},
        {5, Picture::WaterCoil, "Heat Pipe and Water Coil",
         [this] { runOption(optWater, &frmMain::chilledWaterChosen); }},
        {6, Picture::RefrigerantCoil, "Heat Pipe and Refrigerant Coil",
         [this] { runOption(optEvap, &frmMain::refrigerantChosen); }},
        {8, Picture::Calculate, "Calculate", [this] { Command1->click(); }},
        {9, Picture::Costing, "Costing (click calculate first)", [this] { openCostingWindow(); }},
        {11, Picture::PrintSummary, "Print Summary", [this] { openSummary(); }},
        {13, Picture::ExitProgram, "Exit Program", [this] { exitProgram(); }},
        {14, Picture::Help, "Help", [this] { openHelp(); }},
    }};
    size_t next = 0;
    for (int position = 1; position <= 14; ++position) {
        if (next < buttons.size() && buttons[next].position == position) {
            const Button& button = buttons[next++];
            QAction* action = m_toolbar->addAction(icon(button.picture), QString::fromUtf8(button.text));
            action->setObjectName(QStringLiteral("Toolbar1_%1").arg(position));
            connect(action, &QAction::triggered, this, button.action);
            m_toolbarButtons.at(static_cast<size_t>(position)) = action;
        } else {
            m_toolbarButtons.at(static_cast<size_t>(position)) = m_toolbar->addSeparator();
        }
    }
}

QAction* frmMain::toolbarButton(int position) const
{
    return m_toolbarButtons.at(static_cast<size_t>(position));
}

void frmMain::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const auto panel = [bar](const char* name, QLabel*& picture, QLabel*& text, int stretch) {
        auto* holder = new QWidget;
        holder->setObjectName(QLatin1String(name));
        auto* row = new QHBoxLayout(holder);
        row->setContentsMargins(2, 0, 2, 0);
        picture = new QLabel;
        text = new QLabel;
        text->setObjectName(QLatin1String(name) + QStringLiteral("Text"));
        row->addWidget(picture);
        row->addWidget(text, 1);
        bar->addWidget(holder, stretch);
    };
    panel("panelMode", m_modePicture, m_modePanel, 1);
    panel("panelCoil", m_coilPicture, m_coilPanel, 2);

    // The clock panels show the time and date; a minute tick keeps them current.
    auto* time = new QLabel;
    time->setObjectName(QStringLiteral("panelTime"));
    time->setToolTip(QStringLiteral("Time"));
    auto* date = new QLabel;
    date->setObjectName(QStringLiteral("panelDate"));
    date->setToolTip(QStringLiteral("Date"));
    bar->addPermanentWidget(time);
    bar->addPermanentWidget(date);
    const auto tick = [time, date] {
        const QDateTime now = QDateTime::currentDateTime();
        time->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
        date->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
    };
    tick();
    auto* clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, tick);
    clock->start(15000);
}

QWidget* frmMain::buildSelectOrRate()
{
    auto* group = new QGroupBox(QStringLiteral("Select or Rate"));
    group->setObjectName(QStringLiteral("fraSelectOrRate"));
    auto* row = new QHBoxLayout(group);
    optSelect = new QRadioButton(QStringLiteral("Select"));
    optSelect->setObjectName(QStringLiteral("optSelect"));
    optSelect->setChecked(true);
    optRate = new QRadioButton(QStringLiteral("Rate"));
    optRate->setObjectName(QStringLiteral("optRate"));
    row->addWidget(optSelect);
    row->addWidget(optRate);
    return group;
}

QWidget* frmMain::buildGeneral()
{
    auto* group = new QGroupBox(QStringLiteral("General"));
    group->setObjectName(QStringLiteral("fraGeneral"));
    auto* grid = new QGridLayout(group);
    txtHeight = newBox("txtHeight", QStringLiteral("1200"), true);
    txtWidth = newBox("txtWidth", QStringLiteral("1800"), true);
    txtAirVol = newBox("txtAirVol", QStringLiteral("5.0"), true);
    txtPressure = newBox("txtPressure", QStringLiteral("101.325"), false);
    cmbFinMatCC = newCombo("cmbFinMatCC",
                           {QStringLiteral("Aluminium"), QStringLiteral("Copper"), QStringLiteral("Vinyl")},
                           QStringLiteral("Aluminium"));
    const std::array<std::pair<const char*, QWidget*>, 5> rows{{
        {"Coil Height (mm) :", txtHeight},
        {"Coil Width (mm) :", txtWidth},
        {"Air Flow Rate (m\u00b3/s) :", txtAirVol},
        {"Baro Press (kPa) :", txtPressure},
        {"Fin Material :", cmbFinMatCC},
    }};
    int r = 0;
    for (const auto& [caption, box] : rows) {
        QLabel* label = newLabel(QString::fromUtf8(caption));
        label->setBuddy(box);
        grid->addWidget(label, r, 0);
        grid->addWidget(box, r++, 1, Qt::AlignRight);
    }
    return group;
}

QWidget* frmMain::buildSchematic()
{
    auto* group = new QGroupBox(QStringLiteral("Schematic"));
    group->setObjectName(QStringLiteral("fraSchematic"));
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    // Extra width widens the three coloured sections evenly.
    for (const int section : {2, 4, 6}) {
        grid->setColumnStretch(section, 1);
    }
    const std::array<int, 5> boxColumn{0, 1, 3, 5, 7};
    for (int state = 1; state <= 4; ++state) {
        auto* heading = newLabel(QString::number(state));
        heading->setAlignment(Qt::AlignCenter);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        grid->addWidget(heading, 0, boxColumn.at(static_cast<size_t>(state)));
    }
    optWB = new QRadioButton(QStringLiteral("Wet Bulb (\u00b0C) :"));
    optWB->setObjectName(QStringLiteral("optWB"));
    OptRH = new QRadioButton(QStringLiteral("RH (%) :"));
    OptRH->setObjectName(QStringLiteral("OptRH"));
    OptRH->setChecked(true);
    grid->addWidget(newLabel(QStringLiteral("Dry Bulb (\u00b0C) :")), 1, 0);
    grid->addWidget(optWB, 2, 0);
    grid->addWidget(OptRH, 3, 0);
    grid->addWidget(newLabel(QStringLiteral("Humidity Ratio (kg/kg) :")), 4, 0);
    grid->addWidget(newLabel(QStringLiteral("Enthalpy (kJ/kg) :")), 5, 0);

    for (size_t state = 1; state <= 4; ++state) {
        const int column = boxColumn.at(state);
        const auto name = [state](const char* prefix) {
            return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(state).toLatin1();
        };
        txtDB.at(state) = newBox(name("txtDB").constData(), QString(), false);
        txtWB.at(state) = newBox(name("txtWB").constData(), QString(), false);
        txtRH.at(state) = newBox(name("txtRH").constData(), QString(), false);
        txtW.at(state) = newBox(name("txtW").constData(), QString(), false);
        txtE.at(state) = newBox(name("txtE").constData(), QString(), false);
        grid->addWidget(txtDB.at(state), 1, column);
        grid->addWidget(txtWB.at(state), 2, column);
        grid->addWidget(txtRH.at(state), 3, column);
        grid->addWidget(txtW.at(state), 4, column);
        grid->addWidget(txtE.at(state), 5, column);
    }
    // The design values: selection with relative-humidity input.
    makeInput(txtDB[1], QStringLiteral("46"));
    makeInput(txtRH[1]);
    makeInput(txtDB[4]);
    makeInput(txtRH[4]);

    grid->addWidget(sectionLabel(QStringLiteral("P R E C O O L "), QColor(250, 215, 170)), 0, 2, 6, 1);
    const QColor coilColour(180, 210, 245);
    auto* cooling = new QWidget;
    cooling->setAutoFillBackground(true);
    QPalette coolingPalette = cooling->palette();
    coolingPalette.setColor(QPalette::Window, coilColour);
    cooling->setPalette(coolingPalette);
    auto* coolingColumn = new QVBoxLayout(cooling);
    coolingColumn->setContentsMargins(0, 0, 0, 0);
    coolingColumn->setSpacing(fontMetrics().height() / 2);
    coolingColumn->addStretch(1);
    coolingColumn->addWidget(sectionLabel(QStringLiteral("C O O L I N G "), coilColour));
    coolingColumn->addWidget(sectionLabel(QStringLiteral("C O I L "), coilColour));
    coolingColumn->addStretch(1);
    grid->addWidget(cooling, 0, 4, 6, 1);
    grid->addWidget(sectionLabel(QStringLiteral("R E  H E A T"), QColor(245, 185, 175)), 0, 6, 6, 1);

    txtPreCoolSave = newBox("txtPreCoolSave", QString(), false);
    txtQt = newBox("txtQt", QString(), false);
    txtReHeatSave = newBox("txtReHeatSave", QString(), false);
    const std::array<std::tuple<const char*, QLineEdit*, int>, 3> savings{{
        {"Pre Cool Saving (kW)", txtPreCoolSave, 1},
        {"Duty (kW)", txtQt, 3},
        {"Re Heat Saving (kW)", txtReHeatSave, 5},
    }};
    for (const auto& [caption, box, column] : savings) {
        QLabel* label = newLabel(QString::fromUtf8(caption));
        label->setBuddy(box);
        grid->addWidget(label, 6, column, 1, 3, Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(box, 7, column, 1, 3, Qt::AlignHCenter);
    }
    return group;
}

QWidget* frmMain::buildHeatPipe()
{
    auto* group = new QGroupBox(QStringLiteral("Heat Pipe"));
    group->setObjectName(QStringLiteral("fraHeatPipe"));
    auto* grid = new QGridLayout(group);
    cmbFinType = newCombo("cmbFinType", {QStringLiteral("Louvre"), QStringLiteral("Ripple")},
                          QStringLiteral("Louvre"));
    cmbRows = newCombo("cmbRows", {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, QString());
    cmbFPI = newCombo("cmbFPI",
                      {QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12")},
                      QString());
    TubeDiameter = newCombo("TubeDiameter", {QStringLiteral("12")}, QStringLiteral("12"));
    const std::array<std::pair<const char*, QComboBox*>, 4> rows{{
        {"Fin Type :", cmbFinType},
        {"Rows :", cmbRows},
        {"FPI :", cmbFPI},
        {"Tube Diameter :", TubeDiameter},
    }};
    int r = 0;
    for (const auto& [caption, combo] : rows) {
        QLabel* label = newLabel(QString::fromUtf8(caption));
        label->setBuddy(combo);
        grid->addWidget(label, r, 0);
        grid->addWidget(combo, r++, 1, Qt::AlignRight);
    }
    // The tube diameter is fixed for the UK range; the box stays for the other ranges.
    TubeDiameter->hide();
    // Rows and fins per inch are what a selection finds: results until rating is chosen.
    makeResult(cmbRows);
    makeResult(cmbFPI);
    grid->itemAtPosition(3, 0)->widget()->hide();
    return group;
}

QWidget* frmMain::buildCoolingCoil()
{
    auto* group = new QGroupBox(QStringLiteral("Cooling Coil"));
    group->setObjectName(QStringLiteral("fraCoolingCoil"));
    auto* grid = new QGridLayout(group);
    optHponly = new QRadioButton(QStringLiteral("Heat Pipe Only"));
    optHponly->setObjectName(QStringLiteral("optHponly"));
    optHponly->setChecked(true);
    optWater = new QRadioButton(QStringLiteral("Chilled Water"));
    optWater->setObjectName(QStringLiteral("optWater"));
    optEvap = new QRadioButton(QStringLiteral("Referigerant"));
    optEvap->setObjectName(QStringLiteral("optEvap"));
    grid->addWidget(optHponly, 0, 0, 1, 2);
    grid->addWidget(optWater, 1, 0, 1, 2);
    grid->addWidget(optEvap, 2, 0, 1, 2);
    txtWinTemp = newBox("txtWinTemp", QStringLiteral("6"), true);
    txtWoutTemp = newBox("txtWoutTemp", QStringLiteral("12"), true);
    txtEvapTemp = newBox("txtEvapTemp", QStringLiteral("7"), true);
    cmbFinTypeCC = newCombo("cmbFinTypeCC", {QStringLiteral("Louvre"), QStringLiteral("Ripple")},
                            QStringLiteral("Louvre"));
    // The evaporating temperature shares the inlet water's row: they are never shown together.
    const std::array<std::tuple<const char*, QWidget*, int>, 4> rows{{
        {"Inlet Water Temp (\u00b0C)", txtWinTemp, 3},
        {"Evaporating Temp (\u00b0C) :", txtEvapTemp, 3},
        {"Outlet Water Temp (\u00b0C) :", txtWoutTemp, 4},
        {"Fin Type :", cmbFinTypeCC, 5},
    }};
    for (const auto& [caption, box, r] : rows) {
        QLabel* label = newLabel(QString::fromUtf8(caption));
        label->setBuddy(box);
        keepPlaceWhenHidden(label);
        keepPlaceWhenHidden(box);
        grid->addWidget(label, r, 0);
        grid->addWidget(box, r, 1, Qt::AlignRight);
    }
    return group;
}

QWidget* frmMain::buildProperties()
{
    auto* group = new QGroupBox(QStringLiteral("Heat Pipe and Cooling Coil Properties"));
    group->setObjectName(QStringLiteral("fraProperties"));
    auto* row = new QHBoxLayout(group);
    const auto column = [this, row](const char* title, const char* name,
                                    const std::vector<std::pair<const char*, QLineEdit**>>& boxes) {
        auto* sub = new QGroupBox(QString::fromUtf8(title));
        sub->setObjectName(QLatin1String(name));
        auto* grid = new QGridLayout(sub);
        int r = 0;
        for (const auto& [caption, target] : boxes) {
            const QString text = QString::fromUtf8(caption);
            *target = newBox(nullptr, QString(), false);
            QLabel* label = newLabel(text);
            label->setBuddy(*target);
            keepPlaceWhenHidden(label);
            keepPlaceWhenHidden(*target);
            grid->addWidget(label, r, 0);
            grid->addWidget(*target, r++, 1, Qt::AlignRight);
        }
        grid->setRowStretch(r, 1);
        row->addWidget(sub);
        return sub;
    };
    column("General", "fraPropertiesGeneral",
           {{"Face Area (m\u00b2) :", &txtArea},
            {"Air Velocity (m/s) :", &txtAirVel},
            {"Total Press Drop (Pa) :", &txtPDTotal}});
    column("Heat Pipe", "fraPropertiesHeatPipe",
           {{"Effectiveness (%) :", &txtEff}, {"Pressure Drop (Pa) ;", &txtPD}});
    m_coolingCoilResults = qobject_cast<QGroupBox*>(column("Cooling Coil", "fraPropertiesCoolingCoil",
                                                           {{"Cooling Coil Rows :", &txtCCRows},
                                                            {"Cooling Coil FPI :", &txtCCFPI},
                                                            {"Air Pressure Drop (Pa) :", &txtPDCCAir},
                                                            {"Fluid Pressure Drop (kPa) :", &txtPDCCWater},
                                                            {"Cooling Coil Code :", &txtCoilCode}}));
    const std::array<std::pair<QLineEdit*, const char*>, 10> names{{
        {txtArea, "txtArea"},
        {txtAirVel, "txtAirVel"},
        {txtPDTotal, "txtPDTotal"},
        {txtEff, "txtEff"},
        {txtPD, "txtPD"},
        {txtCCRows, "txtCCRows"},
        {txtCCFPI, "txtCCFPI"},
        {txtPDCCAir, "txtPDCCAir"},
        {txtPDCCWater, "txtPDCCWater"},
        {txtCoilCode, "txtCoilCode"},
    }};
    for (const auto& [box, name] : names) {
        box->setObjectName(QLatin1String(name));
    }
    txtCoilCode->setFixedWidth(2 * kBoxWidth_px);
    keepPlaceWhenHidden(m_coolingCoilResults);
    return group;
}

QWidget* frmMain::buildButtons()
{
    auto* holder = new QWidget;
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    auto* logo = new QLabel;
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(logoPicture(170, 44));
    row->addWidget(logo);
    row->addStretch(1);
    const auto button = [row](const char* caption, const char* name, const char* tip) {
        auto* b = new QPushButton(QString::fromUtf8(caption));
        b->setObjectName(QLatin1String(name));
        b->setToolTip(QString::fromUtf8(tip));
        b->setAutoDefault(false);
        b->setMinimumWidth(72);
        row->addWidget(b);
        return b;
    };
    cmdpsych = button("Psych", "cmdpsych", "Click here to view the psychrometric chart");
    cmdAdditionalInformation =
        button("Info", "cmdAdditionalInformation", "Click here to view the additional information");
    cmdSummary = button("Print", "cmdSummary", "Click here to see a printable summary");
    cmdcosting = button("GA", "cmdcosting", "Click here to view the costing screen");
    Command1 = button("Cal", "Command1", "Click here to calculate the current selection/rating");
    cmdAdditionalInformation->hide();

    connect(Command1, &QPushButton::clicked, this, [this] { calculate(); });
    connect(cmdcosting, &QPushButton::clicked, this, &frmMain::openCostingWindow);
    connect(cmdSummary, &QPushButton::clicked, this, &frmMain::openSummary);
    connect(cmdpsych, &QPushButton::clicked, this, &frmMain::openChart);
    connect(cmdAdditionalInformation, &QPushButton::clicked, this, [this] {
        m_additionalInformation->show();
        m_additionalInformation->raise();
    });
    return holder;
}

void frmMain::wireKeyboard()
{
    const std::array<QLineEdit*, 13> enterSwallowers{txtHeight,  txtWidth,    txtAirVol,  txtDB[1], txtDB[3],
                                                     txtDB[4],   txtWB[1],    txtWB[4],   txtRH[1], txtRH[4],
                                                     txtWinTemp, txtWoutTemp, txtEvapTemp};
    for (QLineEdit* box : enterSwallowers) {
        box->setProperty("vexaSwallowEnter", true);
    }
    txtDB[3]->setProperty("vexaSelectOnFocus", true);
    txtDB[4]->setProperty("vexaSelectOnFocus", true);
    txtRH[3]->setProperty("vexaMoistureNote", true);
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->installEventFilter(this);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box == nullptr) {
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && box->property("vexaSwallowEnter").toBool()) {
            return true; // no line break, no default button: the key is simply dropped
        }
        // Ctrl+A belongs to "About", as the menu says, not to the box's select-all.
        if (event->type() == QEvent::ShortcutOverride && key->matches(QKeySequence::SelectAll)) {
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (box->property("vexaSelectOnFocus").toBool()) {
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        }
        // Only when the user moves into the box: the focus coming back after the
        // note itself closes must not show it again.
        const bool userMoved = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                               reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
        if (box->property("vexaMoistureNote").toBool() && userMoved) {
            QTimer::singleShot(0, this, [this] { inform(this, kMoistureTitle, kMoistureText); });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::setResultCommandsEnabled(bool enabled)
{
    cmdcosting->setEnabled(enabled);
    cmdSummary->setEnabled(enabled);
    cmdpsych->setEnabled(enabled);
    toolbarButton(9)->setEnabled(enabled);
    toolbarButton(11)->setEnabled(enabled);
}

void frmMain::revealAdditionalInformation()
{
    cmdAdditionalInformation->setToolTip(QStringLiteral("Click here to view the additional information"));
    cmdAdditionalInformation->show();
}

void frmMain::startUpAction()
{
    runOption(optWB, &frmMain::wetBulbInputChosen);
    txtDB[1]->setText(QStringLiteral("33"));
    txtWB[1]->setText(QStringLiteral("27.5"));
    txtDB[4]->setText(QStringLiteral("18"));
    txtWB[4]->setText(QStringLiteral("14"));
    toolbarButton(9)->setEnabled(false);
    toolbarButton(11)->setEnabled(false);
    show();
}

void frmMain::openCostingWindow()
{
    if (m_costing == nullptr) {
        return; // the costing window attaches itself through setCostingLink
    }
    m_costing->open(coilOption() == CoilOption::HeatPipeOnly);
    hide();
}

void frmMain::openSummary()
{
    if (m_openSummary) {
        m_openSummary();
    }
}

void frmMain::openChart()
{
    if (m_openChart) {
        m_openChart();
    }
}

void frmMain::openHelp()
{
    HelpWindow::showTopics(this);
}

void frmMain::saveSettingsAndEnd()
{
    saveCostingSettings(m_costing != nullptr ? m_costing->settings() : m_costingSettings);
    m_ending = true;
    m_endProgram();
}

void frmMain::exitProgram()
{
    saveSettingsAndEnd();
}

void frmMain::endAtOnce()
{
    m_ending = true;
    m_endProgram();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!m_ending) {
        saveSettingsAndEnd();
    }
    event->accept();
}

EngineLink& frmMain::engine()
{
    if (!m_engine) {
        m_engine = m_engineFactory();
    }
    return *m_engine;
}

} // namespace vexa::app
