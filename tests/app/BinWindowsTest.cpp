#include "bindata/ui/BinWindows.h"
#include "AppTestSupport.h"
#include "EngineState.h"
#include "ModalScript.h"
#include "bindata/Bin.h"
#include "common/BinWindowServices.h"
#include "costing/Cost.h"
#include "costing/CostingState.h"
#include "design/Main.h"

#include <QAbstractSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>

using namespace vexa;

namespace {

struct ShownMessage {
    QString window;
    QString title;
    QString text;
    bool informationIcon = false;
};

QString boxText(QWidget* window, const QString& name)
{
    auto* box = window->findChild<QLineEdit*>(name);
    return box == nullptr ? QStringLiteral("<no %1>").arg(name) : box->text();
}

QStringList row(QWidget* window, int bin, const QStringList& columns)
{
    QStringList texts;
    for (const QString& column : columns) {
        texts << boxText(window, column + QString::number(bin));
    }
    return texts;
}

QChart* chartOf(QWidget* window, const char* name)
{
    auto* view = window->findChild<QChartView*>(QLatin1String(name));
    return view == nullptr ? nullptr : view->chart();
}

QList<double> lineValues(QChart* chart, const QString& seriesName)
{
    QList<double> values;
    for (QAbstractSeries* series : chart->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series); line != nullptr && line->name() == seriesName) {
            for (const QPointF& point : line->points()) {
                values << point.y();
            }
        }
    }
    return values;
}

QList<double> barValues(QChart* chart, const QString& setName)
{
    QList<double> values;
    for (QAbstractSeries* series : chart->series()) {
        if (auto* bars = qobject_cast<QBarSeries*>(series)) {
            for (QBarSet* set : bars->barSets()) {
                if (set->label() == setName) {
                    for (int i = 0; i < set->count(); ++i) {
                        values << set->at(i);
                    }
                }
            }
        }
    }
    return values;
}

} // namespace

// The bin windows over the rating example (1200 x 1800 mm, 5 m3/s, 2 rows at 8
// fins per inch, DB3 14) priced as a horseshoe, answered as a user would.
class BinWindowsTest : public QObject {
    Q_OBJECT

private:
    void calculateAndCost(Country city)
    {
        resetEngineState();
        m_main = std::make_unique<Main>();
        m_main->setOptMode(SELECTorRATE::Rating_Mode);
        m_main->setFinned_Height(1200);
        m_main->setFinned_Width(1800);
        m_main->setTubeDiameter("12");
        m_main->setVexaApplicationType(VexaType::UK);
        m_main->setDryBulb_1(33);
        m_main->setWetBulb_1(27.5F);
        m_main->setDryBulb_3(14);
        m_main->setNoOfRowsHeatpipe(2);
        m_main->setFPI_Heatpipe(8);
        m_main->InitiateMainCalculations();
        m_main->Cost().setHeatpipeStyle(HeatpipeStyling::Horseshoe_Heatpipe);
        m_main->Cost().setMargin(35);
        m_main->Cost().InitiateCostingCalculations();
        m_main->Cost().Bin().setCity(city);
    }

    // Services whose printer succeeds or fails as the test says and whose
    // message boxes are recorded.
    void installRecordingServices(bool printingWorks)
    {
        binwindows::Services services;
        services.printImage = [this, printingWorks](QWidget* window) {
            m_printed << window->objectName();
            return printingWorks;
        };
        services.showMessage = [this](QWidget* parent, const QString& title, const QString& text, bool icon) {
            m_messages.push_back({parent->objectName(), title, text, icon});
        };
        binwindows::install(std::move(services));
    }

    std::unique_ptr<Main> m_main;
    QStringList m_printed;
    std::vector<ShownMessage> m_messages;

private slots:
    void init()
    {
        m_printed.clear();
        m_messages.clear();
    }
    void cleanup() { setBinWindowsPresenter({}); }

