#include "mainwindow/StartUp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ArdelVexa"));
    QApplication::setApplicationName(QStringLiteral("ArdelVexa"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(VEXA_VERSION_MAJOR).arg(VEXA_VERSION_MINOR));
    // The main window decides when the program ends (it saves settings on the way).
    QApplication::setQuitOnLastWindowClosed(false);
    vexa::app::startProgram(QApplication::arguments());
    return QApplication::exec();
}
