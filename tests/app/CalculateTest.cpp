#include "AppTestSupport.h"
#include "common/EngineError.h"
#include "mainwindow/CostingLink.h"
#include "reports/frmAdditionalInformation.h"

#include <QAction>

using namespace vexa::app;

namespace {

// Watches what the engine receives, in order, and passes it on.
class RecordingEngine : public EngineLink {
public:
    explicit RecordingEngine(QStringList* calls, bool failCalculation = false)
        : m_calls(calls), m_fail(failCalculation)
    {
    }
    void setVexaApplicationType(vexa::VexaType t) override
    {
        log("VexaApplicationType", int(t));
        EngineLink::setVexaApplicationType(t);
    }
    void setHeatpipeType(vexa::Heatpipe t) override
    {
        log("HeatpipeType", int(t));
        EngineLink::setHeatpipeType(t);
    }
    void setDryBulb_1(float v) override
    {
        log("DryBulb_1", v);
        EngineLink::setDryBulb_1(v);
    }
    void setTubeDiameter(const std::string& v) override
    {
        m_calls->append("TubeDiameter=" + QString::fromStdString(v));
        EngineLink::setTubeDiameter(v);
    }
    void setFinType_Heatpipe(vexa::FinType t) override
    {
        log("FinType_Heatpipe", int(t));
        EngineLink::setFinType_Heatpipe(t);
    }
    void setOptMode(vexa::SELECTorRATE m) override
    {
        log("OptMode", int(m));
        EngineLink::setOptMode(m);
    }
    void setFinMaterial(vexa::FinMat f) override
    {
        log("FinMaterial", int(f));
        EngineLink::setFinMaterial(f);
    }
    void setFinType_CoolingCoil(vexa::FinType t) override
    {
        log("FinType_CoolingCoil", int(t));
        EngineLink::setFinType_CoolingCoil(t);
    }
    void setInletWaterTemp(float v) override
    {
        log("InletWaterTemp", v);
        EngineLink::setInletWaterTemp(v);
    }
    void setOutletWaterTemp(float v) override
    {
        log("OutletWaterTemp", v);
        EngineLink::setOutletWaterTemp(v);
    }
    void setEvaporatingTemperature(float v) override
    {
        log("EvaporatingTemperature", v);
        EngineLink::setEvaporatingTemperature(v);
    }
    void setOptWetBulb(vexa::WBorRH m) override
    {
        log("OptWetBulb", int(m));
        EngineLink::setOptWetBulb(m);
    }
    void setDryBulb_3(float v) override
    {
        log("DryBulb_3", v);
        EngineLink::setDryBulb_3(v);
    }
    void setDryBulb_4(float v) override
    {
        log("DryBulb_4", v);
        EngineLink::setDryBulb_4(v);
    }
    void setWetBulb_1(float v) override
    {
        log("WetBulb_1", v);
        EngineLink::setWetBulb_1(v);
    }
    void setWetBulb_4(float v) override
    {
        log("WetBulb_4", v);
        EngineLink::setWetBulb_4(v);
    }
    void setRelativeHumidity_1(float v) override
    {
        log("RelativeHumidity_1", v);
        EngineLink::setRelativeHumidity_1(v);
    }
    void setRelativeHumidity_4(float v) override
    {
        log("RelativeHumidity_4", v);
        EngineLink::setRelativeHumidity_4(v);
    }
    void setFPI_Heatpipe(int32_t v) override
    {
        log("FPI_Heatpipe", v);
        EngineLink::setFPI_Heatpipe(v);
    }
    void setNoOfRowsHeatpipe(int32_t v) override
    {
        log("NoOfRowsHeatpipe", v);
        EngineLink::setNoOfRowsHeatpipe(v);
    }
    void setFinned_Height(int32_t v) override
    {
        log("Finned_Height", v);
        EngineLink::setFinned_Height(v);
    }
    void setFinned_Width(int32_t v) override
    {
        log("Finned_Width", v);
        EngineLink::setFinned_Width(v);
    }
    void setAirFlowRate(float v) override
    {
        log("AirFlowRate", v);
        EngineLink::setAirFlowRate(v);
    }
    void InitiateMainCalculations() override
    {
        m_calls->append("InitiateMainCalculations");
        if (m_fail) {
            throw vexa::CalculationError("Face geometry: the coil is too small for one tube");
        }
        EngineLink::InitiateMainCalculations();
    }

private:
    template <typename T>
    void log(const char* name, T value)
    {
        m_calls->append(QStringLiteral("%1=%2").arg(QLatin1String(name)).arg(value));
    }
    QStringList* m_calls;
    bool m_fail;
};

// A costing window as the main window sees it.
class CostingProbe : public CostingLink {
public:
    void selectionModeChosen() override { calls << "selection"; }
    void ratingModeChosen() override { calls << "rating"; }
    void prepareForCalculation(bool heatPipeOnly) override
    {
        calls << QStringLiteral("prepare %1").arg(heatPipeOnly);
    }
    bool usingBinData() const override { return binData; }
    void showConfiguration(const CostingConfiguration& c) override { configuration = c; }
    void showJudgedDesign(const QString& tubes, const QString& length, const QString& material) override
    {
        judged = QStringList{tubes, length, material};
    }
    void open(bool) override {}
    CostingSettings settings() const override { return {}; }

