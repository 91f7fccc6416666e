#include "AppTestSupport.h"
#include "common/BoxLook.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QStatusBar>

using namespace vexa::app;

namespace {

QStringList stateBoxes()
{
    QStringList names;
    for (const char* prefix : {"txtDB", "txtWB", "txtRH", "txtW", "txtE"}) {
        for (int state = 1; state <= 4; ++state) {
            names << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(state);
        }
    }
    return names;
}

const QStringList kCoilControls{"txtWinTemp", "txtWoutTemp", "txtEvapTemp", "cmbFinTypeCC", "txtCCRows",
                                "txtCCFPI",   "txtCoilCode", "txtPDCCAir",  "txtPDTotal",   "txtPDCCWater"};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsInSelectionWithWetBulbInput()
    {
        RecordedBoxes boxes;
        StartedMain m;
        QVERIFY(m.find<QRadioButton>("optSelect")->isChecked());
        QVERIFY(m.find<QRadioButton>("optWB")->isChecked());
        QVERIFY(m.find<QRadioButton>("optHponly")->isChecked());
        QCOMPARE(m.box("txtDB1")->text(), QStringLiteral("33"));
        QCOMPARE(m.box("txtWB1")->text(), QStringLiteral("27.5"));
        QCOMPARE(m.box("txtDB4")->text(), QStringLiteral("18"));
        QCOMPARE(m.box("txtWB4")->text(), QStringLiteral("14"));
        QCOMPARE(m.box("txtHeight")->text(), QStringLiteral("1200"));
        QCOMPARE(m.box("txtAirVol")->text(), QStringLiteral("5.0"));
        QCOMPARE(m.box("txtPressure")->text(), QStringLiteral("101.325"));
        QVERIFY(!looksLikeInput(m.box("txtPressure")));
        QCOMPARE(m.window.windowTitle(), QStringLiteral(" Ardel Vexa Version 4.3"));
        QVERIFY(m.find<QPushButton>("Command1")->isEnabled());
        for (const char* name : {"cmdcosting", "cmdSummary", "cmdpsych"}) {
            QVERIFY2(!m.find<QPushButton>(name)->isEnabled(), name);
        }
        QVERIFY(!m.window.toolbarButton(9)->isEnabled());
        QVERIFY(!m.window.toolbarButton(11)->isEnabled());
        QVERIFY(m.find<QPushButton>("cmdAdditionalInformation")->isVisible());
        QVERIFY(boxes.shown.empty());
    }

