#include "AppTestSupport.h"
#include "bindata/Bin.h"
#include "common/EngineError.h"
#include "common/NumberText.h"
#include "common/ProgramFlags.h"
#include "costing/Cost.h"
#include "costing/Countries.h"
#include "costing/frmCosting.h"
#include "reports/frmAdditionalInformation.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QSettings>

using namespace vexa::app;

namespace {

// Watches what the costing sends to the engine, in order, and passes it on.
class RecordingExchange : public CostExchange {
public:
    RecordingExchange(vexa::Main& main, QStringList* calls, bool failCosting)
        : CostExchange(main), m_calls(calls), m_fail(failCosting)
    {
    }
    void setHeatpipeStyle(vexa::HeatpipeStyling s) override
    {
        log("HeatpipeStyle", int(s)), CostExchange::setHeatpipeStyle(s);
    }
    void setCasingMaterial(vexa::CasingMat m) override
    {
        log("CasingMaterial", int(m)), CostExchange::setCasingMaterial(m);
    }
    void setDrainpanType(vexa::Drainpan d) override
    {
        log("DrainpanType", int(d)), CostExchange::setDrainpanType(d);
    }
    void setOptStainlessSteelDrainpan(bool s) override
    {
        log("OptStainlessSteelDrainpan", s), CostExchange::setOptStainlessSteelDrainpan(s);
    }
    void setOptEliminators(bool e) override { log("OptEliminators", e), CostExchange::setOptEliminators(e); }
    void setOrienitation(vexa::OrientationType o) override
    {
        log("Orienitation", int(o)), CostExchange::setOrienitation(o);
    }
    void setMargin(int16_t m) override { log("Margin", m), CostExchange::setMargin(m); }
    void setExchangeRate(double r) override { log("ExchangeRate", r), CostExchange::setExchangeRate(r); }
    void setEnergyCost(double e) override { log("EnergyCost", e), CostExchange::setEnergyCost(e); }
    void setAnnualRunningHours(double h) override
    {
        log("AnnualRunningHours", h), CostExchange::setAnnualRunningHours(h);
    }
    void setAdditionalCost(double a) override
    {
        log("AdditionalCost", a), CostExchange::setAdditionalCost(a);
    }
    void setCity(vexa::Country c) override { log("City", int(c)), CostExchange::setCity(c); }
    void UseBinData() override
    {
        m_calls->append(QStringLiteral("UseBinData"));
        CostExchange::UseBinData();
    }
    void InitiateCostingCalculations() override
    {
        m_calls->append(QStringLiteral("InitiateCostingCalculations"));
        if (m_fail) {
            throw vexa::CalculationError("Price calculation: a figure does not fit its type");
        }
        CostExchange::InitiateCostingCalculations();
    }

private:
    void log(const char* name, double value)
    {
        m_calls->append(QLatin1String(name) + QLatin1Char('=') +
                        QString::fromStdString(vexa::num::shortestText(value)));
    }
    QStringList* m_calls;
    bool m_fail;
};

// A started main window with the costing window linked to it, as the program
// builds them.
struct Costing {
    Costing()
    {
        m.window.setCostingLink(&window);
        m.window.setProgramEnd([] {});
        window.setCostExchangeFactory([this](vexa::Main& main) {
            return std::make_unique<RecordingExchange>(main, &calls, failCosting);
        });
    }
    template <typename T = QWidget>
    T* find(const char* name) const
    {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no costing control %s", name);
        }
        return found;
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return find<QComboBox>(name); }
    QCheckBox* check(const char* name) const { return find<QCheckBox>(name); }
    QRadioButton* option(const char* name) const { return find<QRadioButton>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QLineEdit* grossMargin() const
    {
        return m.window.additionalInformation()->findChild<QLineEdit*>(QStringLiteral("txtGrossMargin"));
    }

    // Calculates the design in the main window ("H", "C", "E": the cooling coil
    // option; "R" in front: rating mode) and opens the costing window.
    void calculateAndOpen(const QString& unit = QStringLiteral("H"))
    {
        if (unit.startsWith(QLatin1Char('R'))) {
            m.choose("optRate");
            m.enter(QStringLiteral("cmbRows=2;cmbFPI=8"));
        }
        m.choose(unit.endsWith(QLatin1Char('C'))   ? "optWater"
                 : unit.endsWith(QLatin1Char('E')) ? "optEvap"
                                                   : "optHponly");
        if (!m.window.calculate()) {
            qFatal("the design did not calculate");
        }
        m.press("cmdcosting");
    }

    // "straight;dp=Flat Drainpan;orient=Vertical;case=Stainless sheet;elims=1;stainless=1;horseshoe"
    void act(const QString& actions) const
    {
        for (const QString& action : actions.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString value = action.section(QLatin1Char('='), 1);
            if (action == QLatin1String("straight")) {
                option("optStraight")->setChecked(true);
            } else if (action == QLatin1String("horseshoe")) {
                option("optHorseshoe")->setChecked(true);
            } else if (action == QLatin1String("bin")) {
                option("optBinPayback")->setChecked(true);
            } else if (action == QLatin1String("design")) {
                option("optPaybackDesign")->setChecked(true);
            } else if (action.startsWith(QLatin1String("dp="))) {
                list("lstdpcost")->setCurrentText(value);
            } else if (action.startsWith(QLatin1String("orient="))) {
                list("cmbVerHor")->setCurrentText(value);
            } else if (action.startsWith(QLatin1String("case="))) {
                list("lstcasematcost")->setCurrentText(value);
            } else if (action.startsWith(QLatin1String("country="))) {
                list("cmbCountry")->setCurrentIndex(value.toInt());
            } else if (action.startsWith(QLatin1String("elims="))) {
                check("chkElims")->setChecked(value == QLatin1String("1"));
            } else if (action.startsWith(QLatin1String("stainless="))) {
                check("chkDPCaseMat")->setChecked(value == QLatin1String("1"));
            } else if (action.startsWith(QLatin1String("margin="))) {
                grossMargin()->setText(value);
            } else if (auto* text = window.findChild<QLineEdit*>(action.section(QLatin1Char('='), 0, 0))) {
                text->setText(value);
            } else {
                qFatal("unknown action %s", qPrintable(action));
            }
        }
    }

    RecordedBoxes boxes;
    StartedMain m;
    frmCosting window{&m.window};
    QStringList calls;
    bool failCosting = false;
};

QString stored(const char* key)
{
    QSettings settings(QStringLiteral("ArdelVexa"), QStringLiteral("ArdelVexa"));
    return settings.value(QStringLiteral("PaybackCalc/") + QLatin1String(key)).toString();
}

const QString kMarginMessage =
    QStringLiteral("Gross Margin must be between 0.1% and 99.9%. Please enter a valid value.");

} // namespace

class CostingTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QSettings(QStringLiteral("ArdelVexa"), QStringLiteral("ArdelVexa")).clear();
        programFlags() = ProgramFlags{};
        vexa::setBinWindowsPresenter({});
    }

    void firstStartShowsLondonDefaultsAndHidesTheCommercialGroups()
    {
        Costing c;
        QCOMPARE(c.window.windowTitle(), QStringLiteral(" Ardel Vexa GA"));
        QCOMPARE(c.list("cmbCountry")->count(), 14);
        QCOMPARE(c.list("cmbCountry")->currentText(), QStringLiteral("United Kingdom - London"));
        QCOMPARE(c.box("txtenergycost")->text(), QStringLiteral("0.03"));
        QCOMPARE(c.box("txtExchangeRate")->text(), QStringLiteral("1"));
        QCOMPARE(c.box("txtannualruncost")->text(), QStringLiteral("3000"));
        QCOMPARE(c.box("txtAdditionalCost")->text(), QStringLiteral("0"));
        QVERIFY(c.option("optPaybackDesign")->isChecked());
        QVERIFY(c.find("fraPayback")->isHidden());
        QVERIFY(c.find("fraPrices")->isHidden());
        QVERIFY(c.button("CmdAddItem")->isHidden() && !c.button("CmdAddItem")->isEnabled());
        QVERIFY(!c.button("CmdGArrangement")->isEnabled());
        QVERIFY(!c.button("cmdSummary")->isEnabled());
        QVERIFY(!c.check("chkDPCaseMat")->isEnabled());
        QVERIFY(!c.check("chkExPack")->isEnabled());
        QCOMPARE(c.list("lstcasematcost")->currentText(), QStringLiteral("Galvanised sheet"));
        QCOMPARE(c.list("lstdpcost")->currentText(), QStringLiteral("No Drainpan"));
        QCOMPARE(c.list("cmbVerHor")->currentText(), QStringLiteral("Vertical"));
        QVERIFY(c.boxes.shown.empty());
    }

    // Each country sets the labels, the defaults and what is shown, and names the
    // weather bins that the bin payback uses.
    void countryTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("energyCost");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<bool>("rateShown");
        QTest::addColumn<bool>("foreignShown");
        QTest::addColumn<int>("city");
        const QString pound = QStringLiteral("\u00a3");
        // clang-format off
        QTest::newRow("London")    <<  0 << "United Kingdom - London"   << pound  << "0.03" << "1"       << false << false << 0;
        QTest::newRow("Aberdeen")  <<  1 << "United Kingdom - Aberdeen" << pound  << "0.03" << "1"       << false << false << 1;
        QTest::newRow("Bahrain")   <<  2 << "Bahrain"                   << "BD"   << ""     << "0.625"   << true  << true  << 8;
        QTest::newRow("Hong Kong") <<  3 << "Hong Kong"                 << "HKD"  << ""     << "11.44"   << true  << true  << 12;
        QTest::newRow("Mumbai")    <<  4 << "India - Mumbai"            << "Rs"   << ""     << "72"      << true  << true  << 10;
        QTest::newRow("Calcutta")  <<  5 << "India - Calcutta"          << "Rs"   << ""     << "72"      << true  << true  << 11;
        QTest::newRow("Korea")     <<  6 << "Korea"                     << "WON"  << ""     << "1873.77" << true  << true  << 13;
        QTest::newRow("Kuwait")    <<  7 << "Kuwait"                    << "KD"   << ""     << "0.5"     << true  << true  << 3;
        QTest::newRow("Oman")      <<  8 << "Oman"                      << "OMR"  << ""     << "0.53"    << true  << true  << 9;
        QTest::newRow("Qatar")     <<  9 << "Qatar"                     << "QR"   << ""     << "5.3"     << true  << true  << 7;
        QTest::newRow("Jeddah")    << 10 << "Saudi Arabia - Jeddah"     << "SR"   << ""     << "5.3"     << true  << true  << 6;
        QTest::newRow("Riyadh")    << 11 << "Saudi Arabia - Riyadh"     << "SR"   << ""     << "5.3"     << true  << true  << 5;
        QTest::newRow("U.A.E.")    << 12 << "U.A.E."                    << "DH"   << ""     << "5.3"     << true  << true  << 4;
        QTest::newRow("Frankfurt") << 13 << "Germany - Frankfurt"       << QStringLiteral("\u20ac") << "0.03" << "1.6" << false << true << 2;
        // clang-format on
    }
    void countryTable()
    {
        QFETCH(int, index);
        QFETCH(QString, entry);
        QFETCH(QString, currency);
        QFETCH(QString, energyCost);
        QFETCH(QString, rate);
        QFETCH(bool, rateShown);
        QFETCH(bool, foreignShown);
        QFETCH(int, city);
        Costing c;
        c.list("cmbCountry")->setCurrentIndex((index + 1) % 14);
        c.box("txtenergycost")->setText(QStringLiteral("9"));
        c.list("cmbCountry")->setCurrentIndex(index);
        QCOMPARE(c.list("cmbCountry")->currentText(), entry);
        QCOMPARE(c.box("txtenergycost")->text(), energyCost);
        QCOMPARE(c.box("txtExchangeRate")->text(), rate);
        QCOMPARE(c.box("txtExchangeRate")->isHidden(), !rateShown);
        const auto* frame = c.find<QGroupBox>("fraForeignPrice");
        QCOMPARE(frame->isHidden(), !foreignShown);
        QCOMPARE(frame->title(), "Ex-Works Price (" + currency + ")");
        QStringList labels;
        for (const QLabel* label : c.find("fraPayback")->findChildren<QLabel*>()) {
            labels << label->text();
        }
        for (const QString& expected :
             {"Energy Cost (" + currency + "/kWh)", "Annual Pre-Cool Saving (" + currency + ")",
              "Annual Re-Heat Saving (" + currency + ")", "Annual Energy Saving (" + currency + ")"}) {
            QVERIFY2(labels.contains(expected), qPrintable(expected));
        }
        QCOMPARE(int(binCityFor("  " + entry + " ")), city);
    }

    // Missing, empty or unreadable settings leave the first country's defaults;
    // a good index brings its stored energy cost and rate, not the country's own.
    void storedSettings_data()
    {
        QTest::addColumn<QStringList>("keys"); // Country, EnergyCost, ExchangeRate; "-" for missing
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("energyCost");
        QTest::addColumn<QString>("rate");
        // clang-format off
        QTest::newRow("none stored")       << QStringList{"-", "-", "-"}          << "United Kingdom - London" << "0.03"  << "1";
        QTest::newRow("Kuwait with own")   << QStringList{"7", "0.012", "0.48"}   << "Kuwait"                  << "0.012" << "0.48";
        QTest::newRow("empty index")       << QStringList{"", "0.012", "0.48"}    << "United Kingdom - London" << "0.03"  << "1";
        QTest::newRow("index abc")         << QStringList{"abc", "0.012", "0.48"} << "United Kingdom - London" << "0.03"  << "1";
        QTest::newRow("index 99")          << QStringList{"99", "0.012", "0.48"}  << "United Kingdom - London" << "0.03"  << "1";
        QTest::newRow("index -1")          << QStringList{"-1", "0.012", "0.48"}  << "United Kingdom - London" << "0.03"  << "1";
        QTest::newRow("index without rest")<< QStringList{"13", "-", ""}          << "Germany - Frankfurt"     << "0.03"  << "1.6";
        QTest::newRow("Aberdeen")          << QStringList{"1", "0.2", "1"}        << "United Kingdom - Aberdeen" << "0.2" << "1";
        // clang-format on
    }
    void storedSettings()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, country);
        QFETCH(QString, energyCost);
        QFETCH(QString, rate);
        {
            QSettings settings(QStringLiteral("ArdelVexa"), QStringLiteral("ArdelVexa"));
            const QStringList names{"PaybackCalc/Country", "PaybackCalc/EnergyCost",
                                    "PaybackCalc/ExchangeRate"};
            for (int i = 0; i < 3; ++i) {
                if (keys[i] != QLatin1String("-")) {
                    settings.setValue(names[i], keys[i]);
                }
            }
        }
        Costing c;
        QCOMPARE(c.list("cmbCountry")->currentText(), country);
        QCOMPARE(c.box("txtenergycost")->text(), energyCost);
        QCOMPARE(c.box("txtExchangeRate")->text(), rate);
    }

    // Leaving the program through the main window stores the costing window's
    // country, energy cost and rate; the next start reads them back.
    void settingsRoundTrip()
    {
        {
            Costing c;
            c.act(QStringLiteral("country=6;txtenergycost=0.07;txtExchangeRate=1900.5"));
            c.m.window.exitProgram();
        }
        QCOMPARE(stored("Country"), QStringLiteral("6"));
        QCOMPARE(stored("EnergyCost"), QStringLiteral("0.07"));
        QCOMPARE(stored("ExchangeRate"), QStringLiteral("1900.5"));
        Costing again;
        QCOMPARE(again.list("cmbCountry")->currentText(), QStringLiteral("Korea"));
        QCOMPARE(again.box("txtenergycost")->text(), QStringLiteral("0.07"));
        QCOMPARE(again.box("txtExchangeRate")->text(), QStringLiteral("1900.5"));
    }

    // The build option handlers, each a sequence of user actions on an opened
    // window and the state of the dependent controls afterwards.
    void optionHandlers_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("drainpan");
        QTest::addColumn<bool>("drainpanEnabled");
        QTest::addColumn<bool>("eliminators");
        QTest::addColumn<bool>("eliminatorsShown");
        QTest::addColumn<bool>("stainless");
        QTest::addColumn<bool>("stainlessEnabled");
        QTest::addColumn<int>("carryoverBoxes");
        // clang-format off
        QTest::newRow("straight shows orientation")       << "H" << "straight"                                                   << "No Drainpan"      << true  << false << true  << false << false << 0;
        QTest::newRow("vertical with flat drainpan")      << "H" << "straight;orient=Horizontal;dp=Flat Drainpan;orient=Vertical"  << "Flat Drainpan"    << true  << true  << true  << false << true  << 1;
        QTest::newRow("vertical without drainpan")        << "H" << "straight;orient=Horizontal;orient=Vertical"                  << "No Drainpan"      << true  << false << true  << false << false << 0;
        QTest::newRow("drainpan under vertical")          << "H" << "straight;dp=Sloping Drainpan"                               << "Sloping Drainpan" << true  << true  << true  << false << true  << 1;
        QTest::newRow("perforated base under vertical")   << "H" << "straight;dp=Perforated Base"                                << "Perforated Base"  << true  << true  << true  << false << true  << 1;
        QTest::newRow("horizontal clears eliminators")    << "H" << "straight;dp=Flat Drainpan;orient=Horizontal"                << "Flat Drainpan"    << true  << false << true  << false << true  << 1;
        QTest::newRow("horizontal keeps user's choice")   << "H" << "straight;orient=Horizontal;dp=Flat Drainpan;elims=1"        << "Flat Drainpan"    << true  << true  << true  << false << true  << 0;
        QTest::newRow("stainless casing with drainpan")   << "H" << "straight;orient=Horizontal;dp=Sloping Drainpan;case=Stainless sheet" << "Sloping Drainpan" << true << false << true << true << false << 0;
        QTest::newRow("then no drainpan")                 << "H" << "straight;orient=Horizontal;dp=Sloping Drainpan;case=Stainless sheet;dp=No Drainpan" << "No Drainpan" << true << false << true << false << false << 0;
        QTest::newRow("galvanised frees stainless")       << "H" << "straight;orient=Horizontal;dp=Flat Drainpan;case=Stainless sheet;case=Galvanised sheet" << "Flat Drainpan" << true << false << true << false << true << 0;
        QTest::newRow("horseshoe resets the drainpan")    << "H" << "straight;dp=Flat Drainpan;stainless=1;horseshoe"            << "No Drainpan"      << false << false << false << false << false << 1;
        QTest::newRow("chilled water: no carryover rule") << "C" << "dp=Flat Drainpan"                                           << "Flat Drainpan"    << true  << false << false << false << true  << 0;
        // clang-format on
    }
    void optionHandlers()
    {
        QFETCH(QString, unit);
        QFETCH(QString, actions);
        Costing c;
        c.calculateAndOpen(unit);
        c.boxes.shown.clear();
        c.act(actions);
        QTEST(c.list("lstdpcost")->currentText(), "drainpan");
        QTEST(c.list("lstdpcost")->isEnabled(), "drainpanEnabled");
        QTEST(c.check("chkElims")->isChecked(), "eliminators");
        QTEST(!c.check("chkElims")->isHidden(), "eliminatorsShown");
        QCOMPARE(c.list("cmbVerHor")->isHidden(), c.check("chkElims")->isHidden());
        QTEST(c.check("chkDPCaseMat")->isChecked(), "stainless");
        QTEST(c.check("chkDPCaseMat")->isEnabled(), "stainlessEnabled");
        QFETCH(int, carryoverBoxes);
        QCOMPARE(c.boxes.shown.size(), size_t(carryoverBoxes));
        for (const auto& box : c.boxes.shown) {
            QCOMPARE(box.title, QStringLiteral("Moisture Carryover Likely"));
            QCOMPARE(box.text,
                     QStringLiteral("Eliminators have been selected for a vertical Heat Pipe with "
                                    "drainpan.  If deselected, then moisture carryover will result."));
            QCOMPARE(box.icon, MessageIcon::Information);
        }
        if (actions.endsWith(QLatin1String("horseshoe"))) {
            QCOMPARE(c.list("cmbVerHor")->currentText(), QStringLiteral("Vertical"));
        }
    }

    // Every option and commercial box empties the results of the last costing.
    void everyChangeClearsTheResults_data()
    {
        QTest::addColumn<QString>("actions");
        const QStringList changes{"horseshoe",
                                  "case=Stainless sheet",
                                  "dp=Flat Drainpan",
                                  "orient=Horizontal",
                                  "elims=1",
                                  "bin",
                                  "country=1",
                                  "txtenergycost=0.04",
                                  "txtannualruncost=2000",
                                  "txtExchangeRate=2",
                                  "txtAdditionalCost=10"};
        for (const QString& change : changes) {
            QTest::newRow(qPrintable(change)) << change;
        }
    }
    void everyChangeClearsTheResults()
    {
        QFETCH(QString, actions);
        Costing c;
        c.calculateAndOpen(QStringLiteral("R H"));
        c.act(QStringLiteral("straight;orient=Vertical"));
        QVERIFY(c.window.calculate());
        QVERIFY(!c.box("txtSizes")->text().isEmpty());
        QVERIFY(c.button("cmdSummary")->isEnabled());
        c.act(actions);
        for (const char* name :
             {"txtSizes", "txtWeight", "txtannualprecoolcost", "txtannualreheatcost", "txtannualenergycost",
              "txtpaybackcost", "txtPriceCostSterling", "txtPriceCostForeign"}) {
            QVERIFY2(c.box(name)->text().isEmpty(), name);
        }
        QVERIFY(!c.button("cmdSummary")->isEnabled());
        QVERIFY(!c.button("CmdGArrangement")->isEnabled());
    }

    // The checks of "Cal" in their order: each row breaks its own check and a
    // later one, and must be stopped by its own, before the engine is reached.
    void checks_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("box"); // the box afterwards, "name=text"
        const QString energyNumeric = "Energy Cost input is not numeric. Please enter a valid value.";
        const QString additional = "Addional Cost input is not numeric. Please enter a valid value.";
        const QString energyRange =
            "Energy cost must be between 0.000001 and 1000. Please enter a valid value.";
        const QString hoursNumeric = "Annual running hours input is not numeric. Please enter a valid value.";
        const QString hoursRange =
            "Annual running hours must be between 100 and 8760 hours. Please enter a valid value.";
        const QString rateNumeric = "Exchange Rate input is not numeric. Please enter a valid value.";
        const QString rateRange = "Exchange Rate must be greater than 0.000001. Please enter a valid value.";
        const QString marginNumeric = "Gross margin is not numeric. Please enter a valid value.";
        const QString casing = "Casing material must be Galvanised sheet or Stainless sheet. Please select "
                               "using the drop down list.";
        const QString drainpan =
            "Drainpan type must be either No Drainpan, Flat Drainpan, Sloping Drainpan or Perforated Base."
            "                             Please select using the drop down list.";
        // clang-format off
        QTest::newRow("1 energy text")       << "txtenergycost=abc;txtAdditionalCost=x"        << "Non-Numeric Value" << energyNumeric << "txtenergycost=";
        QTest::newRow("1 energy empty")      << "txtenergycost=;txtannualruncost=1"            << "Non-Numeric Value" << energyNumeric << "txtenergycost=";
        QTest::newRow("2 additional text")   << "txtAdditionalCost=12a;txtenergycost=5000"     << "Non-Numeric Value" << additional    << "txtAdditionalCost=0";
        QTest::newRow("3 energy 1000.01")    << "txtenergycost=1000.01;txtannualruncost=x"     << "Invalid Value"     << energyRange   << "txtenergycost=";
        QTest::newRow("3 energy 0.0000009")  << "txtenergycost=0.0000009"                      << "Invalid Value"     << energyRange   << "txtenergycost=";
        QTest::newRow("4 hours text")        << "txtannualruncost=3000 h;txtExchangeRate=x"    << "Non-Numeric Value" << hoursNumeric  << "txtannualruncost=";
        QTest::newRow("5 hours 8761")        << "txtannualruncost=8761;txtExchangeRate=x"      << "Invalid Value"     << hoursRange    << "txtannualruncost=";
        QTest::newRow("5 hours 99.9")        << "txtannualruncost=99.9"                        << "Invalid Value"     << hoursRange    << "txtannualruncost=";
        QTest::newRow("6 rate text")         << "txtExchangeRate=1,5;margin=x"                 << "Non-Numeric Value" << rateNumeric   << "txtExchangeRate=";
        QTest::newRow("7 rate 0")            << "txtExchangeRate=0;margin=x"                   << "Invalid Value"     << rateRange     << "txtExchangeRate=";
        QTest::newRow("8 margin text")       << "margin=65%;case=Wood"                         << "Non-Numeric Value" << marginNumeric << "txtenergycost=0.03";
        QTest::newRow("9 margin 100")        << "margin=100;case=Wood"                         << "Invalid Value"     << kMarginMessage << "txtenergycost=0.03";
        QTest::newRow("9 margin 0")          << "margin=0"                                     << "Invalid Value"     << kMarginMessage << "txtenergycost=0.03";
        QTest::newRow("9 margin 99.5 -> 100")<< "margin=99.5"                                  << "Invalid Value"     << kMarginMessage << "txtenergycost=0.03";
        QTest::newRow("9 margin 99.9 -> 100")<< "margin=99.9"                                  << "Invalid Value"     << kMarginMessage << "txtenergycost=0.03";
        QTest::newRow("9 margin 0.5 -> 0")   << "margin=0.5"                                   << "Invalid Value"     << kMarginMessage << "txtenergycost=0.03";
        QTest::newRow("10 casing")           << "case=Wood;dp=Tray"                            << "Illegal Input"     << casing        << "txtenergycost=0.03";
        QTest::newRow("11 drainpan")         << "dp=Tray"                                      << "Illegal Input"     << drainpan      << "txtenergycost=0.03";
        // clang-format on
    }
    void checks()
    {
        QFETCH(QString, actions);
        QFETCH(QString, box);
        Costing c;
        c.calculateAndOpen();
        // A list text outside its entries ("case=Wood") is put in place of the
        // selected entry, as a damaged list would show it.
        QString edits;
        for (const QString& action : actions.split(QLatin1Char(';'))) {
            if (action == QLatin1String("case=Wood")) {
                c.list("lstcasematcost")->setItemText(0, QStringLiteral("Wood"));
            } else if (action == QLatin1String("dp=Tray")) {
                c.list("lstdpcost")->setItemText(0, QStringLiteral("Tray"));
            } else {
                edits += action + QLatin1Char(';');
            }
        }
        c.act(edits);
        c.boxes.shown.clear();
        QVERIFY(!c.window.calculate());
        QCOMPARE(c.boxes.shown.size(), size_t(1));
        QTEST(c.boxes.shown[0].title, "title");
        QTEST(c.boxes.shown[0].text, "message");
        QCOMPARE(c.boxes.shown[0].icon, MessageIcon::Information);
        QCOMPARE(c.box(qPrintable(box.section(QLatin1Char('='), 0, 0)))->text(),
                 box.section(QLatin1Char('='), 1));
        QVERIFY(c.calls.isEmpty());
        QVERIFY(!programFlags().CostingDone);
        QVERIFY(!c.button("cmdSummary")->isEnabled());
    }

    // What reaches the engine for each kind of unit, in order.
    void engineExchange_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("expected");
        const QString commercial =
            ";Margin=65;ExchangeRate=1;EnergyCost=0.03;AnnualRunningHours=3000;AdditionalCost=0;"
            "InitiateCostingCalculations";
        // clang-format off
        QTest::newRow("horseshoe")
            << "H" << ""
            << "HeatpipeStyle=0;CasingMaterial=0;DrainpanType=0;OptStainlessSteelDrainpan=0;OptEliminators=0" + commercial;
        QTest::newRow("straight horizontal with eliminators")
            << "H" << "straight;orient=Horizontal;dp=Flat Drainpan;elims=1;case=Stainless sheet"
            << "HeatpipeStyle=1;CasingMaterial=1;DrainpanType=1;OptStainlessSteelDrainpan=1;OptEliminators=1;Orienitation=0" + commercial;
        QTest::newRow("straight vertical with drainpan")
            << "H" << "straight;dp=Perforated Base;stainless=1"
            << "HeatpipeStyle=1;CasingMaterial=0;DrainpanType=3;OptStainlessSteelDrainpan=1;OptEliminators=1;Orienitation=1" + commercial;
        QTest::newRow("straight, eliminators taken off")
            << "H" << "straight;dp=Sloping Drainpan;elims=0"
            << "HeatpipeStyle=1;CasingMaterial=0;DrainpanType=2;OptStainlessSteelDrainpan=0;OptEliminators=0;Orienitation=1" + commercial;
        QTest::newRow("chilled water is a combination")
            << "C" << "dp=Sloping Drainpan;stainless=1"
            << "HeatpipeStyle=2;CasingMaterial=0;DrainpanType=2;OptStainlessSteelDrainpan=1;OptEliminators=0" + commercial;
        QTest::newRow("refrigerant is a combination")
            << "E" << "case=Stainless sheet"
            << "HeatpipeStyle=2;CasingMaterial=1;DrainpanType=0;OptStainlessSteelDrainpan=0;OptEliminators=0" + commercial;
        QTest::newRow("commercial values as read")
            << "H" << "margin= 65.5 ;txtExchangeRate=0.625;txtenergycost=1000;txtannualruncost=8760;txtAdditionalCost=-25.5"
            << "HeatpipeStyle=0;CasingMaterial=0;DrainpanType=0;OptStainlessSteelDrainpan=0;OptEliminators=0;Margin=66;"
               "ExchangeRate=0.625;EnergyCost=1000;AnnualRunningHours=8760;AdditionalCost=-25.5;InitiateCostingCalculations";
        QTest::newRow("lowest bounds pass, 64.5 to even")
            << "H" << "margin=64.5;txtExchangeRate=0.000001;txtenergycost=1e-6;txtannualruncost=100"
            << "HeatpipeStyle=0;CasingMaterial=0;DrainpanType=0;OptStainlessSteelDrainpan=0;OptEliminators=0;Margin=64;"
               "ExchangeRate=1e-06;EnergyCost=1e-06;AnnualRunningHours=100;AdditionalCost=0;InitiateCostingCalculations";
        QTest::newRow("margin 99.4 and 0.6 are costed")
            << "H" << "margin=99.4"
            << "HeatpipeStyle=0;CasingMaterial=0;DrainpanType=0;OptStainlessSteelDrainpan=0;OptEliminators=0;Margin=99;"
               "ExchangeRate=1;EnergyCost=0.03;AnnualRunningHours=3000;AdditionalCost=0;InitiateCostingCalculations";
        // clang-format on
    }
    void engineExchange()
    {
        QFETCH(QString, unit);
        QFETCH(QString, actions);
        QFETCH(QString, expected);
        Costing c;
        c.calculateAndOpen(unit);
        c.act(actions);
        c.boxes.shown.clear();
        QVERIFY(c.window.calculate());
        QCOMPARE(c.calls.join(QLatin1Char(';')), expected);
        QVERIFY(c.boxes.shown.empty());
    }

    // The boxes show what the engine worked out, and the commands that follow a
    // costing become available.
    void resultsShownAfterCosting_data()
    {
        QTest::addColumn<bool>("quoteMode");
        QTest::newRow("design tool") << false;
        QTest::newRow("quotation") << true;
    }
    void resultsShownAfterCosting()
    {
        QFETCH(bool, quoteMode);
        programFlags().QuoteMode = quoteMode;
        Costing c;
        c.calculateAndOpen(QStringLiteral("C"));
        QVERIFY(c.window.calculate());
        const vexa::Cost& cost = c.m.window.engineLink()->main().Cost();
        const auto text = [](double v) { return QString::fromStdString(vexa::num::shortestText(v)); };
        QCOMPARE(c.box("txtSizes")->text(), QString::fromStdString(cost.Sizes()));
        QCOMPARE(c.box("txtWeight")->text(), text(cost.ApproxiamateWeight()));
        QCOMPARE(c.box("txtPriceCostSterling")->text(), QString::number(cost.ExWorksPriceSterling()));
        QCOMPARE(c.box("txtPriceCostForeign")->text(), QString::number(cost.ExWorksPriceForeign()));
        QCOMPARE(c.box("txtannualprecoolcost")->text(), text(cost.AnnualPrecoolSaving()));
        QCOMPARE(c.box("txtannualreheatcost")->text(), text(cost.AnnualReheatSaving()));
        QCOMPARE(c.box("txtannualenergycost")->text(), text(cost.AnnualCostSaving()));
        QCOMPARE(c.box("txtpaybackcost")->text(), text(cost.PaybackPeriod()));
        QVERIFY(cost.ExWorksPriceSterling() > 0);
        QVERIFY(programFlags().CostingDone);
        QCOMPARE(c.button("cmdSummary")->isEnabled(), !quoteMode);
        QCOMPARE(c.button("cmdSummary")->isHidden(), quoteMode);
        QCOMPARE(c.button("CmdAddItem")->isEnabled(), quoteMode);
        QCOMPARE(c.button("CmdAddItem")->isHidden(), !quoteMode);
        QVERIFY(!c.button("CmdGArrangement")->isEnabled()); // no dimension dialogs yet
    }

    // An error the engine raises during "Cal" is shown and the unit is not costed.
    void engineFailureIsReported()
    {
        Costing c;
        c.calculateAndOpen();
        QVERIFY(c.window.calculate());
        c.failCosting = true;
        c.calls.clear();
        QVERIFY(!c.window.calculate());
        QCOMPARE(c.boxes.titles(), QStringList{"Costing Failed"});
        QCOMPARE(c.boxes.shown[0].text, QStringLiteral("Price calculation: a figure does not fit its type"));
        QVERIFY(c.box("txtSizes")->text().isEmpty());
        QVERIFY(!c.button("cmdSummary")->isEnabled());
    }

    // With "Using Bin Data " the city of the country goes to the engine after the
    // costing, the bin windows are shown while "Cal" waits, and the bin savings
    // are shown.
    void binPath()
    {
        Costing c;
        int presented = 0;
        bool costingVisibleMeanwhile = false;
        vexa::setBinWindowsPresenter([&] {
            ++presented;
            costingVisibleMeanwhile = c.window.isVisible() && c.box("txtSizes")->text().isEmpty();
        });
        c.calculateAndOpen(QStringLiteral("R H"));
        QVERIFY(c.option("optBinPayback")->isEnabled());
        c.act(QStringLiteral("country=7;txtenergycost=0.01;bin"));
        QVERIFY(c.window.calculate());
        QCOMPARE(presented, 1);
        QVERIFY(costingVisibleMeanwhile);
        QVERIFY(c.calls.join(QLatin1Char(';'))
                    .endsWith(QLatin1String("InitiateCostingCalculations;City=3;UseBinData")));
        const vexa::Bin& bin = c.m.window.engineLink()->main().Cost().Bin();
        const auto text = [](double v) { return QString::fromStdString(vexa::num::shortestText(v)); };
        QCOMPARE(c.box("txtannualprecoolcost")->text(), text(bin.BinAnnualPreCoolSaving()));
        QCOMPARE(c.box("txtannualreheatcost")->text(), text(bin.BinAnnualReHeatSaving()));
        QCOMPARE(c.box("txtannualenergycost")->text(), text(bin.BinAnnualCostSaving()));
        QCOMPARE(c.box("txtpaybackcost")->text(), text(bin.BinPaybackPeriod()));
        QVERIFY(bin.BinAnnualCostSaving() > 0);

        c.calls.clear();
        c.act(QStringLiteral("design"));
        QVERIFY(c.window.calculate());
        QCOMPARE(presented, 1);
        QVERIFY(!c.calls.contains(QStringLiteral("UseBinData")));
    }

    // The main window's modes decide the payback options.
    void modesDecideThePaybackOptions()
    {
        Costing c;
        c.m.choose("optRate");
        QVERIFY(c.option("optBinPayback")->isEnabled() && c.option("optPaybackDesign")->isEnabled());
        c.option("optBinPayback")->setChecked(true);
        c.m.choose("optSelect");
        QVERIFY(c.option("optPaybackDesign")->isChecked());
        QVERIFY(!c.option("optBinPayback")->isEnabled() && !c.option("optPaybackDesign")->isEnabled());
    }

    // Opening hides the main window; the style options are there only for a
    // heat-pipe-only unit.
    void opening_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<bool>("stylesShown");
        QTest::newRow("heat pipe only") << "H" << true;
        QTest::newRow("chilled water") << "C" << false;
        QTest::newRow("refrigerant") << "E" << false;
    }
    void opening()
    {
        QFETCH(QString, unit);
        QFETCH(bool, stylesShown);
        Costing c;
        c.calculateAndOpen(unit);
        QVERIFY(c.window.isVisible());
        QVERIFY(!c.m.window.isVisible());
        QCOMPARE(!c.option("optHorseshoe")->isHidden(), stylesShown);
        QCOMPARE(!c.option("optStraight")->isHidden(), stylesShown);
        if (stylesShown) {
            QVERIFY(c.option("optStraight")->isEnabled() && c.option("optHorseshoe")->isEnabled());
        }
        QVERIFY(c.list("cmbVerHor")->isHidden());
        QCOMPARE(c.box("txtfpicccost")->text() == QLatin1String("n/a"), stylesShown);
        QVERIFY(!c.box("txtthcost")->text().isEmpty());
        QCOMPARE(c.box("txtflcost")->text(), c.m.box("txtWidth")->text());
    }

    // "Close" and the menu entry reset the window and return to the main window,
    // which must calculate again; only the button forgets the costing.
    void closing_data()
    {
        QTest::addColumn<bool>("button");
        QTest::newRow("Close button") << true;
        QTest::newRow("menu entry") << false;
        QTest::newRow("title bar") << true;
    }
    void closing()
    {
        QFETCH(bool, button);
        Costing c;
        c.calculateAndOpen(QStringLiteral("R H"));
        c.act(QStringLiteral(
            "straight;txtannualruncost=2000;txtAdditionalCost=5;bin;country=7;txtenergycost=0.02"));
        QVERIFY(c.window.calculate());
        const QString row = QString::fromLatin1(QTest::currentDataTag());
        if (row == QLatin1String("Close button")) {
            c.button("cmdclosecost")->click();
        } else if (row == QLatin1String("menu entry")) {
            c.window.findChild<QAction*>(QStringLiteral("mnuCloseCosting"))->trigger();
        } else {
            c.window.close();
        }
        QVERIFY(!c.window.isVisible());
        QVERIFY(c.m.window.isVisible());
        QVERIFY(!c.m.find<QPushButton>("cmdcosting")->isEnabled());
        QVERIFY(!c.m.find<QPushButton>("cmdSummary")->isEnabled());
        QVERIFY(!c.m.find<QPushButton>("cmdpsych")->isEnabled());
        for (const char* name : {"txtfpihpcost", "txtthcost", "txtflcost", "txtSizes", "txtpaybackcost"}) {
            QVERIFY2(c.box(name)->text().isEmpty(), name);
        }
        QCOMPARE(c.box("txtannualruncost")->text(), QStringLiteral("3000"));
        QCOMPARE(c.box("txtAdditionalCost")->text(), QStringLiteral("0"));
        QVERIFY(c.option("optPaybackDesign")->isChecked());
        QVERIFY(c.option("optStraight")->isHidden() && !c.option("optStraight")->isEnabled());
        QVERIFY(c.option("optHorseshoe")->isHidden() && c.list("cmbVerHor")->isHidden());
        QCOMPARE(c.list("cmbCountry")->currentText(), QStringLiteral("Kuwait"));
        QCOMPARE(c.box("txtenergycost")->text(), QStringLiteral("0.02"));
        QCOMPARE(programFlags().CostingDone, !button);
        c.m.window.exitProgram();
        QCOMPARE(stored("Country"), QStringLiteral("7"));
    }

    // "GA" costs the unit, hides the window and hands over the program's Main.
    void gaHandsOverToTheDimensionDialog()
    {
        Costing c;
        QWidget* openedFrom = nullptr;
        const vexa::Main* handed = nullptr;
        bool hiddenMeanwhile = false;
        c.window.setDimensionDialogOpener([&](QWidget* window, vexa::Main& main) {
            openedFrom = window;
            handed = &main;
            hiddenMeanwhile = !window->isVisible();
        });
        c.calculateAndOpen();
        QVERIFY(c.window.calculate());
        QVERIFY(c.button("CmdGArrangement")->isEnabled());
        c.calls.clear();
        c.button("CmdGArrangement")->click();
        QCOMPARE(openedFrom, &c.window);
        QCOMPARE(handed, &c.m.window.engineLink()->main());
        QVERIFY(hiddenMeanwhile);
        QVERIFY(c.calls.contains(QStringLiteral("InitiateCostingCalculations")));
    }

    void printOpensTheSummary()
    {
        Costing c;
        int opened = 0;
        c.window.setSummaryOpener([&] { ++opened; });
        c.calculateAndOpen();
        QVERIFY(c.window.calculate());
        c.button("cmdSummary")->click();
        QCOMPARE(opened, 1);
    }

    void enterKeyEntersNothing()
    {
        Costing c;
        c.calculateAndOpen();
        QLineEdit* box = c.box("txtenergycost");
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(box->text(), QStringLiteral("0.03"));
        QVERIFY(c.window.isVisible());
    }
};

VEXA_QTEST_MAIN(CostingTest)
#include "CostingTest.moc"
