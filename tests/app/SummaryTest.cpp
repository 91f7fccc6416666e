#include "AppTestSupport.h"
#include "ModalScript.h"
#include "common/ProgramFlags.h"
#include "reports/RtfWriter.h"
#include "reports/frmSummary.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextEdit>

using namespace vexa::app;

namespace {

const QString kHyphens(100, QLatin1Char('-'));

QString line(const QString& label, const QString& value = {}, const QString& unit = {})
{
    return label + "\t\t" + value + "\t" + unit;
}

// A costing window as far as the summary reads it: the options, size and weight
// by their object names.
struct CostingWindow {
    CostingWindow()
    {
        window.setObjectName("frmCosting");
        casing = add<QComboBox>("lstcasematcost");
        casing->addItems({"Galvanised sheet", "Stainless sheet"});
        drainPan = add<QComboBox>("lstdpcost");
        drainPan->addItems({"No Drainpan", "Flat Drainpan", "Sloping Drainpan", "Perforated Base"});
        stainlessDrainPan = add<QCheckBox>("chkDPCaseMat");
        horseshoe = add<QRadioButton>("optHorseshoe");
        straight = add<QRadioButton>("optStraight");
        horseshoe->setChecked(true);
        orientation = add<QComboBox>("cmbVerHor");
        orientation->addItems({"Vertical", "Horizontal"});
        eliminators = add<QCheckBox>("chkElims");
        sizes = add<QLineEdit>("txtSizes");
        weight = add<QLineEdit>("txtWeight");
    }
    template <typename T>
    T* add(const char* name)
    {
        auto* control = new T(&window);
        control->setObjectName(name);
        return control;
    }

    QWidget window;
    QComboBox *casing, *drainPan, *orientation;
    QCheckBox *stainlessDrainPan, *eliminators;
    QRadioButton *horseshoe, *straight;
    QLineEdit *sizes, *weight;
};

// The RTF the summary writes, read back: paragraphs become line feeds, tab marks
// tabs, \uN characters; the header groups are skipped.
QString readRtfBack(const QByteArray& rtf)
{
    QString text;
    const qsizetype bodyStart = rtf.indexOf("\\fs");
    qsizetype i = rtf.indexOf(' ', bodyStart) + 1;
    const qsizetype end = rtf.lastIndexOf('}');
    while (i < end) {
        const char c = rtf.at(i);
        if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            text += QLatin1Char(c);
            ++i;
        } else if (QByteArray("\\{}").contains(rtf.at(i + 1))) {
            text += QLatin1Char(rtf.at(i + 1));
            i += 2;
        } else {
            qsizetype j = i + 1;
            while (j < end && std::isalpha(static_cast<unsigned char>(rtf.at(j)))) {
                ++j;
            }
            const QByteArray word = rtf.mid(i + 1, j - i - 1);
            qsizetype k = j;
            while (k < end && (rtf.at(k) == '-' || std::isdigit(static_cast<unsigned char>(rtf.at(k))))) {
                ++k;
            }
            const int number = rtf.mid(j, k - j).toInt();
            if (k < end && rtf.at(k) == ' ') {
                ++k;
            }
            if (word == "par") {
                text += QLatin1Char('\n');
            } else if (word == "tab") {
                text += QLatin1Char('\t');
            } else if (word == "u") {
                text += QChar(static_cast<char16_t>(number < 0 ? number + 0x10000 : number));
                ++k; // the "?" for readers without Unicode
            }
            i = k;
        }
    }
    return text;
}

} // namespace

class SummaryTest : public QObject {
    Q_OBJECT

private:
    // A calculated unit as the main window shows it; the results are typed in, so
    // that every line can be compared as a whole.
    void fillMainWindow(StartedMain& main, const QString& coil)
    {
        main.choose(coil.toLatin1().constData());
        main.enter("txtDB1=46;txtDB2=39.84;txtDB3=14;txtDB4=20.25;"
                   "txtWB1=27.5;txtWB2=25.9;txtWB3=13.2;txtWB4=16.1;"
                   "txtRH1=25;txtRH2=33;txtRH3=91;txtRH4=66;"
                   "txtW1=0.0154;txtW2=0.0154;txtW3=0.0092;txtW4=0.0092;"
                   "txtE1=86.01;txtE2=79.56;txtE3=37.26;txtE4=43.73;"
                   "txtPreCoolSave=32.4;txtQt=120.6;txtReHeatSave=32.4;"
                   "txtAirVol=5;txtHeight= 1200 ;txtWidth=1800.4;txtAirVel=2.31;txtPressure=101.3;"
                   "cmbFinMatCC=Copper;cmbFinType=Ripple;cmbRows=2;cmbFPI=8;txtEff=48.5;txtPD=61;"
                   "txtWinTemp=6;txtWoutTemp=12.05;txtEvapTemp=4;txtPDCCAir=98;txtPDCCWater=23;"
                   "cmbFinTypeCC=Louvre;txtCCFPI=10;txtCCRows=6");
    }

