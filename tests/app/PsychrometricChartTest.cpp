#include "mainwindow/PsychrometricChart.h"
#include "AppTestSupport.h"
#include "design/Psychrometric.h"

#include <QDir>
#include <QFile>

using namespace vexa::app;

namespace {

// The four states of a calculated chilled water unit as the main window shows them.
const QString kStates = "txtDB1=33;txtDB2=26.1;txtDB3=14;txtDB4=20.9;"
                        "txtWB1=27.5;txtWB2=25.3;txtWB3=13.6;txtWB4=16.3;"
                        "txtRH1=65;txtRH2=94;txtRH3=96;txtRH4=63;"
                        "txtW1=0.0211;txtW2=0.0211;txtW3=0.0096;txtW4=0.0096;"
                        "txtE1=86.94;txtE2=79.83;txtE3=38.31;txtE4=45.54";

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot);
}

} // namespace

class PsychrometricChartTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_output = std::make_unique<QTemporaryDir>();
        qputenv("ARDELVEXA_OUTPUT_DIR", m_output->path().toUtf8());
    }
    void cleanup() { qunsetenv("ARDELVEXA_OUTPUT_DIR"); }

    void statesOffTheChartAreRefused_data()
    {
        QTest::addColumn<QString>("edits");
        QTest::addColumn<bool>("plotted");

        // clang-format off
        QTest::newRow("dry bulb 1 = 51")             << "txtDB1=51"       << false;
        QTest::newRow("dry bulb 4 = 50.01")          << "txtDB4=50.01"    << false;
        QTest::newRow("dry bulb 50 is on the chart") << "txtDB1=50"       << true;
        QTest::newRow("humidity ratio 3 = 0.0301")   << "txtW3=0.0301"    << false;
        QTest::newRow("humidity ratio 0.03 fits")    << "txtW1=0.03"      << true;
        QTest::newRow("an empty box")                << "txtE2="          << false;
        QTest::newRow("a box that is no number")     << "txtRH4=abc"      << false;
        // clang-format on
    }

    void statesOffTheChartAreRefused()
    {
        QFETCH(QString, edits);
        QFETCH(bool, plotted);
        StartedMain main;
        main.enter(kStates + ";" + edits);
        RecordedBoxes boxes;
        vexa::Psychrometric chart;

        QCOMPARE(plotPsychrometricChart(&main.window, chart), plotted);

        QCOMPARE(boxes.shown.size(), size_t{1});
        if (plotted) {
            QCOMPARE(filesIn(m_output->path()).size(), 1);
            QCOMPARE(boxes.shown.front().title, QStringLiteral("Psychrometric Chart"));
        } else {
            QVERIFY(filesIn(m_output->path()).isEmpty());
            QCOMPARE(boxes.shown.front().title, QStringLiteral("Psychrometric Plot Not Possible"));
            QCOMPARE(boxes.shown.front().text,
                     QStringLiteral("Conditions not suitable for psychrometric chart."));
            QCOMPARE(boxes.shown.front().icon, MessageIcon::Information);
        }
    }

    // The workbook is written with the states of the boxes; with no application to
    // show it (none here), the user learns where it is. A second plot never
    // replaces the first.
    void theWorkbookIsSavedAndTheUserToldWhere()
    {
        StartedMain main;
        main.enter(kStates);
        RecordedBoxes boxes;
        vexa::Psychrometric chart;

        QVERIFY(plotPsychrometricChart(&main.window, chart));
        const QString first = QString::fromStdString(chart.WorkbookPath().string());
        QVERIFY(plotPsychrometricChart(&main.window, chart));

        QCOMPARE(filesIn(m_output->path()).size(), 2);
        QVERIFY(QFile::exists(first));
        QVERIFY(first.startsWith(m_output->path()));
        QVERIFY(first.endsWith(".xlsx"));
        QCOMPARE(boxes.shown.size(), size_t{2});
        QVERIFY(boxes.shown.front().text.contains(QDir::toNativeSeparators(first)));
        // Recomputed from dry bulb 33 and wet bulb 27.5 at 101.325 kPa: 0.0211 kg/kg.
        QVERIFY(chart.plottedHumidityRatio(1).has_value());
        QCOMPARE(qRound(*chart.plottedHumidityRatio(1) * 10000), 211);
        QCOMPARE(qRound(*chart.plottedHumidityRatio(3) * 10000), 96);
    }

    void anOutputFolderThatCannotBeWrittenIsNamed()
    {
        QFile blocker(m_output->filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = m_output->filePath("blocker/charts");
        qputenv("ARDELVEXA_OUTPUT_DIR", folder.toUtf8());
        StartedMain main;
        main.enter(kStates);
        RecordedBoxes boxes;
        vexa::Psychrometric chart;

        QVERIFY(!plotPsychrometricChart(&main.window, chart));

        QCOMPARE(boxes.titles(), QStringList{"Psychrometric Chart Not Saved"});
        QVERIFY2(boxes.shown.front().text.contains(folder), qPrintable(boxes.shown.front().text));
        QVERIFY(chart.WorkbookPath().empty());
    }

private:
    std::unique_ptr<QTemporaryDir> m_output;
};

VEXA_QTEST_MAIN(PsychrometricChartTest)
#include "PsychrometricChartTest.moc"