    void tablesAndChartsOfACity_data()
    {
        QTest::addColumn<int>("city");
        QTest::addColumn<QString>("cityName");
        QTest::addColumn<QStringList>("firstRow");
        QTest::addColumn<QStringList>("warmestBinSavings");
        QTest::addColumn<QStringList>("totals");
        QTest::addColumn<QString>("payback");
        QTest::addColumn<QString>("moneyCaption");
        QTest::addColumn<QString>("firstSummaryLine");
        QTest::addColumn<QString>("lastSummaryLine");

        // clang-format off
        QTest::newRow("London: only bins warmer than DB3 save")
            << int(Country::United_Kingdom_London) << "United Kingdom - London"
            << QStringList{"-8.0", "-8.7", "79.0", "1"} << QStringList{"381", "114"}
            << QStringList{"18575", "5572"} << "3" << "Cost Saving (\u00a3)"
            << "Bin1, DB -8\u00b0C, WB -8.7\u00b0C, RH 79%, Hours 1"
            << "Bin10, DB 28\u00b0C, WB 20.3\u00b0C, RH 49.6%, Hours 14";
        QTest::newRow("Bahrain shows Doha's table with its own caption")
            << int(Country::Bahrain_Manama) << "Bahrain - Manama"
            << QStringList{"11.0", "10.1", "90.0", "7"} << QStringList{"342", "103"}
            << QStringList{"188808", "56643"} << "0" << "Cost Saving (BHD)"
            << "Bin1, DB 11\u00b0C, WB 10.1\u00b0C, RH 90%, Hours 7"
            << "Bin10, DB 39.2\u00b0C, WB 24.5\u00b0C, RH 30%, Hours 7";
        // clang-format on
    }

    void tablesAndChartsOfACity()
    {
        QFETCH(int, city);
        calculateAndCost(static_cast<Country>(city));
        installRecordingServices(true);

        const QStringList binColumns{"txtBinDB", "txtBinWB", "txtBinRH", "txtBinHours"};
        const QStringList savingColumns{"txtBinEnergy", "txtBinMoney"};
        QString shownCity, selectTitle, dataChartTitle, paybackTitle, heatpipeCost, paybackBox, resultsTitle;
        QString moneySeries, label1, label10;
        QStringList selectRow1, paybackRow1, coldestBinSavings, warmestSavings, totals;
        QList<double> hours, dryBulbs, energy, money;

        ModalScript script;
        script
            .then("frmSelectBinData",
                  [&](QWidget* w) {
                      selectTitle = w->windowTitle();
                      shownCity = w->findChild<QLabel*>("lblCity")->text();
                      selectRow1 = row(w, 1, binColumns);
                      pressLater(w, "cmdGraphically");
                  })
            .then("frmBinDataGraph",
                  [&](QWidget* w) {
                      QChart* chart = chartOf(w, "chartBinData");
                      dataChartTitle = chart->title();
                      hours = barValues(chart, "Hours");
                      dryBulbs = lineValues(chart, "DB (\u00b0C)");
                      triggerLater(w, "mnuClose");
                  })
            .then("frmSelectBinData", [&](QWidget* w) { pressLater(w, "cmdUseBinData"); })
            .then("frmBinPayback",
                  [&](QWidget* w) {
                      paybackTitle = w->windowTitle();
                      paybackRow1 = row(w, 1, binColumns);
                      coldestBinSavings = row(w, 1, savingColumns);
                      warmestSavings = row(w, 10, savingColumns);
                      totals = QStringList{boxText(w, "txtTotalEnergy"), boxText(w, "txtTotalMoney")};
                      heatpipeCost = boxText(w, "txtHeatpipeCost");
                      paybackBox = boxText(w, "txtPayback");
                      pressLater(w, "cmdGraphically");
                  })
            .then("frmBinResultsGraph",
                  [&](QWidget* w) {
                      QChart* chart = chartOf(w, "chartBinResults");
                      resultsTitle = chart->title();
                      energy = barValues(chart, "Energy Saving (kWh)");
                      for (QAbstractSeries* series : chart->series()) {
                          if (qobject_cast<QLineSeries*>(series) != nullptr) {
                              moneySeries = series->name();
                          }
                      }
                      money = lineValues(chart, moneySeries);
                      label1 = w->findChild<QLabel*>("lblBin1")->text();
                      label10 = w->findChild<QLabel*>("lblBin10")->text();
                      pressLater(w, "cmdClose");
                  })
            .then("frmBinPayback", [&](QWidget* w) { pressLater(w, "cmdClose"); });

        m_main->Cost().Bin().UseBinData();

        QVERIFY(script.finished());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(selectTitle, QStringLiteral("Select Bin Data"));
        QTEST(shownCity, "cityName");
        QTEST(selectRow1, "firstRow");
        QCOMPARE(dataChartTitle, "Bin Data - " + shownCity);
        QCOMPARE(hours.size(), 10);
        QCOMPARE(dryBulbs.size(), 10);
        QCOMPARE(dryBulbs.front(), selectRow1.front().toDouble());
        QCOMPARE(paybackTitle, QStringLiteral("Estimated Payback Based on Bin Data"));
        QTEST(paybackRow1, "firstRow");
        QCOMPARE(coldestBinSavings, (QStringList{"0", "0"}));
        QTEST(warmestSavings, "warmestBinSavings");
        QTEST(totals, "totals");
        QCOMPARE(heatpipeCost, QString::number(costingState().exWorksPriceForeign));
        QTEST(paybackBox, "payback");
        QCOMPARE(resultsTitle, "Energy and Cost Savings by Bin - " + shownCity);
        QTEST(moneySeries, "moneyCaption");
        QCOMPARE(energy.size(), 10);
        QCOMPARE(QString::number(energy.back()), warmestSavings.front());
        QCOMPARE(QString::number(money.back()), warmestSavings.back());
        QTEST(label1, "firstSummaryLine");
        QTEST(label10, "lastSummaryLine");
        QVERIFY(m_messages.empty());
    }

