#include "mainwindow/StartUp.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QDateTime>
#include <QProgressBar>
#include <QTimer>

#include <cstdio>

namespace {

// With ARDELVEXA_TIMING set the program reports, on standard error, the wall-clock
// time (ns since the epoch) at which the splash is first painted, the start-up
// action begins and the main window is first painted, then ends. The measuring
// script compares them with the moment it started the process.
class StartupTiming : public QObject {
public:
    StartupTiming(QWidget* splash, QWidget* main) : m_splash(splash), m_main(main)
    {
        splash->installEventFilter(this);
        main->installEventFilter(this);
        if (auto* progress = splash->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))) {
            connect(progress, &QProgressBar::valueChanged, this, [](int value) {
                if (value == 100) {
                    report("startup-action");
                }
            });
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (watched == m_splash && !m_splashPainted) {
                m_splashPainted = true;
                report("splash-shown");
            } else if (watched == m_main && !m_mainPainted) {
                m_mainPainted = true;
                report("main-shown");
                QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
            }
        }
        return false;
    }

private:
    static void report(const char* what)
    {
        std::fprintf(stderr, "%s %lld\n", what,
                     static_cast<long long>(QDateTime::currentMSecsSinceEpoch()) * 1000000LL);
    }

    QWidget* m_splash;
    QWidget* m_main;
    bool m_splashPainted = false;
    bool m_mainPainted = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ArdelVexa"));
    QApplication::setApplicationName(QStringLiteral("ArdelVexa"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(VEXA_VERSION_MAJOR).arg(VEXA_VERSION_MINOR));
    // The main window decides when the program ends (it saves settings on the way).
    QApplication::setQuitOnLastWindowClosed(false);
    vexa::app::frmMain* main = vexa::app::startProgram(QApplication::arguments());
    if (qEnvironmentVariableIsSet("ARDELVEXA_TIMING")) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("frmSplash")) {
                new StartupTiming(top, main);
            }
        }
    }
    return QApplication::exec();
}