    QStringList calls;
    bool binData = false;
    CostingConfiguration configuration;
    QStringList judged;
};

// The main window with its options and inputs set: "S"/"R" select or rate, "W"/"H"
// wet bulb or humidity input, "H"/"C"/"E" heat pipe only, chilled water, refrigerant.
void setUp(StartedMain& m, const QString& modes, const QString& edits)
{
    m.choose(modes.at(0) == QLatin1Char('R') ? "optRate" : "optSelect");
    m.choose(modes.at(1) == QLatin1Char('H') ? "OptRH" : "optWB");
    m.choose(modes.at(2) == QLatin1Char('C')   ? "optWater"
             : modes.at(2) == QLatin1Char('E') ? "optEvap"
                                               : "optHponly");
    if (modes.at(0) == QLatin1Char('R')) {
        m.enter(QStringLiteral("cmbRows=2;cmbFPI=8"));
    }
    m.enter(edits);
}

} // namespace

class CalculateTest : public QObject {
    Q_OBJECT
private slots:
    // One row per check of the calculate command, with the value on each side of
    // its boundary: the refused side names the title, message and box; the
    // accepted side must not show that title.
    void checks_data()
    {
        QTest::addColumn<QString>("modes");
        QTest::addColumn<QString>("edits");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("emptied");
        const QString deg = QStringLiteral("\u00b0C");
        // clang-format off
        QTest::newRow("db1 text")        << "SWH" << "txtDB1=abc"   << true  << "Air On Dry Bulb Temperature Non-Numeric" << "The air on dry bulb temperature must be numeric." << "txtDB1" << true;
        QTest::newRow("db1 comma")       << "SWH" << "txtDB1=32,5"  << true  << "Air On Dry Bulb Temperature Non-Numeric" << "The air on dry bulb temperature must be numeric." << "txtDB1" << true;
        QTest::newRow("db1 60")          << "SWH" << "txtDB1=60"    << true  << "Air On Dry Bulb Temperature Out of Range" << "The air on dry bulb temperature must be greater than -20" + deg + " and less than 60" + deg + "." << "txtDB1" << true;
        QTest::newRow("db1 59.9")        << "SWH" << "txtDB1=59.9"  << false << "Air On Dry Bulb Temperature Out of Range" << "" << "" << false;
        QTest::newRow("db1 -20")         << "RWH" << "txtDB1=-20"   << true  << "Air On Dry Bulb Temperature Out of Range" << "The air on dry bulb temperature must be greater than -20" + deg + " and less than 60" + deg + "." << "txtDB1" << true;
        QTest::newRow("db1 1e3")         << "SWH" << "txtDB1=1e3"   << true  << "Air On Dry Bulb Temperature Out of Range" << "The air on dry bulb temperature must be greater than -20" + deg + " and less than 60" + deg + "." << "txtDB1" << true;
        QTest::newRow("wb1 text")        << "SWH" << "txtWB1=x"     << true  << "Air On Wet Bulb Temperature Non-Numeric" << "The air on wet bulb temperature must be numeric." << "txtWB1" << true;
        QTest::newRow("wb1 60")          << "SWH" << "txtWB1=60"    << true  << "Air On Wet Bulb Temperature Out of Range" << "The air on wet bulb temperature must be greater than -20" + deg + " and less than 60" + deg + "." << "txtWB1" << true;
        QTest::newRow("rh1 text")        << "RHH" << "txtRH1=x"     << true  << "Air On RH Non-Numeric" << "The air on RH must be numeric." << "txtRH1" << true;
        QTest::newRow("rh1 20")          << "RHH" << "txtRH1=20"    << true  << "Air On RH Out of Range" << "The air on RH must be greater than 20% and less than or equal to 100%." << "txtRH1" << true;
        QTest::newRow("rh1 15")          << "RHH" << "txtRH1=15"    << true  << "Air On RH Out of Range" << "The air on RH must be greater than 20% and less than or equal to 100%." << "txtRH1" << true;
        QTest::newRow("rh1 100")         << "RHH" << "txtRH1=100"   << false << "Air On RH Out of Range" << "" << "" << false;
        QTest::newRow("rh1 100.1")       << "RHH" << "txtRH1=100.1" << true  << "Air On RH Out of Range" << "The air on RH must be greater than 20% and less than or equal to 100%." << "txtRH1" << true;
        QTest::newRow("db3 text")        << "RWH" << "txtDB3=x"     << true  << "Dry Bulb 3 Temperature Non-Numeric" << "The dry bulb temperature at 3 must be numeric." << "txtDB3" << true;
        QTest::newRow("db3 wb -20")      << "RWH" << "txtDB3=-20"   << true  << "Dry Bulb 3 Temperature Out of Range" << "The dry bulb temperature at 3 must be greater than -20" + deg + " and less than 60" + deg + "." << "txtDB3" << true;
        QTest::newRow("db3 wb -19.9")    << "RWH" << "txtDB3=-19.9" << false << "Dry Bulb 3 Temperature Out of Range" << "" << "" << false;
        QTest::newRow("db3 rh -10")      << "RHH" << "txtDB3=-10"   << true  << "Dry Bulb 3 Temperature Out of Range" << "The dry bulb temperature at 3 must be greater than -10" + deg + " and less than 50" + deg + "." << "txtDB3" << true;
        QTest::newRow("db3 rh 50")       << "RHH" << "txtDB3=50"    << true  << "Dry Bulb 3 Temperature Out of Range" << "The dry bulb temperature at 3 must be greater than -10" + deg + " and less than 50" + deg + "." << "txtDB3" << true;
        QTest::newRow("db3 rh 49.9")     << "RHH" << "txtDB3=49.9"  << false << "Dry Bulb 3 Temperature Out of Range" << "" << "" << false;
        QTest::newRow("db4 text")        << "SWH" << "txtDB4=x"     << true  << "Dry Bulb 4 Temperature Non-Numeric" << "The dry bulb temperature at 4 must be numeric." << "txtDB4" << true;
        QTest::newRow("db4 60")          << "SWH" << "txtDB4=60"    << true  << "Dry Bulb 4 Temperature Out of Range" << "The dry bulb temperature at 4 must be greater than -20" + deg + " and less than 60" + deg + "." << "txtDB4" << true;
        QTest::newRow("wb4 text")        << "SWH" << "txtWB4=x"     << true  << "Air Off Wet Bulb Temperature Non-Numeric" << "The air off wet bulb temperature must be numeric." << "txtWB4" << true;
        QTest::newRow("wb4 -20")         << "SWH" << "txtWB4=-20"   << true  << "Air Off Wet Bulb Temperature Out of Range" << "The air off wet bulb temperature must be greater than -20" + deg + " and less than 60" + deg + "." << "txtWB4" << true;
        QTest::newRow("rh4 text")        << "SHH" << "txtRH4=x"     << true  << "Air Off RH Non-Numeric" << "The air off RH must be numeric." << "txtRH4" << true;
        QTest::newRow("rh4 20")          << "SHH" << "txtRH4=20"    << true  << "Air Off RH Out of Range" << "The air off RH must be greater than 20% and less than or equal to 100%." << "txtRH4" << true;
        QTest::newRow("rh4 20.1")        << "SHH" << "txtRH4=20.1"  << false << "Air Off RH Out of Range" << "" << "" << false;
        QTest::newRow("rate wb1 > db1")  << "RWH" << "txtDB1=25;txtWB1=26" << true << "WB > DB" << "Wet Bulb temperature at 1 cannot be greater than Dry Bulb temperature at 1. Please enter another value." << "txtWB1" << true;
        QTest::newRow("rate wb1 = db1")  << "RWH" << "txtDB1=25;txtWB1=25" << false << "WB > DB" << "" << "" << false;
        QTest::newRow("select wb1 > db1")<< "SWH" << "txtDB1=25;txtWB1=26" << true << "WB > DB" << "Wet Bulb temperature at 1 cannot be greater than Dry Bulb temperature at 1. Please enter another value." << "txtWB1" << true;
        QTest::newRow("select wb4 > db4")<< "SWH" << "txtWB4=18.1"  << true  << "WB > DB" << "Wet Bulb temperature at 4 cannot be greater than Dry Bulb temperature at 4. Please enter another value." << "txtWB4" << true;
        QTest::newRow("fin type")        << "SWH" << "cmbFinType=Plain" << true << "Illegal Heat Pipe Fin Type" << "Heat pipe fin type must be Louvre or Ripple. Please select using the drop down list." << "cmbFinType" << false;
        QTest::newRow("fin type ripple") << "SWH" << "cmbFinType=Ripple" << false << "Illegal Heat Pipe Fin Type" << "" << "" << false;
        QTest::newRow("rows 4")          << "RWH" << "cmbRows=4"    << true  << "Illegal Heat Pipe Number of Rows" << "Heat pipe number of rows must be 1, 2 or 3. Please select using the drop down list." << "cmbRows" << false;
        QTest::newRow("rows empty")      << "RWH" << "cmbRows="     << true  << "Illegal Heat Pipe Number of Rows" << "Heat pipe number of rows must be 1, 2 or 3. Please select using the drop down list." << "cmbRows" << false;
        QTest::newRow("fpi empty")       << "RWH" << "cmbFPI="      << true  << "Illegal Heat Pipe Fins Per Inch" << "Heat pipe fins per inch must be 6, 8, 10 or 12. Please select using the drop down list." << "cmbFPI" << false;
        QTest::newRow("coil fin type")   << "SWC" << "cmbFinTypeCC=x" << true << "Illegal Cooling Coil Fin Type" << "Cooling coil fin type must be Louvre or Ripple. Please select using the drop down list." << "cmbFinTypeCC" << false;
        QTest::newRow("inlet text")      << "SWC" << "txtWinTemp=x" << true  << "Water Inlet Temperature Non-Numeric" << "The water inlet temperature must be numeric." << "txtWinTemp" << true;
        QTest::newRow("inlet 30")        << "SWC" << "txtWinTemp=30" << true << "Water Inlet Temp Not Valid" << "Chilled water inlet temperature out of range. Please enter a value greater than or equal to 0" + deg + " and less than 30" + deg + "." << "txtWinTemp" << true;
        QTest::newRow("inlet -0.1")      << "SWC" << "txtWinTemp=-0.1" << true << "Water Inlet Temp Not Valid" << "Chilled water inlet temperature out of range. Please enter a value greater than or equal to 0" + deg + " and less than 30" + deg + "." << "txtWinTemp" << true;
        QTest::newRow("inlet 0")         << "SWC" << "txtWinTemp=0" << false << "Water Inlet Temp Not Valid" << "" << "" << false;
        QTest::newRow("outlet text")     << "SWC" << "txtWoutTemp=x" << true << "Water Outlet Temperature Non-Numeric" << "The water outlet temperature must be numeric." << "txtWoutTemp" << true;
        QTest::newRow("outlet 30")       << "SWC" << "txtWoutTemp=30" << true << "Outlet Water Temp Invalid" << "Chilled water outlet temperature out of range. Please enter a value greater than or equal to 0" + deg + " and less than 30" + deg + "." << "txtWoutTemp" << true;
        QTest::newRow("evap text")       << "SWE" << "txtEvapTemp=x" << true << "Evaporation Temperature Non-Numeric" << "The evaporating temperature must be numeric." << "txtEvapTemp" << true;
        QTest::newRow("evap 15")         << "SWE" << "txtEvapTemp=15" << true << "Evaporating Temp Invalid" << "Evaporating temperature out of range. Please enter a value greater than or equal to 0" + deg + " and less than 15" + deg + "." << "txtEvapTemp" << true;
        QTest::newRow("evap 14.9")       << "SWE" << "txtEvapTemp=14.9" << false << "Evaporating Temp Invalid" << "" << "" << false;
        QTest::newRow("inlet = outlet")  << "SWC" << "txtWinTemp=12;txtWoutTemp=12" << true << "Water Inlet Temp > Water Outlet Temp" << "For a chilled water cooling coil, the inlet water temperature must be less than the outlet water temperature." << "txtWinTemp" << true;
        QTest::newRow("rate wb1 too low")<< "RWH" << "txtDB1=33;txtWB1=12" << true << "WB Too Low" << "Wet bulb temperature at 1 is too low. Please enter a higher wet bulb temperature." << "txtWB1" << true;
        QTest::newRow("rate wb1 12.2")   << "RWH" << "txtDB1=33;txtWB1=12.2" << false << "WB Too Low" << "" << "" << false;
        QTest::newRow("select wb4 too low") << "SWH" << "txtWB4=4.8" << true << "WB Too Low" << "Wet bulb temperature at 4 is too low. Please enter a higher wet bulb temperature." << "txtWB4" << true;
        QTest::newRow("height text")     << "SWH" << "txtHeight=tall" << true << "Coil Height Non-Numeric" << "Coil height must be numeric. Please enter a numeric value." << "txtHeight" << true;
        QTest::newRow("width text")      << "SWH" << "txtWidth=x"   << true  << "Coil Width Non-Numeric" << "Coil width must be numeric. Please enter a numeric value." << "txtWidth" << true;
        QTest::newRow("width 99.9")      << "SWH" << "txtWidth=99.9" << true << "Coil Width Out of Range" << "Coil width out of range. Please enter a value between 100mm and 3000mm. Please contact Ardel for coil sizes outside this range." << "txtWidth" << true;
        QTest::newRow("width 3000")      << "SWH" << "txtWidth=3000" << false << "Coil Width Out of Range" << "" << "" << false;
        QTest::newRow("width 3000.1")    << "SWH" << "txtWidth=3000.1" << true << "Coil Width Out of Range" << "Coil width out of range. Please enter a value between 100mm and 3000mm. Please contact Ardel for coil sizes outside this range." << "txtWidth" << true;
        QTest::newRow("air text")        << "SWH" << "txtAirVol=x"  << true  << "Air Volume Non-Numeric" << "Air volume must be numeric. Please enter a numeric value." << "txtAirVol" << true;
        QTest::newRow("air 0.09")        << "SWH" << "txtAirVol=0.09" << true << "Air Volume Out of Range" << "Air volume out of range. Please enter a value between 0.1 m\u00b3/s and 25 m\u00b3/s. " << "txtAirVol" << true;
        QTest::newRow("air 0.1")         << "SWH" << "txtAirVol=0.1" << false << "Air Volume Out of Range" << "" << "" << false;
        QTest::newRow("air 25.1")        << "SWH" << "txtAirVol=25.1" << true << "Air Volume Out of Range" << "Air volume out of range. Please enter a value between 0.1 m\u00b3/s and 25 m\u00b3/s. " << "txtAirVol" << true;
        QTest::newRow("fin material")    << "SWH" << "cmbFinMatCC=Steel" << true << "Illegal Fin Material" << "Fin material must be Aluminium, Copper, Vinyl or Blygold. Please select using the drop down list." << "cmbFinMatCC" << false;
        QTest::newRow("blygold coil")    << "SWC" << "cmbFinMatCC=Blygold" << true << "Illegal Fin Material" << "Blygold not available on combined cooling coil/heatpipe." << "cmbFinMatCC" << false;
        QTest::newRow("blygold only")    << "SWH" << "cmbFinMatCC=Blygold" << false << "Illegal Fin Material" << "" << "" << false;
        QTest::newRow("first in order")  << "SWH" << "txtDB4=x;txtWidth=x" << true << "Dry Bulb 4 Temperature Non-Numeric" << "The dry bulb temperature at 4 must be numeric." << "txtDB4" << true;
        QTest::newRow("rows before water") << "RWC" << "cmbRows=9;txtWinTemp=x" << true << "Illegal Heat Pipe Number of Rows" << "Heat pipe number of rows must be 1, 2 or 3. Please select using the drop down list." << "cmbRows" << false;
        QTest::newRow("line break inside") << "SWH" << "txtDB1=3\n3" << true << "Air On Dry Bulb Temperature Non-Numeric" << "The air on dry bulb temperature must be numeric." << "txtDB1" << true;
        // clang-format on
    }
    void checks()
    {
        QFETCH(QString, modes);
        QFETCH(QString, edits);
        QFETCH(bool, refused);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, box);
        QFETCH(bool, emptied);
        RecordedBoxes boxes;
        StartedMain m;
        QStringList calls;
        m.window.setEngineFactory([&calls] { return std::make_unique<RecordingEngine>(&calls); });
        QVERIFY(m.window.calculate());
        setUp(m, modes, edits);
        boxes.shown.clear();
        calls.clear();
        QWidget* target = box.isEmpty() ? nullptr : m.find(box.toLatin1().constData());
        const auto textOf = [](QWidget* w) {
            if (auto* e = qobject_cast<QLineEdit*>(w)) {
                return e->text();
            }
            return qobject_cast<QComboBox*>(w)->currentText();
        };
        const QString before = target != nullptr ? textOf(target) : QString();