    // Opens the summary as the program does and returns its lines.
    QStringList summaryOf(StartedMain& main, CostingWindow* costing, bool costingDone)
    {
        programFlags().CostingDone = costing != nullptr && costingDone;
        QString text;
        ModalScript script;
        script.then("frmSummary", [&](QWidget* w) {
            text = w->findChild<QTextEdit*>("rtfSummary")->toPlainText();
            pressLater(w, "cmdClose");
        });
        openSummary(&main.window);
        return text.split('\n');
    }

    // The lines from "OPTIONS" (or the cooling coil) to the last hyphens.
    static QStringList between(const QStringList& lines, int first, const QString& lastLine,
                               int occurrence = 2)
    {
        QStringList part;
        int found = 0;
        for (int i = first; i < lines.size(); ++i) {
            part << lines.at(i);
            if (lines.at(i) == lastLine && ++found == occurrence) {
                break;
            }
        }
        return part;
    }

private slots:
    void initTestCase()
    {
        frmSummary::setClock([] { return QDateTime(QDate(2026, 3, 9), QTime(14, 5)); });
    }

    void headGeneralAndHeatPipeLinesOfAHeatPipeOnlyUnit()
    {
        StartedMain main;
        fillMainWindow(main, "optHponly");
        const QStringList lines = summaryOf(main, nullptr, false);

        // clang-format off
        const QStringList expected{
            "Ardel Vexas SELECTION/RATING SUMMARY",
            line("Version Number:                Version 4.3"),
            line("Mode:                                     Heat Pipe "),
            line(""),
            line("(1) Air On Heatpipe Precool"),
            line("(2) Air Off Heatpipe Precool"),
            line("(3) Air Off Cooling Coil"),
            line("(4) Air Off Heatpipe Reheat"),
            line(QString(64, ' ') + "(1)" + QString(11, ' ') + "(2)" + QString(10, ' ') + "(3)" + QString(10, ' ') + "(4)"),
            line("Dry Bulb Temp (\u00b0C):", "46.0        39.8        14.0        20.3"),
            line("Wet Bulb Temp (\u00b0C):", "27.5        25.9        13.2        16.1"),
            line("Relative Humidity (%):", "25          33            91           66"),
            line("Humidity Ratio (kg/kg):", "0.0154    0.0154    0.0092    0.0092"),
            line("Enthalpy (kJ/kg):       ", "86.01      79.56      37.26      43.73"),
            line(kHyphens),
            line("Pre Cool Saving:       ", "32.4", "kW"),
            line("Cooling Coil Duty          ", "120.6", "kW"),
            line("Reheat Saving:         ", "32.4", "kW"),
            line(kHyphens),
            line("GENERAL"),
            line("Air Flow Rate:         ", "5.00", "m\u00b3/s"),
            line("Coil Height:                     ", "1200", "mm"),
            line("Coil Width                  ", "1800", "mm"),
            line("Air Velocity                ", "2.31", "m/s"),
            line("Barometric Pressure:   ", "101.30", "kPa"),
            line("Fin Material:             ", "Copper"),
            line(kHyphens),
            line("HEAT PIPE"),
            line("Fin Type:                 ", "Ripple"),
            line("Rows:                      ", "2"),
            line("FPI:                           ", "8"),
            line("Effectiveness:         ", "48.5", "%"),
            line("Pressure Drop:         ", "61", "Pa"),
            line(kHyphens),
            line("OPTIONS"),
        };
        // clang-format on
        QCOMPARE(lines.mid(0, expected.size()), expected);
        QCOMPARE(lines.size(), 86);

        // The main window shows the reformatted texts afterwards.
        QCOMPARE(main.box("txtDB1")->text(), QStringLiteral("46.0"));
        QCOMPARE(main.box("txtDB4")->text(), QStringLiteral("20.3"));
        QCOMPARE(main.box("txtAirVol")->text(), QStringLiteral("5.00"));
        QCOMPARE(main.box("txtWidth")->text(), QStringLiteral("1800"));
        QCOMPARE(main.box("txtWoutTemp")->text(), QStringLiteral("12.1"));
        QCOMPARE(main.box("txtHeight")->text(), QStringLiteral(" 1200 "));
    }

