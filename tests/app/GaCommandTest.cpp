#include "GaStandIns.h"
#include "design/DesignState.h"
#include "design/Main.h"
#include "ga/GaDocument.h"
#include "ga/WordDocument.h"
#include "gadialogs/Form1.h"
#include "gadialogs/Form2.h"
#include "gadialogs/GaDrawings.h"
#include "gadialogs/HeatpipeDimensions.h"
#include "gadialogs/Progress.h"
#include "gadialogs/frmCustomerDetails.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/frmSplash.h"

#include <QDir>
#include <QTimer>

#include <functional>
#include <memory>

using namespace vexa::app;

namespace {

// What the Project Details Form showed when it came up, and whether it did.
struct DetailsSeen {
    bool shown = false;
    QString projectName;
    QString customerRef;
};

// Answers the Project Details Form when the G.A. command shows it: types the
// entries and presses "OK", or closes it with its close box.
std::shared_ptr<DetailsSeen> answerDetails(const QString& projectName, const QString& customerRef, bool ok)
{
    auto seen = std::make_shared<DetailsSeen>();
    QTimer::singleShot(0, [=] {
        frmCustomerDetails& form = projectDetailsForm();
        if (!form.isVisible()) {
            return;
        }
        seen->shown = true;
        seen->projectName = child(form, "txtProjectName")->text();
        seen->customerRef = child(form, "txtCustomerRef")->text();
        child(form, "txtProjectName")->setText(projectName);
        child(form, "txtCustomerRef")->setText(customerRef);
        if (ok) {
            child<QPushButton>(form, "cmdOK")->click();
        } else {
            form.close();
        }
    });
    return seen;
}

std::unique_ptr<DimensionDialog> openDialog(const QString& kind, StandIns& windows)
{
    if (kind == QLatin1String("Form1")) {
        return std::make_unique<Form1>(windows.sources());
    }
    if (kind == QLatin1String("Form2")) {
        return std::make_unique<Form2>(windows.sources());
    }
    return std::make_unique<HeatpipeDimensions>(windows.sources());
}

QStringList documentsIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.docx")}, QDir::Files, QDir::Name);
}

// The bookmarks of a saved drawing: "Name=text" for each name asked.
QStringList bookmarks(const QString& document, const QStringList& names)
{
    const auto drawing = vexa::ga::WordDocument::fromTemplate(document.toStdString());
    QStringList found;
    for (const QString& name : names) {
        found << name + "=" + QString::fromStdString(drawing.bookmarkText(name.toStdString()));
    }
    return found;
}

} // namespace

class GaCommandTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_output = std::make_unique<QTemporaryDir>();
        qputenv("ARDELVEXA_OUTPUT_DIR", m_output->path().toUtf8());
        vexa::designState().connectionSize.clear(); // no chilled water coil calculated
    }

    // Each row: the unit, the dialog, edits made in it, the hand, and the drawing
    // saved with the bookmarks it carries.
    void drawingOfEachDialog_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<bool>("rightHand");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QStringList>("expected");
        const QString stackedHorizontal =
            QStringLiteral("Stacked=* HEAT PIPE SUPPLIED IN TWO SECTIONS STACKED ONE ON TOP OF THE OTHER. "
                           "ONLY ONE OF THE SECTIONS IS "
                           "SHOWN, OVERALL HEIGHT = %1 mm *");
        // clang-format off
        QTest::newRow("straight, vertical, flat drainpan")
            << "optStraight;lstdpcost=Flat Drainpan" << "Form1" << QStringList{"txtCentreFlange=16"} << false
            << "VerticalStraightHeatpipeDrainpan.docx"
            << QStringList{"OverallHeight=866.0", "OverallWidth=2000.0", "OverallDepth=185.0", "SupplyAir=900.0",
                           "FinnedLength=1832.0", "FlangeWidth2=50.0", "CentreFlangeWidth2=16.0", "FlangeDepth2=84.0",
                           "Stacked=", "HeatpipeCode=12HP 8. 4 - 20T x 900"};
        QTest::newRow("straight, horizontal, perforated base, two sections of 21")
            << "optStraight;cmbVerHor=Horizontal;chkElims;lstdpcost=Perforated Base;txtHeight=2000;txtthcost=21"
            << "Form1" << QStringList{} << false
            << "HorizontalStraightHeatpipe.docx"
            << QStringList{"OverallHeight=599.0", "OverallDepth=365.0", "FlangeWidth1=50.0",
                           stackedHorizontal.arg("1160.0"), "HeatpipeCode=12HP 8. 4 - 21T x 900"};
        QTest::newRow("horseshoe, right hand, 3 rows")
            << "optHorseshoe;txtnorowshpcost=3;txtfpihpcost=7;cmbRows=9" << "HeatpipeDimensions"
            << QStringList{"txtOverallHeight=817", "txtInternalBaffle=100"} << true
            << "HorseshoeHeatpipeRight.docx"
            << QStringList{"OverallHeight=817.0", "OverallWidth=1120.0", "ExternalBaffle=160.0", "InternalBaffle=100.0",
                           "FlangeWidth1=25.5", "InternalDepth=360.0", "EndPlateWidth2=110.0", "Stacked=",
                           "HeatpipeCode=12HP 7. 3 - 20T x 900"};
        QTest::newRow("horseshoe, two sections of 22")
            << "optHorseshoe;txtnorowshpcost=2;txtHeight=1950;txtthcost=22" << "HeatpipeDimensions" << QStringList{} << false
            << "HorseshoeHeatpipeLeft.docx"
            << QStringList{"OverallHeight=473.0", "EndPlateWidth1=75.0", stackedHorizontal.arg("946.0"),
                           "HeatpipeCode=12HP 8. 2 - 22T x 900"};
        QTest::newRow("chilled water, no drainpan, right hand: the left drawing with its note")
            << "optWater;txtfpicccost=10;txtnorowscccost=6" << "Form2" << QStringList{"txtConnectionLength=200"} << true
            << "CombinationHeatpipeLEFT.docx"
            << QStringList{"OverallHeight=816.0", "OverallWidth=1165.0", "OverallDepth=500.0", "ReturnBaffle=120.0",
                           "FlangeDepth1=25.0", "FlangeDepth2=25.0", "FrontBaffle=145.0", "ConnectionLength=200.0",
                           "Note=NOTE. CONNECTIONS SHOWN ON LHS LOOKING IN DIRECTION OF AIRFLOW",
                           "HeatpipeCode=12HP 10. 6 - 20T x 900"};
        QTest::newRow("refrigerant, flat drainpan, left hand")
            << "optEvap;lstdpcost=Flat Drainpan;txtfpicccost=12;txtnorowscccost=2" << "Form2" << QStringList{} << false
            << "RefrigerantHeatpipeDrainpanLEFT.docx"
            << QStringList{"OverallHeight=851.0", "OverallWidth=1145.0", "FlangeDepth1=25.0", "DuctHeight=766.0",
                           "INLET=", "OUTLET=", "Stacked=", "HeatpipeCode=12HP 12. 2 - 20T x 900"};
        // clang-format on
    }
    void drawingOfEachDialog()
    {
        QFETCH(QString, unit);
        QFETCH(QString, dialog);
        QFETCH(QStringList, edits);
        QFETCH(bool, rightHand);
        QFETCH(QString, document);
        QFETCH(QStringList, expected);
        RecordedBoxes boxes;
        StandIns windows;
        windows.enter(unit);
        auto opened = openDialog(dialog, windows);
        opened->show();
        for (const QString& edit : edits) {
            QVERIFY(typeAndLeave(*opened, qPrintable(edit.section('=', 0, 0)), edit.section('=', 1)));
        }
        boxes.shown.clear(); // the baffle note of an edit
        if (rightHand) {
            child<QRadioButton>(*opened, "optRight")->setChecked(true);
        }

        const auto seen =
            answerDetails(QStringLiteral("  Riverside Clinic  "), QStringLiteral(" PO-4471 "), true);
        opened->generalArrangement();
        QVERIFY(seen->shown);
        QVERIFY(opened->isMinimized());
        QVERIFY(!projectDetailsForm().isVisible());
        QCOMPARE(documentsIn(m_output->path()), QStringList{document});

        // Not opened here (ARDELVEXA_NO_OPEN=1), so the user is told where it went.
        const QString saved = m_output->filePath(document);
        QCOMPARE(boxes.titles(), QStringList{QString()});
        QCOMPARE(boxes.shown[0].text, "The document was saved as " + saved + ".");
        QCOMPARE(bookmarks(saved, {"CustomerRef", "ProjectName", "Date"}),
                 (QStringList{"CustomerRef=PO-4471", "ProjectName=Riverside Clinic",
                              "Date=" + QString::fromStdString(vexa::ga::todayText())}));
        QStringList names;
        for (const QString& pair : expected) {
            names << pair.section('=', 0, 0);
        }
        QCOMPARE(bookmarks(saved, names), expected);
    }

    // A chilled water coil's connection size, from the last design calculation, sets
    // the front baffle's default and least width and is drawn in capitals.
    void connectionSizeOfTheCoil_data()
    {
        QTest::addColumn<QString>("coil");
        QTest::addColumn<QString>("connectionSize");
        QTest::addColumn<QString>("frontBaffle");
        QTest::addColumn<QString>("limits");
        QTest::addColumn<QString>("drawn"); // ConnectionSize on the drawing
        // clang-format off
        QTest::newRow("1 1/2 inch")             << "optWater" << "1 1/2 inch" << "100" << "(Min  100 Max  350)" << "1 1/2 INCH";
        QTest::newRow("2 inch")                 << "optWater" << "2 inch"     << "115" << "(Min  115 Max  350)" << "2 INCH";
        QTest::newRow("2 1/2 inch")             << "optWater" << "2 1/2 inch" << "130" << "(Min  130 Max  350)" << "2 1/2 INCH";
        QTest::newRow("2 x 3 inch")             << "optWater" << "2 x 3 inch" << "145" << "(Min  145 Max  350)" << "2 X 3 INCH";
        QTest::newRow("refrigerant: not drawn") << "optEvap"  << "1 inch"     << "145" << "(Min  145 Max  350)" << "";
        // clang-format on
    }
    void connectionSizeOfTheCoil()
    {
        QFETCH(QString, coil);
        QFETCH(QString, connectionSize);
        QFETCH(QString, frontBaffle);
        QFETCH(QString, limits);
        QFETCH(QString, drawn);
        RecordedBoxes boxes;
        StandIns windows;
        windows.enter(coil + ";txtnorowscccost=4");
        vexa::Main engine;
        vexa::designState().connectionSize = connectionSize.toStdString();
        Form2 dialog(DimensionSources(&windows.main, &windows.costing, &engine));
        QCOMPARE(text(dialog, "txtFrontBaffle"), frontBaffle);
        QCOMPARE(text(dialog, "lblFrontBaffleLimits"), limits);
        QCOMPARE(dialog.connectionSize(), coil == QLatin1String("optWater") ? connectionSize : QString());

        dialog.show();
        answerDetails(QString(), QString(), true);
        dialog.generalArrangement();
        const QStringList documents = documentsIn(m_output->path());
        QCOMPARE(documents.size(), 1);
        const auto drawing =
            vexa::ga::WordDocument::fromTemplate(m_output->filePath(documents[0]).toStdString());
        if (coil == QLatin1String("optWater")) {
            QCOMPARE(QString::fromStdString(drawing.bookmarkText("ConnectionSize")), drawn);
        }
        QCOMPARE(QString::fromStdString(drawing.bookmarkText("FrontBaffle")), frontBaffle + ".0");
    }

    // The drawing waits, unsaved, for the Project Details Form; its close box drops it.
    // A second G.A. makes a further drawing and finds the entries of the last one.
    void projectDetailsStep()
    {
        RecordedBoxes boxes;
        StandIns windows;
        windows.enter(QStringLiteral("optStraight"));
        Form1 dialog(windows.sources());
        dialog.show();

        auto seen = answerDetails(QStringLiteral("Dropped"), QStringLiteral("X-1"), false);
        dialog.generalArrangement();
        QVERIFY(seen->shown);
        QCOMPARE(documentsIn(m_output->path()), QStringList{});
        QVERIFY(!dialog.isMinimized());

        seen = answerDetails(QStringLiteral("Riverside Clinic"), QStringLiteral("PO-4471"), true);
        dialog.generalArrangement();
        QCOMPARE(seen->projectName, QStringLiteral("Dropped")); // the form only hides
        seen = answerDetails(QStringLiteral("Riverside Clinic"), QStringLiteral("PO-4472"), true);
        dialog.showNormal();
        dialog.generalArrangement();
        QCOMPARE(seen->projectName, QStringLiteral("Riverside Clinic"));
        QCOMPARE(seen->customerRef, QStringLiteral("PO-4471"));

        const QStringList documents = documentsIn(m_output->path());
        QCOMPARE(documents,
                 (QStringList{"VerticalStraightHeatpipe (2).docx", "VerticalStraightHeatpipe.docx"}));
        QCOMPARE(bookmarks(m_output->filePath(documents[0]), {"CustomerRef"}),
                 QStringList{"CustomerRef=PO-4472"});
        QCOMPARE(bookmarks(m_output->filePath(documents[1]), {"CustomerRef"}),
                 QStringList{"CustomerRef=PO-4471"});
        QCOMPARE(boxes.shown.size(), size_t{2}); // where each of the two was saved
    }

    // No drawing can be made: the message, with its reason on a second line; no
    // Project Details Form; the dialog stays as it was.
    void documentsCannotBeMade()
    {
        RecordedBoxes boxes;
        StandIns windows;
        windows.enter(QStringLiteral("optHorseshoe"));
        HeatpipeDimensions dialog(windows.sources());
        dialog.show();
        const QString blocked = m_output->filePath(QStringLiteral("a file, not a folder"));
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("ARDELVEXA_OUTPUT_DIR", blocked.toUtf8());

        const auto seen = answerDetails(QString(), QString(), true);
        dialog.generalArrangement();
        QApplication::processEvents();
        QVERIFY(!seen->shown);
        QCOMPARE(boxes.shown.size(), size_t{1});
        const QStringList lines = boxes.shown[0].text.split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0],
                 QStringLiteral("You need to have Microsoft Word Installed to run general arrangement"));
        QVERIFY(!lines[1].isEmpty());
        QCOMPARE(boxes.shown[0].buttons, MessageButtons::Ok);
        QVERIFY(dialog.isVisible() && !dialog.isMinimized());
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(!(qobject_cast<Progress*>(window) != nullptr && window->isVisible()),
                     "progress left open");
        }
    }

    // The program as it starts: the costing window's "GA" costs the unit, hides the
    // costing window and opens the dialog of the unit with the real windows' values.
    void costingWindowOpensTheDialog()
    {
        RecordedBoxes boxes;
        frmMain* main = startProgram({"ArdelVexa"});
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* splash = qobject_cast<frmSplash*>(top); splash != nullptr && splash->isVisible()) {
                QTest::mouseClick(splash, Qt::LeftButton);
            }
        }
        main->setProgramEnd([] {});
        QVERIFY(main->calculate()); // the start-up design: heat pipe only
        main->findChild<QPushButton*>("cmdcosting")->click();
        QWidget* costing = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("frmCosting") && top->isVisible()) {
                costing = top;
            }
        }
        QVERIFY(costing != nullptr);
        costing->findChild<QPushButton*>("cmdcost")->click(); // "GA" waits for a first "Cal"
        QVERIFY(costing->findChild<QPushButton*>("CmdGArrangement")->isEnabled());
        costing->findChild<QPushButton*>("CmdGArrangement")->click();
        QCOMPARE(boxes.titles(), QStringList{});

        QPointer<DimensionDialog> dialog;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<DimensionDialog*>(top); found != nullptr && found->isVisible()) {
                dialog = found;
            }
        }
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->objectName(), QStringLiteral("HeatpipeDimensions"));
        QVERIFY(!costing->isVisible());
        const int tubesHigh = costing->findChild<QLineEdit*>("txtthcost")->text().toInt();
        QVERIFY(tubesHigh > 0);
        QCOMPARE(text(*dialog, "txtOverallHeight"),
                 QString::number(gadims::horseshoeOverallHeight(tubesHigh)));
        QCOMPARE(text(*dialog, "txtFinnedLength"), costing->findChild<QLineEdit*>("txtflcost")->text());

        dialog->closeButton();
        QVERIFY(costing->isVisible());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog == nullptr);
        main->endAtOnce();
        delete main;
    }

    // The bar runs its ten steps while the drawing's dimensions are written.
    void drawingsTakeTenSteps_data()
    {
        QTest::addColumn<QString>("style");
        QTest::newRow("straight") << "straight";
        QTest::newRow("horseshoe") << "horseshoe";
        QTest::newRow("combination") << "combination";
    }
    void drawingsTakeTenSteps()
    {
        QFETCH(QString, style);
        int steps = 0;
        const DrawingStep step = [&steps] { ++steps; };
        std::unique_ptr<PendingDrawing> drawing;
        if (style == QLatin1String("straight")) {
            drawing = startStraight({}, step);
        } else if (style == QLatin1String("horseshoe")) {
            drawing = startHorseshoe({}, step);
        } else {
            drawing = startCombination({}, step);
        }
        QCOMPARE(steps, 10);
        drawing.reset(); // discarded: nothing saved
        QCOMPARE(documentsIn(m_output->path()), QStringList{});
    }

private:
    std::unique_ptr<QTemporaryDir> m_output;
};

VEXA_QTEST_MAIN(GaCommandTest)
#include "GaCommandTest.moc"