    void modes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("coil");
        QTest::addColumn<QString>("inputs"); // the state boxes that are inputs, with their texts
        QTest::addColumn<QString>("shown");  // the cooling coil controls shown
        QTest::addColumn<QString>("status");
        const QString water = "txtWinTemp txtWoutTemp cmbFinTypeCC txtCCRows txtCCFPI txtCoilCode txtPDCCAir "
                              "txtPDTotal txtPDCCWater";
        const QString refrigerant =
            "txtEvapTemp cmbFinTypeCC txtCCRows txtCCFPI txtCoilCode txtPDCCAir txtPDTotal";
        const QString selectWB = "txtDB1=33 txtWB1=27.5 txtDB4=18 txtWB4=14";
        const QString selectRH = "txtDB1=33 txtRH1=65 txtDB4=18 txtRH4=63";
        const QString rateWB = "txtDB1=33 txtWB1=27.5 txtDB3=14";
        const QString rateRH = "txtDB1=33 txtRH1=65 txtDB3=14";
        // clang-format off
        QTest::newRow("select wb heat pipe")    << "optSelect" << "optWB" << "optHponly" << selectWB << ""          << "Selection |Heat Pipe ";
        QTest::newRow("select wb water")        << "optSelect" << "optWB" << "optWater"  << selectWB << water       << "Selection |Heat Pipe and Chilled Water Coil ";
        QTest::newRow("select wb refrigerant")  << "optSelect" << "optWB" << "optEvap"   << selectWB << refrigerant << "Selection |Heat Pipe and Refrigerant Coil ";
        QTest::newRow("select rh heat pipe")    << "optSelect" << "OptRH" << "optHponly" << selectRH << ""          << "Selection |Heat Pipe ";
        QTest::newRow("select rh water")        << "optSelect" << "OptRH" << "optWater"  << selectRH << water       << "Selection |Heat Pipe and Chilled Water Coil ";
        QTest::newRow("select rh refrigerant")  << "optSelect" << "OptRH" << "optEvap"   << selectRH << refrigerant << "Selection |Heat Pipe and Refrigerant Coil ";
        QTest::newRow("rate wb heat pipe")      << "optRate"   << "optWB" << "optHponly" << rateWB   << ""          << "Rating |Heat Pipe ";
        QTest::newRow("rate wb water")          << "optRate"   << "optWB" << "optWater"  << rateWB   << water       << "Rating |Heat Pipe and Chilled Water Coil ";
        QTest::newRow("rate wb refrigerant")    << "optRate"   << "optWB" << "optEvap"   << rateWB   << refrigerant << "Rating |Heat Pipe and Refrigerant Coil ";
        QTest::newRow("rate rh heat pipe")      << "optRate"   << "OptRH" << "optHponly" << rateRH   << ""          << "Rating |Heat Pipe ";
        QTest::newRow("rate rh water")          << "optRate"   << "OptRH" << "optWater"  << rateRH   << water       << "Rating |Heat Pipe and Chilled Water Coil ";
        QTest::newRow("rate rh refrigerant")    << "optRate"   << "OptRH" << "optEvap"   << rateRH   << refrigerant << "Rating |Heat Pipe and Refrigerant Coil ";
        // clang-format on
    }

    // After a calculation, each combination of options leaves exactly its inputs
    // in the input look with their starting texts, every other state box an empty
    // result, the cooling coil controls of its option and the result commands off.
    void modes()
    {
        QFETCH(QString, mode);
        QFETCH(QString, input);
        QFETCH(QString, coil);
        QFETCH(QString, inputs);
        QFETCH(QString, shown);
        QFETCH(QString, status);
        RecordedBoxes boxes;
        StartedMain m;
        QVERIFY(m.window.calculate());
        // Away from the row's options first, so that choosing each runs its handler.
        m.choose(mode == QLatin1String("optSelect") ? "optRate" : "optSelect");
        m.choose(input == QLatin1String("optWB") ? "OptRH" : "optWB");
        m.choose(coil == QLatin1String("optWater") ? "optEvap" : "optWater");
        m.choose(mode.toLatin1().constData());
        m.choose(input.toLatin1().constData());
        m.choose(coil.toLatin1().constData());

        QMap<QString, QString> expected;
        for (const QString& pair : inputs.split(QLatin1Char(' '))) {
            expected.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        }
        for (const QString& name : stateBoxes()) {
            QLineEdit* box = m.box(name.toLatin1().constData());
            if (expected.contains(name)) {
                QVERIFY2(looksLikeInput(box), qPrintable(name));
                QCOMPARE(box->text(), expected.value(name));
            } else {
                QVERIFY2(!looksLikeInput(box), qPrintable(name));
                QVERIFY2(box->text().isEmpty(), qPrintable(name + " holds " + box->text()));
            }
        }
        for (const char* name :
             {"txtArea", "txtAirVel", "txtEff", "txtPD", "txtPreCoolSave", "txtQt", "txtReHeatSave"}) {
            QVERIFY2(m.box(name)->text().isEmpty(), name);
        }
        const QStringList visible = shown.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& name : kCoilControls) {
            QCOMPARE(m.find(name.toLatin1().constData())->isVisible(), visible.contains(name));
        }
        QCOMPARE(m.combo("cmbRows")->isEnabled(), mode == QLatin1String("optRate"));
        QCOMPARE(m.combo("cmbFPI")->isEnabled(), mode == QLatin1String("optRate"));
        QCOMPARE(m.find<QLabel>("panelModeText")->text() + "|" + m.find<QLabel>("panelCoilText")->text(),
                 status);
        for (const char* name : {"cmdcosting", "cmdSummary", "cmdpsych"}) {
            QVERIFY2(!m.find<QPushButton>(name)->isEnabled(), name);
        }
        QVERIFY(!m.window.toolbarButton(9)->isEnabled());
        QVERIFY(!m.window.toolbarButton(11)->isEnabled());
    }

    void selectToRateAndBack()
    {
        RecordedBoxes boxes;
        StartedMain m;
        QVERIFY(m.window.calculate());
        QCOMPARE(m.combo("cmbRows")->currentText(), QStringLiteral("2"));
        m.choose("optRate");
        QCOMPARE(m.box("txtDB4")->text(), QString());
        QCOMPARE(m.box("txtDB3")->text(), QStringLiteral("14"));
        QVERIFY(m.box("txtDB3")->hasFocus());
        m.choose("optSelect");
        QCOMPARE(m.box("txtDB4")->text(), QStringLiteral("18"));
        QCOMPARE(m.combo("cmbRows")->currentText(), QString());
        QCOMPARE(m.combo("cmbFPI")->currentText(), QString());
        QVERIFY(m.box("txtDB4")->hasFocus());
    }

    void wetBulbLabelIsBoldWhenChosen()
    {
        StartedMain m;
        QVERIFY(m.find<QRadioButton>("optWB")->font().bold());
        QVERIFY(!m.find<QRadioButton>("OptRH")->font().bold());
        m.choose("OptRH");
        QVERIFY(!m.find<QRadioButton>("optWB")->font().bold());
        QVERIFY(m.find<QRadioButton>("OptRH")->font().bold());
        QVERIFY(m.box("txtRH1")->hasFocus());
    }

    // The toolbar runs a mode's handler even when its option is chosen already.
    void toolbarRunsTheHandlers()
    {
        RecordedBoxes boxes;
        StartedMain m;
        m.box("txtDB4")->setText(QStringLiteral("17"));
        QVERIFY(m.window.calculate());
        m.window.toolbarButton(1)->trigger();
        QCOMPARE(m.box("txtDB4")->text(), QStringLiteral("18"));
        QVERIFY(m.box("txtDB2")->text().isEmpty());
        m.window.toolbarButton(2)->trigger();
        QVERIFY(m.find<QRadioButton>("optRate")->isChecked());
        m.window.toolbarButton(5)->trigger();
        QVERIFY(m.find<QRadioButton>("optWater")->isChecked());
        m.window.toolbarButton(6)->trigger();
        QVERIFY(m.find<QRadioButton>("optEvap")->isChecked());
        m.window.toolbarButton(4)->trigger();
        QVERIFY(m.find<QRadioButton>("optHponly")->isChecked());
        m.window.toolbarButton(1)->trigger();
        m.window.toolbarButton(8)->trigger(); // Calculate presses "Cal"
        QVERIFY(!m.box("txtDB2")->text().isEmpty());
        QVERIFY(m.window.toolbarButton(9)->isEnabled());
        for (int separator : {3, 7, 10, 12}) {
            QVERIFY(m.window.toolbarButton(separator)->isSeparator());
        }
        QCOMPARE(m.window.toolbarButton(13)->text(), QStringLiteral("Exit Program"));
    }

    void controlsCarryTheirCaptionsAndTooltips()
    {
        StartedMain m;
        // clang-format off
        const QList<QPair<const char*, QString>> tips{
            {"Command1",                 "Click here to calculate the current selection/rating"},
            {"cmdcosting",               "Click here to view the costing screen"},
            {"cmdSummary",               "Click here to see a printable summary"},
            {"cmdpsych",                 "Click here to view the psychrometric chart"},
            {"cmdAdditionalInformation", "Click here to view the additional information"},
        };
        // clang-format on
        for (const auto& [name, tip] : tips) {
            QCOMPARE(m.find<QPushButton>(name)->toolTip(), tip);
        }
        QCOMPARE(m.combo("cmbFinMatCC")->count(), 3);
        QCOMPARE(m.combo("cmbFPI")->itemText(3), QStringLiteral("12"));
        QVERIFY(!m.combo("TubeDiameter")->isVisible());
        QCOMPARE(m.combo("TubeDiameter")->currentText(), QStringLiteral("12"));
        QStringList menus;
        for (QAction* menu : m.window.menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus, (QStringList{"File", "Design Conditions", "Help"}));
        QCOMPARE(m.find<QAction>("mnuAbout")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    }

    void enterIsSwallowed_data()
    {
        QTest::addColumn<QString>("box");
        for (const char* name : {"txtDB1", "txtHeight", "txtWB4"}) {
            QTest::newRow(name) << name;
        }
    }
    void enterIsSwallowed()
    {
        QFETCH(QString, box);
        RecordedBoxes boxes;
        StartedMain m;
        QLineEdit* edit = m.box(box.toLatin1().constData());
        const QString before = edit->text();
        bool returned = false;
        connect(edit, &QLineEdit::returnPressed, this, [&returned] { returned = true; });
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
        QCOMPARE(edit->text(), before);
        QVERIFY(!returned);
        QVERIFY(boxes.shown.empty());
        QVERIFY(m.box("txtDB2")->text().isEmpty()); // nothing was calculated
    }

    void dryBulbThreeAndFourSelectTheirText()
    {
        StartedMain m;
        m.box("txtDB1")->setFocus(Qt::TabFocusReason);
        m.box("txtDB4")->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(m.box("txtDB4")->selectedText(), QStringLiteral("18"));
        m.choose("optRate");
        m.box("txtDB1")->setFocus(Qt::TabFocusReason);
        m.box("txtDB3")->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(m.box("txtDB3")->selectedText(), QStringLiteral("14"));
    }

    void moistureNoteWhenEnteringRelativeHumidityThree()
    {
        RecordedBoxes boxes;
        StartedMain m;
        m.box("txtRH3")->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(boxes.shown.size(), size_t{1});
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Moisture Condition Fixed"));
        QVERIFY(boxes.shown[0].text.startsWith("Please Note: Ardel Vexa is intended to be used as an aid"));
        QVERIFY(boxes.shown[0].text.endsWith(
            "particularly when calculating performance for mid season operation."));
        QCOMPARE(boxes.shown[0].icon, MessageIcon::Information);
        // The focus coming back when the note closes does not show it again.
        m.box("txtDB1")->setFocus(Qt::OtherFocusReason);
        m.box("txtRH3")->setFocus(Qt::ActiveWindowFocusReason);
        QTest::qWait(20);
        QCOMPARE(boxes.shown.size(), size_t{1});
    }

    void printCurrentWindowWithoutPrinterWritesPdf()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is set up on this machine");
        }
        QTemporaryDir output;
        qputenv("ARDELVEXA_OUTPUT_DIR", output.path().toUtf8());
        RecordedBoxes boxes;
        StartedMain m;
        m.find<QAction>("mnuPrint")->trigger();
        const QStringList files = QDir(output.path()).entryList({"*.pdf"}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QFile pdf(QDir(output.path()).filePath(files.first()));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QCOMPARE(boxes.shown.size(), size_t{1});
        QVERIFY(boxes.shown[0].text.contains(files.first()));
        // A second print never overwrites the first.
        m.find<QAction>("mnuPrint")->trigger();
        QCOMPARE(QDir(output.path()).entryList({"*.pdf"}, QDir::Files).size(), 2);
        qunsetenv("ARDELVEXA_OUTPUT_DIR");
    }

    void printCurrentWindowFailureIsReported()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is set up on this machine");
        }
        QTemporaryDir output;
        QFile blocker(output.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // A folder inside a plain file cannot be made.
        qputenv("ARDELVEXA_OUTPUT_DIR", output.filePath("file/out").toUtf8());
        RecordedBoxes boxes;
        StartedMain m;
        m.find<QAction>("mnuPrint")->trigger();
        QCOMPARE(boxes.shown.size(), size_t{1});
        QCOMPARE(boxes.shown[0].text, QStringLiteral("The form can't be printed."));
        QVERIFY(m.window.isVisible());
        qunsetenv("ARDELVEXA_OUTPUT_DIR");
    }
};

VEXA_QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