    void coolingCoilOptionsAndTail_data()
    {
        QTest::addColumn<QString>("coil");
        QTest::addColumn<bool>("withCostingWindow");
        QTest::addColumn<bool>("costed");
        QTest::addColumn<QString>("drainPan");
        QTest::addColumn<bool>("straight");
        QTest::addColumn<QStringList>("expected"); // from line 34 to the hyphens after the weight

        const QString na = "N/A";
        // clang-format off
        QTest::newRow("heat pipe only, straight, costed: options follow the heat pipe directly")
            << "optHponly" << true << true << "Flat Drainpan" << true << QStringList{
            line("OPTIONS"),
            line("Casing Material:       ", "Stainless sheet"),
            line("Drain Pan:                 ", "Flat Drainpan"),
            line("Drainpan Material:  ", "Stainless Steel"),
            line("Heatpipe:                 ", "Straight"),
            line("Orientation:                 ", "Vertical"),
            line("Eliminators:                 ", "Yes"),
            line(kHyphens),
            line("Size:                             ", "1300x1900x420", "mm"),
            line("Weight:                    ", "212", "kg"),
            line(kHyphens)};
        QTest::newRow("chilled water, costed horseshoe without drain pan")
            << "optWater" << true << true << "No Drainpan" << false << QStringList{
            line("COOLING COIL"),
            line("Heat Pipe Only:         ", "No"),
            line("Chilled Water:         ", "Yes"),
            line("Refrigerant:            ", "No"),
            line("Inlet Water Temp:     ", "6.0", "\u00b0C"),
            line("Outlet Water Temp:", "12.1", "\u00b0C"),
            line("Air Pressure Drop:         ", "98", "Pa"),
            line("Fluid Pressure Drop:  ", "23", "kPa"),
            line("Fin Type:                  ", "Louvre"),
            line("FPI:                            ", "10"),
            line("Rows:                      ", "6"),
            line(kHyphens),
            line("OPTIONS"),
            line("Casing Material:       ", "Stainless sheet"),
            line("Drain Pan:                 ", "No Drainpan"),
            line("Heatpipe:                 ", "Horseshoe"),
            line("Eliminators:                 ", "No"),
            line(kHyphens),
            line("Size:                             ", "1300x1900x420", "mm"),
            line("Weight:                    ", "212", "kg"),
            line(kHyphens)};
        QTest::newRow("refrigerant, not costed: N/A, drain pan material still written")
            << "optEvap" << true << false << "Sloping Drainpan" << true << QStringList{
            line("COOLING COIL"),
            line("Heat Pipe Only:         ", "No"),
            line("Chilled Water:         ", "No"),
            line("Refrigerant:            ", "Yes"),
            line("Evaporating Temp:     ", "4.0", "\u00b0C"),
            line("Outlet Water Temp:", na, na),
            line("Air Pressure Drop:         ", "98", "Pa"),
            line("Fluid Pressure Drop:  ", na, na),
            line("Fin Type:                  ", "Louvre"),
            line("FPI:                            ", "10"),
            line("Rows:                      ", "6"),
            line(kHyphens),
            line("OPTIONS"),
            line("Casing Material:       ", na),
            line("Drain Pan:                 ", na),
            line("Drainpan Material:  ", "Stainless Steel"),
            line("Heatpipe:                 ", na),
            line("Eliminators:                 ", na),
            line(kHyphens),
            line("Size:                             ", na, na),
            line("Weight:                    ", na, na),
            line(kHyphens)};
        QTest::newRow("no costing window yet: empty options, no drain pan material")
            << "optHponly" << false << false << "" << false << QStringList{
            line("OPTIONS"),
            line("Casing Material:       ", na),
            line("Drain Pan:                 ", na),
            line("Heatpipe:                 ", na),
            line("Eliminators:                 ", na),
            line(kHyphens),
            line("Size:                             ", na, na),
            line("Weight:                    ", na, na),
            line(kHyphens)};
        // clang-format on
    }

