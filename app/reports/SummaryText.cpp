#include "reports/SummaryText.h"

#include "common/NumberText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QWidget>

#include <array>

namespace vexa::app {

namespace {

// The summary holds up to 101 lines (0 is the title); 85 are written.
constexpr int kLineCapacity = 101;
constexpr int kWrittenLines = 85;

struct Line {
    QString label;
    QString value;
    QString unit;
};

QString spaces(int count)
{
    return QString(count, QLatin1Char(' '));
}

const QString& hyphens()
{
    static const QString line(100, QLatin1Char('-'));
    return line;
}

// The text a control shows: a box's text, a list's text, a label's text; empty
// when the window or the control is missing.
QString textOf(QWidget* window, const char* name)
{
    if (window == nullptr) {
        return {};
    }
    QWidget* control = window->findChild<QWidget*>(QLatin1String(name));
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        return box->text();
    }
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        return list->currentText();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    return {};
}

bool isChecked(QWidget* window, const char* name)
{
    if (window == nullptr) {
        return false;
    }
    auto* button = window->findChild<QAbstractButton*>(QLatin1String(name));
    return button != nullptr && button->isChecked();
}

// Four state texts (txtDB1 ... txtDB4) joined by the given gaps.
QString states(QWidget* main, const char* prefix, const std::array<int, 3>& gaps)
{
    QString joined =
        textOf(main, QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(1).toLatin1().constData());
    for (int state = 2; state <= 4; ++state) {
        const QByteArray name = QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(state).toLatin1();
        joined += spaces(gaps.at(static_cast<size_t>(state - 2))) + textOf(main, name.constData());
    }
    return joined;
}

void reformat(QWidget* main, const char* name, const char* pattern)
{
    auto* box = main->findChild<QLineEdit*>(QLatin1String(name));
    if (box == nullptr) {
        return;
    }
    bool numeric = false;
    const double value = box->text().trimmed().toDouble(&numeric);
    if (numeric) {
        box->setText(QString::fromStdString(num::format(value, pattern)));
    }
}

class SummaryLines {
public:
    void add(const QString& label, const QString& value = {}, const QString& unit = {})
    {
        if (m_next < kLineCapacity) {
            m_lines.at(static_cast<size_t>(m_next)) = Line{label, value, unit};
        }
        ++m_next;
    }
    void setTitle(const QString& title) { m_lines.front().label = title; }

