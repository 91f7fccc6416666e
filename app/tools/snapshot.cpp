// Pictures of the program's real windows, grabbed offscreen: the README's picture
// of the main window after a calculation, and with --all every window into a folder.
#include "common/HelpWindow.h"
#include "designconditions/frmDesign.h"
#include "mainwindow/frmMain.h"
#include "mainwindow/frmSplash.h"
#include "reports/frmAbout.h"
#include "reports/frmAdditionalInformation.h"
#include "reports/frmpassword.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

#include <cstdio>

namespace {

bool save(QWidget* window, const QString& path)
{
    window->show();
    QApplication::processEvents();
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: vexa_snapshot OUTPUT.png | --all FOLDER\n");
        return 2;
    }
    vexa::app::frmMain main;
    main.setProgramEnd([] {});
    main.revealAdditionalInformation();
    main.startUpAction();
    main.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QApplication::processEvents();
    if (args.at(1) != QLatin1String("--all")) {
        return save(&main, args.at(1)) ? 0 : 1;
    }
    const QDir folder(args.value(2, QStringLiteral(".")));
    bool ok = save(&main, folder.filePath(QStringLiteral("main-selection.png")));
    main.findChild<QRadioButton*>(QStringLiteral("optRate"))->setChecked(true);
    main.findChild<QRadioButton*>(QStringLiteral("optWater"))->setChecked(true);
    ok = save(&main, folder.filePath(QStringLiteral("main-rate-water.png"))) && ok;
    main.findChild<QRadioButton*>(QStringLiteral("OptRH"))->setChecked(true);
    main.findChild<QRadioButton*>(QStringLiteral("optEvap"))->setChecked(true);
    ok = save(&main, folder.filePath(QStringLiteral("main-rate-rh-refrigerant.png"))) && ok;

    vexa::app::frmSplash splash([] {});
    ok = save(&splash, folder.filePath(QStringLiteral("splash.png"))) && ok;
    vexa::app::frmAbout about(&main);
    ok = save(&about, folder.filePath(QStringLiteral("about.png"))) && ok;
    vexa::app::frmpassword password(&main);
    ok = save(&password, folder.filePath(QStringLiteral("password.png"))) && ok;
    ok = save(main.additionalInformation(), folder.filePath(QStringLiteral("additional-information.png"))) &&
         ok;
    vexa::app::frmDesign design(&main);
    ok = save(&design, folder.filePath(QStringLiteral("design-conditions.png"))) && ok;
    auto* help = vexa::app::HelpWindow::showTopics(&main);
    ok = save(help, folder.filePath(QStringLiteral("help.png"))) && ok;
    help->showPage(QStringLiteral("messages.html"));
    ok = save(help, folder.filePath(QStringLiteral("help-messages.png"))) && ok;
    return ok ? 0 : 1;
}