    void coolingCoilOptionsAndTail()
    {
        QFETCH(QString, coil);
        QFETCH(bool, withCostingWindow);
        QFETCH(bool, costed);
        QFETCH(QString, drainPan);
        QFETCH(bool, straight);
        QFETCH(QStringList, expected);

        StartedMain main;
        fillMainWindow(main, coil);
        CostingWindow costing;
        costing.casing->setCurrentText("Stainless sheet");
        costing.drainPan->setCurrentText(drainPan);
        costing.stainlessDrainPan->setChecked(true);
        (straight ? costing.straight : costing.horseshoe)->setChecked(true);
        costing.eliminators->setChecked(true);
        costing.eliminators->setChecked(drainPan != "No Drainpan");
        costing.sizes->setText("1300x1900x420");
        costing.weight->setText("212");
        if (!withCostingWindow) {
            costing.window.setObjectName("notTheCostingWindow");
        }

        const QStringList lines = summaryOf(main, &costing, costed);

        QCOMPARE(lines.size(), 86);
        const QStringList part = between(lines, 34, line(kHyphens), expected.size() > 12 ? 3 : 2);
        QCOMPARE(part, expected);
        // Then the date, the maker's address and empty lines up to line 85.
        const qsizetype tail = 34 + expected.size();
        QCOMPARE(lines.at(tail), line(""));
        const QLocale locale = QLocale::system();
        QCOMPARE(lines.at(tail + 1), line(locale.toString(QDate(2026, 3, 9), QLocale::ShortFormat) + "    " +
                                          locale.toString(QTime(14, 5), QLocale::ShortFormat)));
        QCOMPARE(lines.at(tail + 2), line(""));
        const QStringList address = makerAddressBlock();
        QCOMPARE(address.size(), 10);
        QCOMPARE(address.at(5), QString());
        for (qsizetype i = 0; i < address.size(); ++i) {
            QCOMPARE(lines.at(tail + 3 + i), line(address.at(i)));
        }
        for (qsizetype i = tail + 3 + address.size(); i < lines.size(); ++i) {
            QCOMPARE(lines.at(i), QStringLiteral("\t\t\t"));
        }
    }