    QString text() const
    {
        QString result = m_lines.front().label;
        for (int i = 1; i <= kWrittenLines; ++i) {
            const Line& line = m_lines.at(static_cast<size_t>(i));
            result += QLatin1Char('\n') + line.label + QStringLiteral("\t\t") + line.value +
                      QLatin1Char('\t') + line.unit;
        }
        return result;
    }

private:
    std::array<Line, kLineCapacity> m_lines{};
    int m_next = 1;
};

void addAirStates(SummaryLines& lines, QWidget* main)
{
    lines.add(QStringLiteral("(1) Air On Heatpipe Precool"));
    lines.add(QStringLiteral("(2) Air Off Heatpipe Precool"));
    lines.add(QStringLiteral("(3) Air Off Cooling Coil"));
    lines.add(QStringLiteral("(4) Air Off Heatpipe Reheat"));
    lines.add(spaces(64) + QStringLiteral("(1)") + spaces(11) + QStringLiteral("(2)") + spaces(10) +
              QStringLiteral("(3)") + spaces(10) + QStringLiteral("(4)"));
    lines.add(QStringLiteral("Dry Bulb Temp (\u00b0C):"), states(main, "txtDB", {8, 8, 8}));
    lines.add(QStringLiteral("Wet Bulb Temp (\u00b0C):"), states(main, "txtWB", {8, 8, 8}));
    lines.add(QStringLiteral("Relative Humidity (%):"), states(main, "txtRH", {10, 12, 11}));
    lines.add(QStringLiteral("Humidity Ratio (kg/kg):"), states(main, "txtW", {4, 4, 4}));
    lines.add(QStringLiteral("Enthalpy (kJ/kg):       "), states(main, "txtE", {6, 6, 6}));
    lines.add(hyphens());
    lines.add(QStringLiteral("Pre Cool Saving:       "), textOf(main, "txtPreCoolSave"),
              QStringLiteral("kW"));
    lines.add(QStringLiteral("Cooling Coil Duty          "), textOf(main, "txtQt"), QStringLiteral("kW"));
    lines.add(QStringLiteral("Reheat Saving:         "), textOf(main, "txtReHeatSave"), QStringLiteral("kW"));
    lines.add(hyphens());
}

void addGeneralAndHeatPipe(SummaryLines& lines, QWidget* main)
{
    lines.add(QStringLiteral("GENERAL"));
    lines.add(QStringLiteral("Air Flow Rate:         "), textOf(main, "txtAirVol"),
              QStringLiteral("m\u00b3/s"));
    lines.add(QStringLiteral("Coil Height:                     "), textOf(main, "txtHeight").trimmed(),
              QStringLiteral("mm"));
    lines.add(QStringLiteral("Coil Width                  "), textOf(main, "txtWidth"), QStringLiteral("mm"));
    lines.add(QStringLiteral("Air Velocity                "), textOf(main, "txtAirVel"),
              QStringLiteral("m/s"));
    lines.add(QStringLiteral("Barometric Pressure:   "), textOf(main, "txtPressure"), QStringLiteral("kPa"));
    lines.add(QStringLiteral("Fin Material:             "), textOf(main, "cmbFinMatCC"));
    lines.add(hyphens());
    lines.add(QStringLiteral("HEAT PIPE"));
    lines.add(QStringLiteral("Fin Type:                 "), textOf(main, "cmbFinType"));
    lines.add(QStringLiteral("Rows:                      "), textOf(main, "cmbRows"));
    lines.add(QStringLiteral("FPI:                           "), textOf(main, "cmbFPI"));
    lines.add(QStringLiteral("Effectiveness:         "), textOf(main, "txtEff"), QStringLiteral("%"));
    lines.add(QStringLiteral("Pressure Drop:         "), textOf(main, "txtPD"), QStringLiteral("Pa"));
    lines.add(hyphens());
}

void addCoolingCoil(SummaryLines& lines, QWidget* main)
{
    const bool water = isChecked(main, "optWater");
    const bool refrigerant = isChecked(main, "optEvap");
    if (!water && !refrigerant) {
        return;
    }
    const auto yesNo = [](bool yes) { return yes ? QStringLiteral("Yes") : QStringLiteral("No"); };
    const QString notApplicable = QStringLiteral("N/A");
    lines.add(QStringLiteral("COOLING COIL"));
    lines.add(QStringLiteral("Heat Pipe Only:         "), QStringLiteral("No"));
    lines.add(QStringLiteral("Chilled Water:         "), yesNo(water));
    lines.add(QStringLiteral("Refrigerant:            "), yesNo(refrigerant));
    if (water) {
        lines.add(QStringLiteral("Inlet Water Temp:     "), textOf(main, "txtWinTemp"),
                  QStringLiteral("\u00b0C"));
        lines.add(QStringLiteral("Outlet Water Temp:"), textOf(main, "txtWoutTemp"),
                  QStringLiteral("\u00b0C"));
    } else {
        lines.add(QStringLiteral("Evaporating Temp:     "), textOf(main, "txtEvapTemp"),
                  QStringLiteral("\u00b0C"));
        lines.add(QStringLiteral("Outlet Water Temp:"), notApplicable, notApplicable);
    }
    lines.add(QStringLiteral("Air Pressure Drop:         "), textOf(main, "txtPDCCAir"),
              QStringLiteral("Pa"));
    if (water) {
        lines.add(QStringLiteral("Fluid Pressure Drop:  "), textOf(main, "txtPDCCWater"),
                  QStringLiteral("kPa"));
    } else {
        lines.add(QStringLiteral("Fluid Pressure Drop:  "), notApplicable, notApplicable);
    }
    lines.add(QStringLiteral("Fin Type:                  "), textOf(main, "cmbFinTypeCC"));
    lines.add(QStringLiteral("FPI:                            "), textOf(main, "txtCCFPI"));
    lines.add(QStringLiteral("Rows:                      "), textOf(main, "txtCCRows"));
    lines.add(hyphens());
}

void addOptions(SummaryLines& lines, QWidget* costing, bool costed)
{
    const QString notApplicable = QStringLiteral("N/A");
    const auto costedOr = [&](const QString& value) { return costed ? value : notApplicable; };
    const QString drainPan = textOf(costing, "lstdpcost");
    lines.add(QStringLiteral("OPTIONS"));
    lines.add(QStringLiteral("Casing Material:       "), costedOr(textOf(costing, "lstcasematcost")));
    lines.add(QStringLiteral("Drain Pan:                 "), costedOr(drainPan));
    // Written whenever the list shows a drain pan, costed or not; an empty list
    // (no costing window yet) shows none.
    if (!drainPan.isEmpty() && drainPan != QLatin1String("No Drainpan")) {
        lines.add(QStringLiteral("Drainpan Material:  "), isChecked(costing, "chkDPCaseMat")
                                                              ? QStringLiteral("Stainless Steel")
                                                              : QStringLiteral("Galvanised"));
    }
    lines.add(QStringLiteral("Heatpipe:                 "),
              costedOr(isChecked(costing, "optHorseshoe") ? QStringLiteral("Horseshoe")
                                                          : QStringLiteral("Straight")));
    if (costed && isChecked(costing, "optStraight")) {
        lines.add(QStringLiteral("Orientation:                 "), textOf(costing, "cmbVerHor"));
    }
    lines.add(QStringLiteral("Eliminators:                 "),
              costedOr(isChecked(costing, "chkElims") ? QStringLiteral("Yes") : QStringLiteral("No")));
    lines.add(hyphens());
    lines.add(QStringLiteral("Size:                             "), costedOr(textOf(costing, "txtSizes")),
              costedOr(QStringLiteral("mm")));
    lines.add(QStringLiteral("Weight:                    "), costedOr(textOf(costing, "txtWeight")),
              costedOr(QStringLiteral("kg")));
    lines.add(hyphens());
}

} // namespace

