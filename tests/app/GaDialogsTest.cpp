#include "GaStandIns.h"
#include "design/Main.h"
#include "gadialogs/DimensionDialogs.h"
#include "gadialogs/DimensionRules.h"
#include "gadialogs/Form1.h"
#include "gadialogs/Form2.h"
#include "gadialogs/HeatpipeDimensions.h"
#include "gadialogs/Progress.h"
#include "gadialogs/frmCustomerDetails.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

using namespace vexa::app;

namespace {

QString rangeMessage(int min, int max)
{
    return QStringLiteral("Invaild Input,  Please enter value between %1 - %2").arg(min).arg(max);
}

const QString kInternalUpdated = QStringLiteral("Please Note, minimum differance of 60mm required between "
                                                "Internal & External Baffle, Internal Baffle has "
                                                "been updated to reflect this");
const QString kExternalUpdated = QStringLiteral("Please Note, minimum differance of 60mm required between "
                                                "Internal & External Baffle, External Baffle has "
                                                "been updated to reflect this");

} // namespace

class GaDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void openingChoosesTheDialogOfTheUnit_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("caption");
        // clang-format off
        QTest::newRow("chilled water, horseshoe chosen") << "optWater;optHorseshoe"  << "Form2"              << "Combination Heatpipe";
        QTest::newRow("refrigerant, straight chosen")    << "optEvap;optStraight"    << "Form2"              << "Refrigerant Heatpipe";
        QTest::newRow("heat pipe only, horseshoe")       << "optHponly;optHorseshoe" << "HeatpipeDimensions" << "Horseshoe Heatpipe Dimensions";
        QTest::newRow("heat pipe only, straight")        << "optHponly;optStraight"  << "Form1"              << "Vertical Straight Heatpipe Dimensions";
        // clang-format on
    }
    void openingChoosesTheDialogOfTheUnit()
    {
        QFETCH(QString, unit);
        QFETCH(QString, dialog);
        QFETCH(QString, caption);
        StandIns windows;
        windows.enter(unit);
        windows.costing.show();
        vexa::Main engine;
        openDimensionDialog(&windows.costing, engine);
        QPointer<DimensionDialog> opened;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<DimensionDialog*>(window);
                found != nullptr && found->isVisible()) {
                QVERIFY2(opened == nullptr, "one dialog only");
                opened = found;
            }
        }
        QVERIFY(opened != nullptr);
        QCOMPARE(opened->objectName(), dialog);
        QCOMPARE(opened->windowTitle(), caption);
        QVERIFY(!opened->isModal());
        QVERIFY(!windows.costing.isVisible());

        opened->closeButton();
        QVERIFY(windows.costing.isVisible());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(opened == nullptr); // unloaded: its values are gone
    }

    void straightDefaults_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("frames"); // lengths, overall height, summary
        QTest::addColumn<QStringList>("labels"); // overall width field, overall height field
        QTest::addColumn<QStringList>("shown");  // SA, EA, CFW, FL, OW, OH, depth
        QTest::addColumn<QString>("heightLimits");
        QTest::addColumn<QString>("widthLimits");
        QTest::addColumn<int>("flangeWidth");
        const QStringList vertical{"Height", "Width", "Width x Height x Depth"};
        const QStringList horizontal{"Width", "Height", "Height x Width x Depth"};
        const QStringList verticalLabels{"Overall Height :", "Overall Width :"};
        const QStringList horizontalLabels{"Overall Width :", "Overall Height :"};
        // clang-format off
        QTest::newRow("vertical, 20 high")
            << "cmbVerHor=Vertical" << "Vertical Straight Heatpipe Dimensions" << vertical << verticalLabels
            << QStringList{"900", "900", "50", "1900", "2000", "866", "185"} << "Min  796 Max  966" << "Min  1930 Max  2100" << 50;
        QTest::newRow("horizontal counts two more rows, eliminators deepen")
            << "cmbVerHor=Horizontal;chkElims" << "Horizontal Straight Heatpipe Dimensions" << horizontal << horizontalLabels
            << QStringList{"900", "900", "50", "1900", "2000", "942", "365"} << "Min  872 Max  1042" << "Min  1930 Max  2100" << 50;
        QTest::newRow("any other orientation text is vertical")
            << "cmbVerHor=horizontal ;txtWidth=600.5" << "Vertical Straight Heatpipe Dimensions" << vertical << verticalLabels
            << QStringList{"600", "600", "50", "1300", "1400", "866", "185"} << "Min  796 Max  966" << "Min  1330 Max  1500" << 50;
        QTest::newRow("two sections of 21: the larger, 11 high")
            << "txtHeight=1911;txtthcost=21" << "Vertical Straight Heatpipe Dimensions" << vertical << verticalLabels
            << QStringList{"900", "900", "50", "1900", "2000", "523", "185"} << "Min  453 Max  623" << "Min  1930 Max  2100" << 50;
        QTest::newRow("1910 high is one section")
            << "txtHeight=1910;txtthcost=21" << "Vertical Straight Heatpipe Dimensions" << vertical << verticalLabels
            << QStringList{"900", "900", "50", "1900", "2000", "904", "185"} << "Min  834 Max  1004" << "Min  1930 Max  2100" << 50;
        // clang-format on
    }
    void straightDefaults()
    {
        QFETCH(QString, unit);
        QFETCH(QString, caption);
        QFETCH(QStringList, frames);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, shown);
        QFETCH(QString, heightLimits);
        QFETCH(QString, widthLimits);
        QFETCH(int, flangeWidth);
        StandIns windows;
        windows.enter(unit);
        Form1 dialog(windows.sources());
        QCOMPARE(dialog.windowTitle(), caption);
        QCOMPARE((QStringList{text(dialog, "fraLengths"), text(dialog, "fraOverallHeight"),
                              text(dialog, "fraSummary")}),
                 frames);
        QCOMPARE((QStringList{text(dialog, "lblOverallWidth"), text(dialog, "lblOverallHeight")}), labels);
        QStringList values;
        for (const char* name : {"txtSupplyAir", "txtExtractAir", "txtCentreFlange", "txtFinnedLength",
                                 "txtOverallWidth", "txtOverallHeight", "txtOverallDepth"}) {
            values << text(dialog, name);
        }
        QCOMPARE(values, shown);
        QCOMPARE((QStringList{text(dialog, "txtSummaryHeight"), text(dialog, "txtSummaryWidth"),
                              text(dialog, "txtSummaryDepth")}),
                 (QStringList{shown[5], shown[4], shown[6]}));
        QCOMPARE(text(dialog, "lblHeightLimits"), heightLimits);
        QCOMPARE(text(dialog, "lblWidthLimits"), widthLimits);
        QCOMPARE(text(dialog, "lblCentreFlangeLimits"), QStringLiteral("(Min 15 Max 100)"));
        QCOMPARE(dialog.flangeWidth(), flangeWidth);
        QCOMPARE(dialog.flangeDepth(), 50);
        for (const char* readOnly : {"txtSupplyAir", "txtExtractAir", "txtFinnedLength", "txtOverallDepth"}) {
            QVERIFY2(child(dialog, readOnly)->isReadOnly(), readOnly);
        }
    }

    // Each row: the edits (field=text, in order), then what the dialog shows and keeps.
    void straightChecks_data()
    {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("title"); // of the last edit's message; empty when accepted
        QTest::addColumn<QString>("message");
        // FL, OW (a rejected text stays for the user to correct), width limits, summary W x H
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("flangeWidth");
        QTest::addColumn<int>("flangeDepth");
        const QString flange = QStringLiteral("Invaild Input,  Please enter value between 15 - 100");
        const QStringList unchanged{"1900", "2000", "Min  1930 Max  2100", "2000 x 866"};
        // clang-format off
        QTest::newRow("centre flange 16: width kept")        << QStringList{"txtCentreFlange=16"} << "" << ""
            << QStringList{"1832", "2000", "Min  1862 Max  2032", "2000 x 866"} << 50 << 84;
        QTest::newRow("centre flange 16: width 2100 reset")  << QStringList{"txtOverallWidth=2100", "txtCentreFlange=16"} << "" << ""
            << QStringList{"1832", "1932", "Min  1862 Max  2032", "1932 x 866"} << 50 << 50;
        QTest::newRow("centre flange 15 and 100 pass")       << QStringList{"txtCentreFlange=15", "txtCentreFlange=100"} << "" << ""
            << QStringList{"2000", "2100", "Min  2030 Max  2200", "2100 x 866"} << 50 << 50;
        QTest::newRow("centre flange 14")                    << QStringList{"txtCentreFlange=14"} << "Invaild Entry" << flange << unchanged << 50 << 50;
        QTest::newRow("centre flange 101")                   << QStringList{"txtCentreFlange=101"} << "Invaild Entry" << flange << unchanged << 50 << 50;
        QTest::newRow("centre flange empty")                 << QStringList{"txtCentreFlange="} << "Invaild Entry" << flange << unchanged << 50 << 50;
        QTest::newRow("centre flange text")                  << QStringList{"txtCentreFlange=fifty"} << "Invaild Entry" << flange << unchanged << 50 << 50;
        QTest::newRow("centre flange negative")              << QStringList{"txtCentreFlange=-50"} << "Invaild Entry" << flange << unchanged << 50 << 50;
        QTest::newRow("centre flange huge")                  << QStringList{"txtCentreFlange=99999999999999999999"} << "Invaild Entry" << flange << unchanged << 50 << 50;
        QTest::newRow("height 965: flange 99.5 to even"  )  << QStringList{"txtOverallHeight=965"} << "" << ""
            << QStringList{"1900", "2000", "Min  1930 Max  2100", "2000 x 965"} << 100 << 50;
        QTest::newRow("height at its limits")                << QStringList{"txtOverallHeight=796", "txtOverallHeight=966"} << "" << ""
            << QStringList{"1900", "2000", "Min  1930 Max  2100", "2000 x 966"} << 100 << 50;
        QTest::newRow("height read from its start")          << QStringList{"txtOverallHeight=867 mm"} << "" << ""
            << QStringList{"1900", "2000", "Min  1930 Max  2100", "2000 x 867"} << 50 << 50;
        QTest::newRow("height below")                        << QStringList{"txtOverallHeight=795"} << "Invaild Overall Height" << rangeMessage(796, 966) << unchanged << 50 << 50;
        QTest::newRow("height above")                        << QStringList{"txtOverallHeight=967"} << "Invaild Overall Height" << rangeMessage(796, 966) << unchanged << 50 << 50;
        QTest::newRow("height huge")                         << QStringList{"txtOverallHeight=1e300"} << "Invaild Overall Height" << rangeMessage(796, 966) << unchanged << 50 << 50;
        QTest::newRow("width 2001: depth ties to even")      << QStringList{"txtOverallWidth=2001"} << "" << ""
            << QStringList{"1900", "2001", "Min  1930 Max  2100", "2001 x 866"} << 50 << 50;
        QTest::newRow("width 2003: depth ties to even")      << QStringList{"txtOverallWidth=2003"} << "" << ""
            << QStringList{"1900", "2003", "Min  1930 Max  2100", "2003 x 866"} << 50 << 52;
        QTest::newRow("width below")                         << QStringList{"txtOverallWidth=1929"} << "Invaild Overall width" << rangeMessage(1930, 2100)
            << QStringList{"1900", "1929", "Min  1930 Max  2100", "2000 x 866"} << 50 << 50;
        QTest::newRow("width above after a narrower flange") << QStringList{"txtCentreFlange=16", "txtOverallWidth=2033"} << "Invaild Overall width" << rangeMessage(1862, 2032)
            << QStringList{"1832", "2033", "Min  1862 Max  2032", "2000 x 866"} << 50 << 84;
        // clang-format on
    }
    void straightChecks()
    {
        QFETCH(QStringList, edits);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QStringList, after);
        QFETCH(int, flangeWidth);
        QFETCH(int, flangeDepth);
        RecordedBoxes boxes;
        StandIns windows;
        Form1 dialog(windows.sources());
        bool accepted = true;
        for (const QString& edit : edits) {
            accepted = typeAndLeave(dialog, qPrintable(edit.section(QLatin1Char('='), 0, 0)),
                                    edit.section(QLatin1Char('='), 1));
        }
        QCOMPARE(accepted, title.isEmpty());
        if (title.isEmpty()) {
            QCOMPARE(boxes.shown.size(), size_t{0});
        } else {
            QCOMPARE(boxes.shown.size(), size_t{1});
            QCOMPARE(boxes.shown[0].title, title);
            QCOMPARE(boxes.shown[0].text, message);
            QCOMPARE(boxes.shown[0].icon, MessageIcon::Information);
        }
        QCOMPARE((QStringList{text(dialog, "txtFinnedLength"), text(dialog, "txtOverallWidth"),
                              text(dialog, "lblWidthLimits"),
                              text(dialog, "txtSummaryWidth") + " x " + text(dialog, "txtSummaryHeight")}),
                 after);
        QCOMPARE(dialog.flangeWidth(), flangeWidth);
        QCOMPARE(dialog.flangeDepth(), flangeDepth);
    }

    void combinationDefaults_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("shown");  // OH, RB, FB, CL, OW, depth
        QTest::addColumn<QStringList>("limits"); // height, return baffle, front baffle
        QTest::addColumn<int>("flangeDepth");
        // clang-format off
        QTest::newRow("flat drainpan, 2 coil rows") << "optWater;lstdpcost=Flat Drainpan;txtnorowscccost=2"
            << QStringList{"851", "100", "145", "150", "1145", "500"} << QStringList{"(Min  841 Max  901)", "(Min  100 Max  250)", "(Min  145 Max  350)"} << 25;
        QTest::newRow("sloping drainpan, 3 coil rows") << "optWater;lstdpcost=Sloping Drainpan;txtnorowscccost=3"
            << QStringList{"851", "120", "145", "150", "1165", "500"} << QStringList{"(Min  841 Max  901)", "(Min  120 Max  250)", "(Min  145 Max  350)"} << 25;
        QTest::newRow("no drainpan") << "optEvap;lstdpcost=No Drainpan;txtnorowscccost=4"
            << QStringList{"816", "120", "145", "150", "1165", "500"} << QStringList{"(Min  796 Max  916)", "(Min  120 Max  250)", "(Min  145 Max  350)"} << 25;
        QTest::newRow("perforated base has no drainpan") << "optEvap;lstdpcost=Perforated Base;txtnorowscccost=2"
            << QStringList{"816", "100", "145", "150", "1145", "500"} << QStringList{"(Min  796 Max  916)", "(Min  100 Max  250)", "(Min  145 Max  350)"} << 25;
        QTest::newRow("two sections of 22: 11 high") << "optWater;txtHeight=2000;txtthcost=22;txtnorowscccost=2"
            << QStringList{"473", "100", "145", "150", "1145", "500"} << QStringList{"(Min  453 Max  573)", "(Min  100 Max  250)", "(Min  145 Max  350)"} << 25;
        // clang-format on
    }
    void combinationDefaults()
    {
        QFETCH(QString, unit);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, limits);
        QFETCH(int, flangeDepth);
        StandIns windows;
        windows.enter(unit);
        Form2 dialog(windows.sources());
        QStringList values;
        for (const char* name : {"txtOverallHeight", "txtReturnBaffle", "txtFrontBaffle",
                                 "txtConnectionLength", "txtOverallWidth", "txtOverallDepth"}) {
            values << text(dialog, name);
        }
        QCOMPARE(values, shown);
        QCOMPARE((QStringList{text(dialog, "txtSummaryHeight"), text(dialog, "txtSummaryWidth"),
                              text(dialog, "txtSummaryDepth")}),
                 (QStringList{shown[0], shown[4], shown[5]}));
        QCOMPARE((QStringList{text(dialog, "lblHeightLimits"), text(dialog, "lblReturnBaffleLimits"),
                              text(dialog, "lblFrontBaffleLimits")}),
                 limits);
        QCOMPARE(text(dialog, "lblConnectionLengthLimits"), QStringLiteral("(Min  100 Max  300)"));
        QCOMPARE(text(dialog, "txtFinnedLength"), QStringLiteral("900"));
        QCOMPARE(dialog.flangeDepth(), flangeDepth);
        QVERIFY(child<QRadioButton>(dialog, "optLeft")->isChecked());
        QCOMPARE(text(dialog, "fraConnections"),
                 QStringLiteral("COOLING COIL CONNECTIONS LOOKING IN DIRECTION OF AIRFLOW"));
    }

    void combinationChecks_data()
    {
        QTest::addColumn<QString>("drainpan");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("title"); // empty when accepted
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("widthAndHeight"); // summary W x H after the edit
        QTest::addColumn<int>("flangeDepth");
        // clang-format off
        QTest::newRow("connection length 100")  << "No Drainpan"   << "txtConnectionLength=100" << "" << "" << "1145 x 816" << 25;
        QTest::newRow("connection length 99")   << "No Drainpan"   << "txtConnectionLength=99"  << "Invaild Connection Length" << rangeMessage(100, 300) << "1145 x 816" << 25;
        QTest::newRow("connection length 301")  << "No Drainpan"   << "txtConnectionLength=301" << "Invaild Connection Length" << rangeMessage(100, 300) << "1145 x 816" << 25;
        QTest::newRow("front baffle 350 widens") << "No Drainpan"  << "txtFrontBaffle=350"      << "" << "" << "1350 x 816" << 25;
        QTest::newRow("front baffle 144")       << "No Drainpan"   << "txtFrontBaffle=144"      << "Invaild Front Baffle" << rangeMessage(145, 350) << "1145 x 816" << 25;
        QTest::newRow("front baffle empty")     << "No Drainpan"   << "txtFrontBaffle="         << "Invaild Front Baffle" << rangeMessage(145, 350) << "1145 x 816" << 25;
        QTest::newRow("return baffle 250 widens") << "No Drainpan" << "txtReturnBaffle=250"     << "" << "" << "1295 x 816" << 25;
        QTest::newRow("return baffle 99")       << "No Drainpan"   << "txtReturnBaffle=99"      << "Invaild Return Baffle" << rangeMessage(100, 250) << "1145 x 816" << 25;
        QTest::newRow("return baffle 251")      << "No Drainpan"   << "txtReturnBaffle=251"     << "Invaild Return Baffle" << rangeMessage(100, 250) << "1145 x 816" << 25;
        QTest::newRow("height 861, no drainpan") << "No Drainpan"  << "txtOverallHeight=861"    << "" << "" << "1145 x 861" << 48;
        QTest::newRow("height 861, drainpan")   << "Flat Drainpan" << "txtOverallHeight=861"    << "" << "" << "1145 x 861" << 35;
        QTest::newRow("height 840, drainpan")   << "Flat Drainpan" << "txtOverallHeight=840"    << "Invaild Overall Height" << rangeMessage(841, 901) << "1145 x 851" << 25;
        QTest::newRow("height -816")            << "No Drainpan"   << "txtOverallHeight=-816"   << "Invaild Overall Height" << rangeMessage(796, 916) << "1145 x 816" << 25;
        // clang-format on
    }
    void combinationChecks()
    {
        QFETCH(QString, drainpan);
        QFETCH(QString, edit);
        QFETCH(QString, title);
        QFETCH(QString, message);
        QFETCH(QString, widthAndHeight);
        QFETCH(int, flangeDepth);
        RecordedBoxes boxes;
        StandIns windows;
        windows.enter("optWater;txtnorowscccost=2;lstdpcost=" + drainpan);
        Form2 dialog(windows.sources());
        // The drain pan type counts as it stood when the dialog opened.
        windows.enter(drainpan == QLatin1String("No Drainpan") ? QStringLiteral("lstdpcost=Flat Drainpan")
                                                               : QStringLiteral("lstdpcost=No Drainpan"));
        const bool accepted = typeAndLeave(dialog, qPrintable(edit.section(QLatin1Char('='), 0, 0)),
                                           edit.section(QLatin1Char('='), 1));
        QCOMPARE(accepted, title.isEmpty());
        QCOMPARE(boxes.shown.size(), size_t(title.isEmpty() ? 0 : 1));
        if (!title.isEmpty()) {
            QCOMPARE(boxes.shown[0].title, title);
            QCOMPARE(boxes.shown[0].text, message);
        }
        QCOMPARE(text(dialog, "txtSummaryWidth") + " x " + text(dialog, "txtSummaryHeight"), widthAndHeight);
        QCOMPARE(text(dialog, "txtOverallWidth"), widthAndHeight.section(QLatin1Char(' '), 0, 0));
        QCOMPARE(dialog.flangeDepth(), flangeDepth);
    }

    void horseshoeDefaults_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("shown"); // IB, EB, ID, depth, FL, OW, OH
        QTest::addColumn<QString>("heightLimits");
        QTest::addColumn<double>("flangeWidth");
        QTest::addColumn<int>("endPlateWidth");
        // clang-format off
        QTest::newRow("20 high, 3 rows") << "txtnorowshpcost=3"
            << QStringList{"60", "120", "360", "580", "900", "1080", "816"} << "(Min  796 Max  916)" << 25.0 << 110;
        QTest::newRow("20 high, 2 rows") << "txtnorowshpcost=2"
            << QStringList{"60", "120", "360", "510", "900", "1080", "816"} << "(Min  796 Max  916)" << 25.0 << 75;
        QTest::newRow("two sections of 21: 11 high") << "txtnorowshpcost=4;txtHeight=2400;txtthcost=21;txtflcost=1200"
            << QStringList{"60", "120", "360", "580", "1200", "1380", "473"} << "(Min  453 Max  573)" << 25.0 << 110;
        // clang-format on
    }
    void horseshoeDefaults()
    {
        QFETCH(QString, unit);
        QFETCH(QStringList, shown);
        QFETCH(QString, heightLimits);
        QFETCH(double, flangeWidth);
        QFETCH(int, endPlateWidth);
        StandIns windows;
        windows.enter(unit);
        HeatpipeDimensions dialog(windows.sources());
        QStringList values;
        for (const char* name :
             {"txtInternalBaffle", "txtExternalBaffle", "txtInternalDepth", "txtOverallDepth",
              "txtFinnedLength", "txtOverallWidth", "txtOverallHeight"}) {
            values << text(dialog, name);
        }
        QCOMPARE(values, shown);
        QCOMPARE((QStringList{text(dialog, "txtSummaryHeight"), text(dialog, "txtSummaryWidth"),
                              text(dialog, "txtSummaryDepth")}),
                 (QStringList{shown[6], shown[5], shown[3]}));
        QCOMPARE(text(dialog, "lblHeightLimits"), heightLimits);
        QCOMPARE(dialog.flangeWidth(), flangeWidth);
        QCOMPARE(dialog.endPlateWidth(), endPlateWidth);
        QVERIFY(child<QRadioButton>(dialog, "optLeft")->isChecked());
    }

    void horseshoeChecks_data()
    {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QStringList>("titles"); // every message shown, in order
        QTest::addColumn<QStringList>("messages");
        // IB, EB (a rejected text stays for the user to correct), OW, depth, summary W x H x D
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<double>("flangeWidth");
        // clang-format off
        QTest::newRow("internal 100 pushes the external to 160") << QStringList{"txtInternalBaffle=100"}
            << QStringList{""} << QStringList{kExternalUpdated} << QStringList{"100", "160", "1120", "580", "1120 x 816 x 580"} << 25.0;
        QTest::newRow("external 150 pulls the internal to 90") << QStringList{"txtInternalBaffle=100", "txtExternalBaffle=150"}
            << QStringList{"", ""} << QStringList{kExternalUpdated, kInternalUpdated} << QStringList{"90", "150", "1110", "580", "1110 x 816 x 580"} << 25.0;
        QTest::newRow("60 apart is enough") << QStringList{"txtExternalBaffle=300", "txtInternalBaffle=150"}
            << QStringList{} << QStringList{} << QStringList{"150", "300", "1260", "580", "1260 x 816 x 580"} << 25.0;
        QTest::newRow("external 119") << QStringList{"txtExternalBaffle=119"}
            << QStringList{"Invaild External Baffle"} << QStringList{rangeMessage(120, 300)} << QStringList{"60", "119", "1080", "580", "1080 x 816 x 580"} << 25.0;
        QTest::newRow("external 301") << QStringList{"txtExternalBaffle=301"}
            << QStringList{"Invaild External Baffle"} << QStringList{rangeMessage(120, 300)} << QStringList{"60", "301", "1080", "580", "1080 x 816 x 580"} << 25.0;
        QTest::newRow("internal 59") << QStringList{"txtInternalBaffle=59"}
            << QStringList{"Invaild Internal Baffle"} << QStringList{rangeMessage(60, 150)} << QStringList{"59", "120", "1080", "580", "1080 x 816 x 580"} << 25.0;
        QTest::newRow("internal 151") << QStringList{"txtInternalBaffle=151"}
            << QStringList{"Invaild Internal Baffle"} << QStringList{rangeMessage(60, 150)} << QStringList{"151", "120", "1080", "580", "1080 x 816 x 580"} << 25.0;
        QTest::newRow("internal depth 2000") << QStringList{"txtInternalDepth=2000"}
            << QStringList{} << QStringList{} << QStringList{"60", "120", "1080", "2220", "1080 x 816 x 2220"} << 25.0;
        QTest::newRow("internal depth 99") << QStringList{"txtInternalDepth=99"}
            << QStringList{"Invaild Internal Depth"} << QStringList{rangeMessage(100, 2000)} << QStringList{"60", "120", "1080", "580", "1080 x 816 x 580"} << 25.0;
        QTest::newRow("internal depth 2001") << QStringList{"txtInternalDepth=2001"}
            << QStringList{"Invaild Internal Depth"} << QStringList{rangeMessage(100, 2000)} << QStringList{"60", "120", "1080", "580", "1080 x 816 x 580"} << 25.0;
        QTest::newRow("height 817 keeps the half") << QStringList{"txtOverallHeight=817"}
            << QStringList{} << QStringList{} << QStringList{"60", "120", "1080", "580", "1080 x 817 x 580"} << 25.5;
        QTest::newRow("height 917") << QStringList{"txtOverallHeight=917"}
            << QStringList{"Invaild Overall Height"} << QStringList{rangeMessage(796, 916)} << QStringList{"60", "120", "1080", "580", "1080 x 816 x 580"} << 25.0;
        // clang-format on
    }
    void horseshoeChecks()
    {
        QFETCH(QStringList, edits);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, after);
        QFETCH(double, flangeWidth);
        RecordedBoxes boxes;
        StandIns windows;
        windows.enter(QStringLiteral("txtnorowshpcost=3"));
        HeatpipeDimensions dialog(windows.sources());
        for (const QString& edit : edits) {
            typeAndLeave(dialog, qPrintable(edit.section(QLatin1Char('='), 0, 0)),
                         edit.section(QLatin1Char('='), 1));
        }
        QStringList shownTexts;
        for (const auto& box : boxes.shown) {
            shownTexts << box.text;
        }
        QCOMPARE(boxes.titles(), titles);
        QCOMPARE(shownTexts, messages);
        QCOMPARE((QStringList{text(dialog, "txtInternalBaffle"), text(dialog, "txtExternalBaffle"),
                              text(dialog, "txtOverallWidth"), text(dialog, "txtOverallDepth"),
                              text(dialog, "txtSummaryWidth") + " x " + text(dialog, "txtSummaryHeight") +
                                  " x " + text(dialog, "txtSummaryDepth")}),
                 after);
        QCOMPARE(dialog.flangeWidth(), flangeWidth);
    }

    void sections_data()
    {
        QTest::addColumn<int>("tubesHigh");
        QTest::addColumn<bool>("twoSections");
        QTest::addColumn<int>("sectionTubes");
        QTest::addColumn<int>("heightDifference");
        // clang-format off
        QTest::newRow("21 in one section")  << 21 << false << 21 << 0;
        QTest::newRow("21 in two sections") << 21 << true  << 11 << 38;
        QTest::newRow("22 in two sections") << 22 << true  << 11 << 0;
        // clang-format on
    }
    void sections()
    {
        QFETCH(int, tubesHigh);
        QFETCH(bool, twoSections);
        QFETCH(int, sectionTubes);
        QFETCH(int, heightDifference);
        const gadims::Section section = gadims::sectionDrawn(tubesHigh, twoSections);
        QCOMPARE(section.tubesHigh, sectionTubes);
        QCOMPARE(section.heightDifference_mm, heightDifference);
    }

    // The user leaves a field with a bad value: the message, and the focus back in
    // the field; "G.A." and "Close" do nothing until it is put right, the File menu
    // still closes.
    void aRejectedValueKeepsTheFocus()
    {
        RecordedBoxes boxes;
        StandIns windows;
        windows.enter(QStringLiteral("txtnorowshpcost=3"));
        windows.costing.show();
        auto* dialog = new HeatpipeDimensions(windows.sources());
        QPointer<HeatpipeDimensions> alive = dialog;
        windows.costing.hide();
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));

        QLineEdit* depth = child(*dialog, "txtInternalDepth");
        depth->setFocus();
        depth->setText(QStringLiteral("abc"));
        QTest::keyClick(depth, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(depth));
        QCOMPARE(boxes.titles(), QStringList{"Invaild Internal Depth"});
        QCOMPARE(boxes.shown[0].text, rangeMessage(100, 2000));
        QCOMPARE(depth->text(), QStringLiteral("abc")); // kept for the user to correct

        QTest::mouseClick(child<QPushButton>(*dialog, "cmdClose"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(*dialog, "cmdGA"), Qt::LeftButton);
        QApplication::processEvents();
        QVERIFY(dialog->isVisible());
        QVERIFY(!windows.costing.isVisible());
        QCOMPARE(boxes.titles(), QStringList{"Invaild Internal Depth"}); // not shown again for the same text
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(depth));

        // Corrected: leaving works and updates the depth.
        depth->setText(QStringLiteral("400"));
        QTest::keyClick(depth, Qt::Key_Tab);
        QCOMPARE(text(*dialog, "txtOverallDepth"), QStringLiteral("620"));
        QVERIFY(QApplication::focusWidget() != depth);

        // Wrong again: "Close" checks it first and stays; the menu closes regardless.
        depth->setFocus();
        depth->setText(QStringLiteral("-1"));
        dialog->closeButton();
        QVERIFY(dialog->isVisible());
        QCOMPARE(boxes.titles(), (QStringList{"Invaild Internal Depth", "Invaild Internal Depth"}));
        child<QAction>(*dialog, "mnuClose")->trigger();
        QVERIFY(windows.costing.isVisible());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive == nullptr);
    }

    // The checks run in the order the user leaves the fields, each on its own value,
    // and a rejected one stops nothing that came before it.
    void checksFollowTheOrderOfLeaving()
    {
        RecordedBoxes boxes;
        StandIns windows;
        Form1 dialog(windows.sources());
        QVERIFY(typeAndLeave(dialog, "txtCentreFlange", QStringLiteral("60"))); // FL 1920: 1950..2120
        QVERIFY(!typeAndLeave(dialog, "txtOverallWidth", QStringLiteral("2121")));
        QVERIFY(typeAndLeave(dialog, "txtOverallWidth", QStringLiteral("2120")));
        QVERIFY(!typeAndLeave(dialog, "txtCentreFlange", QStringLiteral("0")));
        QVERIFY(typeAndLeave(dialog, "txtCentreFlange",
                             QStringLiteral("20"))); // FL 1840: 2120 is out, reset to 1940
        QCOMPARE(boxes.titles(), (QStringList{"Invaild Overall width", "Invaild Entry"}));
        QCOMPARE(boxes.shown[0].text, rangeMessage(1950, 2120));
        QCOMPARE(text(dialog, "txtOverallWidth"), QStringLiteral("1940"));
        QCOMPARE(dialog.flangeDepth(), 50);
    }

    void projectDetailsForm()
    {
        frmCustomerDetails& form = vexa::app::projectDetailsForm();
        QCOMPARE(&form, &vexa::app::projectDetailsForm()); // one for the run
        QCOMPARE(form.windowTitle(), QStringLiteral("Project Details Form"));
        QVERIFY(form.isModal());
        QStringList labels;
        for (const QLabel* label : form.findChildren<QLabel*>()) {
            labels << label->text();
        }
        QVERIFY(labels.contains(QStringLiteral("Project Name:")));
        QVERIFY(labels.contains(QStringLiteral("Customer Referance No.:")));
        QVERIFY(labels.contains(
            QStringLiteral("Plaese note these details are optional and  will be displayed on the "
                           "general arrrangement drawing. ")));
        QCOMPARE(child<QPushButton>(form, "cmdOK")->text(), QStringLiteral("OK"));
        child(form, "txtProjectName")->setText(QStringLiteral("  Riverside Clinic "));
        child(form, "txtCustomerRef")->setText(QStringLiteral("\tPO-4471  "));
        QCOMPARE(form.projectName(), QStringLiteral("Riverside Clinic"));
        QCOMPARE(form.customerReference(), QStringLiteral("PO-4471"));
    }

    void progressStarts()
    {
        Progress progress;
        progress.start();
        QCOMPARE(progress.windowTitle(), QStringLiteral("Progress Form"));
        QCOMPARE(progress.label()->text(), QStringLiteral("Generating General arrangement"));
        QCOMPARE(progress.bar()->minimum(), 0);
        QCOMPARE(progress.bar()->maximum(), 10);
        QCOMPARE(progress.value(), 0);
        for (int step = 0; step < 12; ++step) {
            progress.advance();
        }
        QCOMPARE(progress.value(), 10);
    }
};

VEXA_QTEST_MAIN(GaDialogsTest)
#include "GaDialogsTest.moc"