    void addCommentAppendsALineAndSaysSo_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::newRow("a comment") << "Customer asks for a stainless casing.\tUrgent";
        QTest::newRow("an empty comment adds only a line feed") << "";
    }

    void addCommentAppendsALineAndSaysSo()
    {
        QFETCH(QString, comment);
        StartedMain main;
        fillMainWindow(main, "optHponly");
        RecordedBoxes boxes;
        frmSummary summary(SummarySources{&main.window, nullptr, false});
        auto* text = summary.findChild<QTextEdit*>("rtfSummary");
        const QString before = text->toPlainText();
        summary.findChild<QPlainTextEdit*>("txtComment")->setPlainText(comment);
        summary.findChild<QPushButton*>("cmdAddComment")->click();

        QCOMPARE(text->toPlainText(), before + "\n" + comment);
        QCOMPARE(summary.findChild<QPlainTextEdit*>("txtComment")->toPlainText(), QString());
        QCOMPARE(boxes.titles(), QStringList{"Comment Added"});
        QCOMPARE(boxes.shown.front().text,
                 QStringLiteral("A comment has been added to the end of the summary."));
        QCOMPARE(boxes.shown.front().icon, MessageIcon::Information);
    }

    void saveWritesRtfThatReadsBackLineForLine()
    {
        StartedMain main;
        fillMainWindow(main, "optWater");
        RecordedBoxes boxes;
        QTemporaryDir folder;
        const QString path = folder.filePath("summary.rtf");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older file that is replaced");
        old.close();
        frmSummary::setSaveFileChooser([&](QWidget*) { return path; });
        frmSummary summary(SummarySources{&main.window, nullptr, false});
        summary.findChild<QPlainTextEdit*>("txtComment")
            ->setPlainText("Braces {} and a back\\slash \u00a3 \u20ac");
        summary.findChild<QPushButton*>("cmdAddComment")->click();
        summary.findChild<QPushButton*>("cmdSave")->click();
        frmSummary::setSaveFileChooser(nullptr);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray rtf = file.readAll();
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
        QVERIFY(rtf.endsWith("}\r\n"));
        const QString shown = summary.findChild<QTextEdit*>("rtfSummary")->toPlainText();
        QCOMPARE(readRtfBack(rtf).split('\n'), (shown + "\n").split('\n'));
    }

    // LibreOffice Writer opens the file with the summary's lines and tabs.
    void savedRtfOpensInAWordProcessorWithItsLinesAndTabs()
    {
        const QString office = QStandardPaths::findExecutable("soffice");
        if (office.isEmpty()) {
            QSKIP("LibreOffice is not installed");
        }
        StartedMain main;
        fillMainWindow(main, "optEvap");
        QTemporaryDir folder;
        const QString path = folder.filePath("summary.rtf");
        frmSummary::setSaveFileChooser([&](QWidget*) { return path; });
        frmSummary summary(SummarySources{&main.window, nullptr, false});
        summary.save();
        frmSummary::setSaveFileChooser(nullptr);

        QProcess convert;
        convert.start(office, {"-env:UserInstallation=file://" + folder.filePath("profile"), "--headless",
                               "--convert-to", "txt:Text (encoded):UTF8", "--outdir", folder.path(), path});
        QVERIFY(convert.waitForFinished(120000));
        QFile text(folder.filePath("summary.txt"));
        QVERIFY2(text.open(QIODevice::ReadOnly), qPrintable(convert.readAllStandardError()));
        QString read = QString::fromUtf8(text.readAll());
        if (read.startsWith(QChar(0xfeff))) {
            read.remove(0, 1);
        }
        read.replace("\r\n", "\n");
        const QStringList shown = summary.findChild<QTextEdit*>("rtfSummary")->toPlainText().split('\n');
        QStringList readLines = read.split('\n');
        while (readLines.size() > shown.size() && readLines.back().isEmpty()) {
            readLines.removeLast();
        }
        QCOMPARE(readLines, shown);
    }

    void saveIntoAFolderThatCannotBeWrittenChangesNothing_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("cancelled") << "";
        QTest::newRow("missing folder") << "/nonexistent-folder/summary.rtf";
        QTest::newRow("a folder below a file") << "UNDER_FILE";
        QTest::newRow("the name of a folder") << "FOLDER";
    }

    void saveIntoAFolderThatCannotBeWrittenChangesNothing()
    {
        QFETCH(QString, answer);
        StartedMain main;
        RecordedBoxes boxes;
        QTemporaryDir folder;
        QFile blocker(folder.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        if (answer == "UNDER_FILE") {
            answer = folder.filePath("blocker/summary.rtf");
        } else if (answer == "FOLDER") {
            answer = folder.path();
        }
        frmSummary::setSaveFileChooser([&](QWidget*) { return answer; });
        frmSummary summary(SummarySources{&main.window, nullptr, false});
        summary.save();
        frmSummary::setSaveFileChooser(nullptr);

        QVERIFY(boxes.shown.empty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"blocker"});
    }

    void printWithoutAPrinterWritesAPdf()
    {
        if (!QPrinterInfo::availablePrinters().isEmpty()) {
            QSKIP("a printer is set up here; the PDF fallback is not used");
        }
        QTemporaryDir output;
        qputenv("ARDELVEXA_OUTPUT_DIR", output.path().toUtf8());
        StartedMain main;
        RecordedBoxes boxes;
        frmSummary summary(SummarySources{&main.window, nullptr, false});
        const QString pdf = summary.print();
        qunsetenv("ARDELVEXA_OUTPUT_DIR");

        QVERIFY(!pdf.isEmpty());
        QVERIFY(pdf.startsWith(output.path()));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
        QCOMPARE(boxes.shown.size(), size_t{1});
        QVERIFY(boxes.shown.front().text.contains(QDir::toNativeSeparators(pdf)));
    }
};

VEXA_QTEST_MAIN(SummaryTest)
#include "SummaryTest.moc"