void reformatMainWindowBoxes(QWidget* mainWindow)
{
    if (mainWindow == nullptr) {
        return;
    }
    reformat(mainWindow, "txtAirVol", "0.00");
    reformat(mainWindow, "txtWidth", "0");
    for (const char* name : {"txtDB1", "txtDB2", "txtDB3", "txtDB4", "txtWB1", "txtWB2", "txtWB3", "txtWB4",
                             "txtWinTemp", "txtWoutTemp", "txtEvapTemp"}) {
        reformat(mainWindow, name, "0.0");
    }
    reformat(mainWindow, "txtPressure", "0.00");
}

QStringList makerAddressBlock()
{
    return {QStringLiteral("Ardel Heat Recovery Ltd"),
            QStringLiteral("Unit 4, Riverside Works"),
            QStringLiteral("Mill Lane"),
            QStringLiteral("Northampton NN1 1AA"),
            QStringLiteral("United Kingdom"),
            QString(),
            QStringLiteral("Tel: +44 (0)1604 000 100"),
            QStringLiteral("Fax: +44 (0)1604 000 101"),
            QStringLiteral("E-mail: sales@ardel.example"),
            QStringLiteral("Web: www.ardel.example")};
}

QString buildSummaryText(const SummarySources& sources, const QDateTime& now)
{
    QWidget* main = sources.mainWindow;
    SummaryLines lines;
    lines.setTitle(QStringLiteral("Ardel Vexas SELECTION/RATING SUMMARY"));
    lines.add(QStringLiteral("Version Number:                Version 4.3"));
    lines.add(QStringLiteral("Mode:") + spaces(37) + textOf(main, "panelCoilText"));
    lines.add(QString());
    addAirStates(lines, main);
    addGeneralAndHeatPipe(lines, main);
    addCoolingCoil(lines, main);
    addOptions(lines, sources.costingWindow, sources.costingDone);
    lines.add(QString());
    const QLocale locale = QLocale::system();
    lines.add(locale.toString(now.date(), QLocale::ShortFormat) + spaces(4) +
              locale.toString(now.time(), QLocale::ShortFormat));
    lines.add(QString());
    for (const QString& line : makerAddressBlock()) {
        lines.add(line);
    }
    return lines.text();
}

} // namespace vexa::app