    void printFailureIsReportedInTheWindowsOwnWords_data()
    {
        QTest::addColumn<QStringList>("route"); // window:control, the last one prints
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("informationIcon");

        // clang-format off
        QTest::newRow("Select Bin Data, Print")
            << QStringList{"frmSelectBinData:cmdPrint"} << "" << "The window can't be printed." << false;
        QTest::newRow("payback, Print")
            << QStringList{"frmSelectBinData:cmdUseBinData", "frmBinPayback:cmdPrint"}
            << "" << "The window can't be printed." << false;
        QTest::newRow("bin data chart, Print")
            << QStringList{"frmSelectBinData:cmdGraphically", "frmBinDataGraph:cmdPrint"}
            << "Error" << "The form can't be printed." << true;
        QTest::newRow("bin data chart, File > Print Window")
            << QStringList{"frmSelectBinData:cmdGraphically", "frmBinDataGraph:mnuPrintWindow"}
            << "Error" << "The form can't be printed." << true;
        QTest::newRow("savings chart, Print")
            << QStringList{"frmSelectBinData:cmdUseBinData", "frmBinPayback:cmdGraphically", "frmBinResultsGraph:cmdPrint"}
            << "" << "The form can't be printed." << false;
        QTest::newRow("savings chart, File > Print Window")
            << QStringList{"frmSelectBinData:cmdUseBinData", "frmBinPayback:cmdGraphically", "frmBinResultsGraph:mnuPrintWindow"}
            << "" << "The form can't be printed." << false;
        // clang-format on
    }

    void printFailureIsReportedInTheWindowsOwnWords()
    {
        QFETCH(QStringList, route);
        calculateAndCost(Country::United_Kingdom_London);
        installRecordingServices(false);

        ModalScript script;
        QStringList opened;
        for (const QString& stop : route) {
            const QString window = stop.section(':', 0, 0);
            const QByteArray control = stop.section(':', 1).toLatin1();
            opened << window;
            script.then(window, [control](QWidget* w) {
                if (control.startsWith("mnu")) {
                    triggerLater(w, control.constData());
                } else {
                    pressLater(w, control.constData());
                }
            });
        }
        // Then close every window still open, innermost first, as the keyboard would;
        // "Select Bin Data" goes by itself once the payback window has closed.
        for (qsizetype i = opened.size() - 1; i >= 0; --i) {
            if (i == 0 && opened.contains("frmBinPayback")) {
                break;
            }
            script.then(opened.at(i),
                        [](QWidget* w) { QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection); });
        }

        m_main->Cost().Bin().UseBinData();

        QVERIFY(script.finished());
        QCOMPARE(m_printed, QStringList{opened.back()});
        QCOMPARE(m_messages.size(), size_t{1});
        QCOMPARE(m_messages.front().window, opened.back());
        QTEST(m_messages.front().title, "title");
        QTEST(m_messages.front().text, "text");
        QTEST(m_messages.front().informationIcon, "informationIcon");
    }

    // The program's own services: a failure box goes through the program's
    // message boxes, which a test (or the user) answers.
    void programServicesShowBoxesThroughTheProgram()
    {
        RecordedBoxes boxes;
        vexa::app::installBinWindows();
        binwindows::services().showMessage(nullptr, "Error", "The form can't be printed.", true);
        QCOMPARE(boxes.shown.size(), size_t{1});
        QCOMPARE(boxes.shown.front().title, QStringLiteral("Error"));
        QCOMPARE(boxes.shown.front().icon, vexa::app::MessageIcon::Information);
        QVERIFY(bool(binWindowsPresenter()));
    }
};

VEXA_QTEST_MAIN(BinWindowsTest)
#include "BinWindowsTest.moc"
