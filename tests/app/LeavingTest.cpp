#include "AppTestSupport.h"
#include "mainwindow/CostingLink.h"
#include "mainwindow/ProgramExit.h"

#include <QAction>
#include <QSettings>

using namespace vexa::app;

namespace {

class CostingWithSettings : public CostingLink {
public:
    void selectionModeChosen() override {}
    void ratingModeChosen() override {}
    void prepareForCalculation(bool) override {}
    bool usingBinData() const override { return false; }
    void showConfiguration(const CostingConfiguration&) override {}
    void showJudgedDesign(const QString&, const QString&, const QString&) override {}
    void open(bool) override {}
    CostingSettings settings() const override
    {
        return {QStringLiteral("7"), QStringLiteral("0.012"), QStringLiteral("0.48")};
    }
};

QString stored(const char* key)
{
    QSettings settings(QStringLiteral("ArdelVexa"), QStringLiteral("ArdelVexa"));
    return settings.value(QStringLiteral("PaybackCalc/") + QLatin1String(key)).toString();
}

} // namespace

class LeavingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QSettings(QStringLiteral("ArdelVexa"), QStringLiteral("ArdelVexa")).clear(); }

    void waysOfLeaving_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("ended");
        // clang-format off
        QTest::newRow("toolbar Exit Program")   << "toolbar" << true  << true;
        QTest::newRow("closing the window")     << "close"   << true  << true;
        QTest::newRow("File > Exit")            << "menu"    << false << true;
        QTest::newRow("quit confirmed")         << "yes"     << false << true;
        QTest::newRow("quit declined")          << "no"      << false << false;
        // clang-format on
    }
    void waysOfLeaving()
    {
        QFETCH(QString, way);
        QFETCH(bool, saved);
        QFETCH(bool, ended);
        RecordedBoxes boxes;
        StartedMain m;
        CostingWithSettings costing;
        m.window.setCostingLink(&costing);
        if (way == QLatin1String("toolbar")) {
            m.window.toolbarButton(13)->trigger();
        } else if (way == QLatin1String("close")) {
            m.window.close();
        } else if (way == QLatin1String("menu")) {
            m.find<QAction>("mnuExit")->trigger();
        } else {
            boxes.answers.push_back(way == QLatin1String("yes") ? MessageAnswer::Yes : MessageAnswer::No);
            const bool quit = confirmQuit(&m.window, [&m] { m.window.endAtOnce(); });
            QCOMPARE(quit, way == QLatin1String("yes"));
            QCOMPARE(boxes.shown.size(), size_t{1});
            QCOMPARE(boxes.shown[0].title, QString());
            QCOMPARE(boxes.shown[0].text, QStringLiteral("Are You Sure You Want To Quit ?"));
            QCOMPARE(boxes.shown[0].icon, MessageIcon::Question);
            QCOMPARE(boxes.shown[0].buttons, MessageButtons::YesNo);
            QCOMPARE(boxes.shown[0].defaultAnswer, MessageAnswer::No);
        }
        QCOMPARE(m.ended, ended ? 1 : 0);
        QCOMPARE(stored("Country"), saved ? QStringLiteral("7") : QString());
        QCOMPARE(stored("EnergyCost"), saved ? QStringLiteral("0.012") : QString());
        QCOMPARE(stored("ExchangeRate"), saved ? QStringLiteral("0.48") : QString());
    }

    // Without a costing window the settings read at start are written back
    // unchanged: leaving never replaces what the user stored with defaults.
    void withoutCostingWindowStoredSettingsSurvive()
    {
        saveCostingSettings({QStringLiteral("3"), QStringLiteral("0.05"), QStringLiteral("0.5")});
        StartedMain m;
        m.window.setCostingSettings(loadCostingSettings().value_or(CostingSettings{}));
        m.window.exitProgram();
        QCOMPARE(stored("Country"), QStringLiteral("3"));
        QCOMPARE(stored("EnergyCost"), QStringLiteral("0.05"));
        QCOMPARE(stored("ExchangeRate"), QStringLiteral("0.5"));
    }

    void closingAfterExitDoesNotSaveAgain()
    {
        StartedMain m;
        m.find<QAction>("mnuExit")->trigger();
        m.window.close(); // the window closing as the program ends
        QCOMPARE(m.ended, 1);
        QCOMPARE(stored("Country"), QString());
    }
};

VEXA_QTEST_MAIN(LeavingTest)
#include "LeavingTest.moc"
