#include "AppTestSupport.h"
#include "common/HelpWindow.h"
#include "designconditions/frmDesign.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/frmSplash.h"
#include "reports/frmAbout.h"
#include "reports/frmAdditionalInformation.h"
#include "reports/frmpassword.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QRegularExpression>
#include <QTextBrowser>

using namespace vexa::app;

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void accessCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("answer"); // to the wrong-code box
        QTest::addColumn<bool>("infoShown");
        QTest::addColumn<bool>("dialogOpen");
        QTest::addColumn<bool>("costingEnabled");
        const int ok = int(MessageAnswer::Ok);
        const int cancel = int(MessageAnswer::Cancel);
        // clang-format off
        QTest::newRow("reveal code")        << "KOVU5829"  << ok     << true  << false << true;
        QTest::newRow("reveal lower case")  << "kovu5829"  << ok     << true  << false << true;
        QTest::newRow("quiet code")         << "MOLTAVE46" << ok     << false << false << true;
        QTest::newRow("wrong, try again")   << "KOVU582"   << ok     << false << true  << false;
        QTest::newRow("wrong, cancel")      << "letmein"   << cancel << false << false << false;
        // clang-format on
    }
    void accessCodes()
    {
        QFETCH(QString, code);
        QFETCH(int, answer);
        QFETCH(bool, infoShown);
        QFETCH(bool, dialogOpen);
        QFETCH(bool, costingEnabled);
        RecordedBoxes boxes;
        boxes.answers.push_back(MessageAnswer(answer));
        vexa::app::frmMain main;
        main.setProgramEnd([] {});
        main.startUpAction(); // started with an order: "Info" stays hidden
        QVERIFY(main.calculate());
        QVERIFY(!main.findChild<QPushButton*>("cmdAdditionalInformation")->isVisible());

        main.findChild<QAction*>("mnuAdditionalInformation")->trigger();
        QPointer<frmpassword> dialog = main.findChild<frmpassword*>();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Password"));
        auto* text = dialog->findChild<QLineEdit*>("txtPassword");
        QCOMPARE(text->echoMode(), QLineEdit::Password);
        QTest::keyClicks(text, code);
        dialog->findChild<QPushButton*>("cmdOK")->click();
        QApplication::processEvents();

        QCOMPARE(main.findChild<QPushButton*>("cmdAdditionalInformation")->isVisible(), infoShown);
        QCOMPARE(!dialog.isNull() && dialog->isVisible(), dialogOpen);
        QCOMPARE(main.findChild<QPushButton*>("cmdcosting")->isEnabled(), costingEnabled);
        if (!costingEnabled) {
            QCOMPARE(boxes.shown.size(), size_t{1});
            QCOMPARE(boxes.shown[0].title, QStringLiteral("Wrong Passowrd"));
            QCOMPARE(boxes.shown[0].text,
                     QStringLiteral("Wrong Password. Press OK to enter password or Cancel to abort."));
            QCOMPARE(boxes.shown[0].buttons, MessageButtons::OkCancel);
        }
        if (dialogOpen) {
            QCOMPARE(dialog->findChild<QLineEdit*>("txtPassword")->text(),
                     code); // the wrong text stays for another try
            dialog->close();
        }
    }

    void additionalInformationWindow()
    {
        StartedMain m;
        m.press("cmdAdditionalInformation");
        auto* info = m.window.additionalInformation();
        QVERIFY(info->isVisible());
        QCOMPARE(info->windowTitle(), QStringLiteral(" Additional Information"));
        QVERIFY(!(info->windowFlags() & Qt::WindowCloseButtonHint));
        auto* margin = info->findChild<QLineEdit*>("txtGrossMargin");
        margin->setText(QStringLiteral("40"));
        info->findChild<QPushButton*>("cmdHideAdditionalInformation")->click();
        QVERIFY(!info->isVisible());
        m.press("cmdAdditionalInformation");
        QCOMPARE(margin->text(), QStringLiteral("40")); // hidden, not lost
    }

    void designConditions_data()
    {
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("humidityInput");
        QTest::addColumn<QString>("db1");
        QTest::addColumn<QString>("wb1");
        QTest::addColumn<QString>("rh1");
        // The boxes start with "w" and "r" to show which one a click leaves alone.
        // clang-format off
        QTest::newRow("London wet bulb")      << "London  29\u00b0C / 50% RH"    << false << "29" << "21.2" << "r";
        QTest::newRow("London humidity")      << "London  29\u00b0C / 50% RH"    << true  << "29" << "w"    << "50";
        QTest::newRow("Belfast humidity")     << "Belfast     23\u00b0C / 53% RH" << true  << "23" << ""     << "53";
        QTest::newRow("Belfast wet bulb")     << "Belfast     23\u00b0C / 53% RH" << false << "23" << "16.7" << "";
        QTest::newRow("Dubai wet bulb")       << "Dubai 46\u00b0C / 30% RH"      << false << "46" << "30"   << "r";
        QTest::newRow("Kuwait humidity")      << "Kuwait 48\u00b0C / 30% RH"     << true  << "48" << "w"    << "30";
        // clang-format on
    }
    void designConditions()
    {
        QFETCH(QString, location);
        QFETCH(bool, humidityInput);
        QFETCH(QString, db1);
        QFETCH(QString, wb1);
        QFETCH(QString, rh1);
        StartedMain m;
        if (humidityInput) {
            m.choose("OptRH");
        }
        m.enter("txtWB1=w;txtRH1=r");
        m.find<QAction>("mnuAmbient")->trigger();
        auto* window = m.window.findChild<frmDesign*>();
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Design Ambient Weather Conditions"));
        QLabel* label = nullptr;
        for (QLabel* candidate : window->findChildren<QLabel*>()) {
            if (candidate->text() == location) {
                label = candidate;
            }
        }
        QVERIFY(label != nullptr);
        auto* tabs = window->findChild<QTabWidget*>();
        tabs->setCurrentWidget(label->parentWidget());
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(m.box("txtDB1")->text(), db1);
        QCOMPARE(m.box("txtWB1")->text(), wb1);
        QCOMPARE(m.box("txtRH1")->text(), rh1);
        QTRY_VERIFY(m.window.findChild<frmDesign*>() == nullptr);
    }

    void designConditionsCancelWritesNothing()
    {
        StartedMain m;
        m.find<QAction>("mnuAmbient")->trigger();
        auto* window = m.window.findChild<frmDesign*>();
        window->findChild<QPushButton*>("cmdCancel")->click();
        QCOMPARE(m.box("txtDB1")->text(), QStringLiteral("33"));
        QCOMPARE(m.box("txtWB1")->text(), QStringLiteral("27.5"));
    }

    void designConditionsHoverBolds()
    {
        StartedMain m;
        frmDesign window(&m.window);
        window.show();
        window.findChild<QTabWidget*>()->setCurrentIndex(1);
        const auto label = [&window](const char* start) {
            for (QLabel* candidate : window.findChildren<QLabel*>()) {
                if (candidate->text().startsWith(QLatin1String(start))) {
                    return candidate;
                }
            }
            return static_cast<QLabel*>(nullptr);
        };
        const auto hover = [](QWidget* over) {
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), over->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(over, &move);
        };
        hover(label("Dubai"));
        QVERIFY(label("Dubai")->font().bold());
        hover(label("Kuwait"));
        QVERIFY(label("Kuwait")->font().bold());
        QVERIFY(!label("Dubai")->font().bold());
        hover(label("Kuwait")->parentWidget()); // the tab outside the labels
        QVERIFY(!label("Kuwait")->font().bold());
    }

    void aboutBox()
    {
        StartedMain m;
        frmAbout about(&m.window);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Ardel Vexa"));
        QCOMPARE(about.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Version: 4.3"));
        QVERIFY(about.findChild<QPushButton*>("cmdOK")->isDefault());
        QCOMPARE(about.findChild<QPushButton*>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    }

    void systemInfoUnavailable()
    {
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", empty.path().toUtf8());
        RecordedBoxes boxes;
        frmAbout about;
        about.startSystemInfo();
        qputenv("PATH", path);
        QCOMPARE(boxes.shown.size(), size_t{1});
        QCOMPARE(boxes.shown[0].title, QStringLiteral("System Information Unavailable"));
        QCOMPARE(boxes.shown[0].text, QStringLiteral("System Information Is Unavailable At This Time"));
    }

    void systemInfoRunsTheProgramOnPath()
    {
        QTemporaryDir bin;
        const QString marker = bin.filePath("ran");
        QFile tool(bin.filePath("hardinfo"));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
        tool.close();
        tool.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ":/usr/bin:/bin");
        RecordedBoxes boxes;
        frmAbout about;
        about.startSystemInfo();
        qputenv("PATH", path);
        QTRY_VERIFY(QFile::exists(marker));
        QVERIFY(boxes.shown.empty());
    }

    void splashClickSkipsToTheMainWindow()
    {
        int actions = 0;
        auto* splash = new frmSplash([&actions] { ++actions; });
        QPointer<frmSplash> alive(splash);
        splash->show();
        QTest::mouseClick(splash->findChild<QLabel*>("lblProductName"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(actions, 1);
        QTRY_VERIFY(alive.isNull());
    }

    void splashRunsTheActionOnceWhenFull()
    {
        int actions = 0;
        auto* splash = new frmSplash([&actions] { ++actions; });
        QPointer<frmSplash> alive(splash);
        splash->show();
        auto* loading = splash->findChild<QLabel*>("lblLoading");
        QTRY_VERIFY_WITH_TIMEOUT(!loading->isVisible(), 1500); // it blinks
        QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 6000);
        QCOMPARE(actions, 1);
    }

    void startWithoutOrder()
    {
        RecordedBoxes boxes;
        frmMain* main = startProgram({"ArdelVexa"});
        frmSplash* splash = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<frmSplash*>(top); found != nullptr && found->isVisible()) {
                splash = found;
            }
        }
        QVERIFY(splash != nullptr);
        QVERIFY(boxes.shown.empty());
        QTest::mouseClick(splash, Qt::LeftButton);
        QVERIFY(main->isVisible());
        QVERIFY(main->findChild<QPushButton*>("cmdAdditionalInformation")->isVisible());
        QCOMPARE(main->findChild<QLineEdit*>("txtWB1")->text(), QStringLiteral("27.5"));
        main->setProgramEnd([] {});
        main->endAtOnce();
        delete main;
    }

    void startWithOrderCarriesOnAsDesignTool()
    {
        RecordedBoxes boxes;
        frmMain* main = startProgram({"ArdelVexa", "/QUOTEID=4711"});
        QCOMPARE(boxes.shown.size(), size_t{1});
        QVERIFY(boxes.shown[0].text.contains("cannot open quotations yet"));
        QVERIFY(main->findChild<QPushButton*>("cmdAdditionalInformation") != nullptr);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* splash = qobject_cast<frmSplash*>(top)) {
                QTest::mouseClick(splash, Qt::LeftButton);
            }
        }
        QVERIFY(main->isVisible());
        delete main;
    }

    void helpOpensAtTopicsAndEveryLinkResolves()
    {
        StartedMain m;
        m.find<QAction>("mnuHelpContents")->trigger();
        HelpWindow* help = nullptr;
        QTRY_VERIFY((help = m.window.findChild<HelpWindow*>()) != nullptr);
        QCOMPARE(help->browser()->source().toString(), QStringLiteral("qrc:/help/index.html"));
        QCOMPARE(help->browser()->documentTitle(), QStringLiteral("Help Topics"));
        const QStringList pages = QDir(":/help").entryList({"*.html"});
        QVERIFY(pages.size() >= 8);
        const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
        for (const QString& page : pages) {
            QFile file(":/help/" + page);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QVERIFY2(html.contains("<title>"), qPrintable(page));
            for (const auto& match : link.globalMatch(html)) {
                QVERIFY2(QFile::exists(":/help/" + match.captured(1)),
                         qPrintable(page + " -> " + match.captured(1)));
            }
        }
        help->close();
    }
};

VEXA_QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