        const bool calculated = m.window.calculate();
        if (!refused) {
            QVERIFY2(!boxes.titles().contains(title), qPrintable(boxes.titles().join(" | ")));
            return;
        }
        QVERIFY(!calculated);
        QCOMPARE(boxes.shown.size(), size_t{1});
        QCOMPARE(boxes.shown[0].title, title);
        QCOMPARE(boxes.shown[0].text, message);
        QCOMPARE(boxes.shown[0].icon, MessageIcon::Information);
        QCOMPARE(boxes.shown[0].buttons, MessageButtons::Ok);
        QVERIFY(target->hasFocus());
        QCOMPARE(textOf(target), emptied ? QString() : before);
        QVERIFY(calls.isEmpty()); // the engine never sees a refused entry
        QVERIFY(!m.find<QPushButton>("cmdcosting")->isEnabled());
        QVERIFY(!m.window.toolbarButton(9)->isEnabled());
        QVERIFY(m.box("txtDB2")->text().isEmpty());
    }

    void twoSectionNotice_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<bool>("binData");
        QTest::addColumn<bool>("notice");
        // clang-format off
        QTest::newRow("1910 one section")   << "1910" << false << false;
        QTest::newRow("2000 two sections")  << "2000" << false << true;
        QTest::newRow("2000 with bin data") << "2000" << true  << false;
        // clang-format on
    }
    void twoSectionNotice()
    {
        QFETCH(QString, height);
        QFETCH(bool, binData);
        QFETCH(bool, notice);
        RecordedBoxes boxes;
        StartedMain m;
        CostingProbe costing;
        costing.binData = binData;
        m.window.setCostingLink(&costing);
        m.enter("txtHeight=" + height);
        QVERIFY(m.window.calculate()); // a notice, never a refusal
        QCOMPARE(boxes.titles().contains(QStringLiteral("Warning")), notice);
        if (notice) {
            QVERIFY(boxes.shown[0].text.startsWith(
                "Please note the selected coil is greater than the maximum 1910mm"));
        }
    }

    void noticeComesBeforeLaterRefusal()
    {
        RecordedBoxes boxes;
        StartedMain m;
        m.enter("txtHeight=2000;txtWidth=x");
        QVERIFY(!m.window.calculate());
        QCOMPARE(boxes.titles(), (QStringList{"Warning", "Coil Width Non-Numeric"}));
    }

    void engineExchange_data()
    {
        QTest::addColumn<QString>("modes");
        QTest::addColumn<QString>("edits");
        QTest::addColumn<QStringList>("expected");
        // clang-format off
        QTest::newRow("select wet bulb chilled water")
            << "SWC" << "txtHeight=1200.5;txtWidth=1801.5;cmbFinType=Ripple;cmbFinMatCC=Copper"
            << QStringList{"VexaApplicationType=0", "HeatpipeType=0", "DryBulb_1=33", "TubeDiameter=12",
                           "FinType_Heatpipe=1", "OptMode=0", "FinMaterial=1", "FinType_CoolingCoil=0",
                           "InletWaterTemp=6", "OutletWaterTemp=12", "OptWetBulb=0", "DryBulb_4=18",
                           "WetBulb_1=27.5", "WetBulb_4=14", "Finned_Height=1200", "Finned_Width=1802",
                           "AirFlowRate=5", "InitiateMainCalculations"};
        QTest::newRow("select humidity heat pipe")
            << "SHH" << "txtRH1=55;txtRH4= 70 "
            << QStringList{"VexaApplicationType=0", "HeatpipeType=1", "DryBulb_1=33", "TubeDiameter=12",
                           "FinType_Heatpipe=0", "OptMode=0", "FinMaterial=0", "OptWetBulb=1", "DryBulb_4=18",
                           "RelativeHumidity_1=55", "RelativeHumidity_4=70", "Finned_Height=1200",
                           "Finned_Width=1800", "AirFlowRate=5", "InitiateMainCalculations"};
        QTest::newRow("rate humidity refrigerant")
            << "RHE" << "cmbRows=3;cmbFPI=12;txtDB3=13.5;cmbFinTypeCC=Ripple;cmbFinMatCC=Vinyl;txtAirVol=1e1"
            << QStringList{"VexaApplicationType=0", "HeatpipeType=2", "DryBulb_1=33", "TubeDiameter=12",
                           "FinType_Heatpipe=0", "OptMode=1", "FinMaterial=2", "FinType_CoolingCoil=1",
                           "EvaporatingTemperature=7", "OptWetBulb=1", "RelativeHumidity_1=65", "DryBulb_3=13.5",
                           "FPI_Heatpipe=12", "NoOfRowsHeatpipe=3", "Finned_Height=1200", "Finned_Width=1800",
                           "AirFlowRate=10", "InitiateMainCalculations"};
        QTest::newRow("rate wet bulb heat pipe")
            << "RWH" << "txtDB1=-0;txtWB1=-5;txtDB3=-6"
            << QStringList{"VexaApplicationType=0", "HeatpipeType=1", "DryBulb_1=0", "TubeDiameter=12",
                           "FinType_Heatpipe=0", "OptMode=1", "FinMaterial=0", "OptWetBulb=0", "WetBulb_1=-5",
                           "DryBulb_3=-6", "FPI_Heatpipe=8", "NoOfRowsHeatpipe=2", "Finned_Height=1200",
                           "Finned_Width=1800", "AirFlowRate=5", "InitiateMainCalculations"};
        // clang-format on
    }
    void engineExchange()
    {
        QFETCH(QString, modes);
        QFETCH(QString, edits);
        QFETCH(QStringList, expected);
        RecordedBoxes boxes;
        StartedMain m;
        QStringList calls;
        m.window.setEngineFactory([&calls] { return std::make_unique<RecordingEngine>(&calls); });
        setUp(m, modes, edits);
        m.window.calculate();
        QCOMPARE(calls, expected);
    }

    void selectionExampleResults()
    {
        RecordedBoxes boxes;
        StartedMain m;
        CostingProbe costing;
        m.window.setCostingLink(&costing);
        m.press("Command1");
        QVERIFY(boxes.shown.empty());
        // clang-format off
        const QList<QPair<const char*, const char*>> expected{
            {"txtRH1", "66"},   {"txtW1", "0.0211"}, {"txtE1", "87.35"},
            {"txtDB2", "27.1"}, {"txtWB2", "26.2"},  {"txtRH2", "92"},    {"txtW2", "0.0211"}, {"txtE2", "81.19"},
            {"txtDB3", "12.1"}, {"txtWB3", "11.7"},  {"txtRH3", "95"},    {"txtW3", "0.0083"}, {"txtE3", "33.22"},
            {"txtDB4", "18"},   {"txtWB4", "14"},    {"txtRH4", "65"},    {"txtW4", "0.0084"}, {"txtE4", "39.3"},
            {"txtPreCoolSave", "37"}, {"txtQt", "287.8"}, {"txtReHeatSave", "37"},
            {"txtEff", "28"}, {"txtArea", "2.13"}, {"txtAirVel", "2.34"}, {"txtPD", "113"},
        };
        // clang-format on
        for (const auto& [name, text] : expected) {
            QCOMPARE(m.box(name)->text(), QString::fromLatin1(text));
        }
        QCOMPARE(m.combo("cmbRows")->currentText(), QStringLiteral("2"));
        QCOMPARE(m.combo("cmbFPI")->currentText(), QStringLiteral("10"));
        for (const char* name : {"cmdcosting", "cmdSummary", "cmdpsych"}) {
            QVERIFY2(m.find<QPushButton>(name)->isEnabled(), name);
        }
        QVERIFY(m.window.toolbarButton(9)->isEnabled());
        QVERIFY(m.window.toolbarButton(11)->isEnabled());
        QCOMPARE(costing.calls.first(), QStringLiteral("prepare 1"));
        QCOMPARE(costing.configuration.heatpipeRows, QStringLiteral("2"));
        QCOMPARE(costing.configuration.heatpipeFinsPerInch, QStringLiteral("10"));
        QCOMPARE(costing.configuration.coolingCoilRows, QStringLiteral("n/a"));
        QCOMPARE(costing.configuration.coolingCoilFinsPerInch, QStringLiteral("n/a"));
        QCOMPARE(costing.configuration.coilCode, QStringLiteral("n/a"));
        QCOMPARE(costing.judged, (QStringList{"31", "1800", "Aluminium"}));
        QCOMPARE(m.window.additionalInformation()->findChild<QLineEdit*>("txtNoTubesH")->text(),
                 QStringLiteral("31"));
    }

    void chilledWaterResultsAndEngineeringValues()
    {
        RecordedBoxes boxes;
        StartedMain m;
        m.choose("optWater");
        QVERIFY(m.window.calculate());
        for (const char* name :
             {"txtCCRows", "txtCCFPI", "txtPDCCAir", "txtPDCCWater", "txtCoilCode", "txtPDTotal"}) {
            QVERIFY2(!m.box(name)->text().isEmpty(), name);
        }
        const auto* info = m.window.additionalInformation();
        for (const char* name : {"txtRw", "txtUw", "txthw", "txtdeltaEm", "txtRa", "txtRf", "txtTFluidMean",
                                 "txtLfactor", "txtAo", "txtFFR", "txtVt"}) {
            const QString text = info->findChild<QLineEdit*>(name)->text();
            QVERIFY2(!text.isEmpty() && text != QLatin1String("0"), name);
        }
        QCOMPARE(info->findChild<QLineEdit*>("txtGrossMargin")->text(), QStringLiteral("65"));
    }

    void reheatTooHighDropsTheEngine()
    {
        RecordedBoxes boxes;
        StartedMain m;
        int made = 0;
        m.window.setEngineFactory([&made] {
            ++made;
            return std::make_unique<EngineLink>();
        });
        m.enter("txtDB4=40;txtWB4=20");
        QVERIFY(!m.window.calculate());
        QCOMPARE(boxes.titles(), QStringList{"Reheat Too High"});
        QCOMPARE(boxes.shown[0].text, QStringLiteral("Reheat temperature too high: Reduce T4"));
        QVERIFY(m.box("txtDB4")->text().isEmpty());
        QVERIFY(m.box("txtDB4")->hasFocus());
        QVERIFY(m.box("txtDB2")->text().isEmpty());
        QVERIFY(!m.window.hasEngine());
        QVERIFY(!m.find<QPushButton>("cmdcosting")->isEnabled());
        m.enter("txtDB4=18;txtWB4=14");
        QVERIFY(m.window.calculate());
        QCOMPARE(made, 2);
    }

    // A coil needing too many rows fails; the engine keeps that coil's rows, yet a
    // heat-pipe-only design afterwards is not judged by them.
    void tooManyCoolingCoilRows()
    {
        RecordedBoxes boxes;
        StartedMain m;
        m.choose("optWater");
        m.enter("txtAirVol=8;txtWinTemp=10;txtWoutTemp=16");
        QVERIFY(!m.window.calculate());
        QCOMPARE(boxes.titles(), QStringList{"Warning"});
        QCOMPARE(
            boxes.shown[0].text,
            QStringLiteral(
                "Too many rows! Reduce face velocity or fluid temperature. To reduce the face velocity "
                "increase the overall size of the cooling coil or reduce the air volumetric flow rate "));
        QVERIFY(!m.window.hasEngine());
        QVERIFY(m.box("txtCCRows")->text().isEmpty());
        m.choose("optHponly");
        m.enter("txtAirVol=5");
        boxes.shown.clear();
        QVERIFY(m.window.calculate());
        QVERIFY(boxes.shown.empty());
    }

    void engineErrorsAreShownAndFailTheCommand_data()
    {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<bool>("throwing");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("refused height")    << "txtHeight=50"  << false << "The Height must be between the values 100 and 4000";
        QTest::newRow("calculation error") << ""              << true  << "Face geometry: the coil is too small for one tube";
        // clang-format on
    }
    void engineErrorsAreShownAndFailTheCommand()
    {
        QFETCH(QString, edits);
        QFETCH(bool, throwing);
        QFETCH(QString, text);
        RecordedBoxes boxes;
        StartedMain m;
        QVERIFY(m.window.calculate());
        QStringList calls;
        m.window.setEngineFactory(
            [&calls, throwing] { return std::make_unique<RecordingEngine>(&calls, throwing); });
        m.window.setProgramEnd([] {});
        // A fresh engine object for the next calculation.
        m.enter("txtDB4=40;txtWB4=20");
        m.window.calculate();
        m.enter("txtDB4=18;txtWB4=14;" + edits);
        boxes.shown.clear();
        QVERIFY(!m.window.calculate());
        QCOMPARE(boxes.shown.back().text, text);
        QCOMPARE(boxes.shown.back().icon, MessageIcon::Information);
        QVERIFY(m.box("txtDB2")->text().isEmpty());
        QVERIFY(m.box("txtEff")->text().isEmpty());
        QVERIFY(!m.find<QPushButton>("cmdcosting")->isEnabled());
        QVERIFY(!m.window.toolbarButton(11)->isEnabled());
    }

    void modeChoicesReachTheCostingWindow()
    {
        StartedMain m;
        CostingProbe costing;
        m.window.setCostingLink(&costing);
        m.choose("optRate");
        m.choose("optSelect");
        QCOMPARE(costing.calls, (QStringList{"rating", "selection"}));
    }
};

VEXA_QTEST_MAIN(CalculateTest)
#include "CalculateTest.moc"
