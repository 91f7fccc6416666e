// The README's picture of the costing window: the selection example calculated in
// the real main window, then costed in the real costing window, grabbed offscreen.
#include "costing/frmCosting.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: vexa_costing_snapshot OUTPUT.png [--straight]\n");
        return 2;
    }
    vexa::app::frmMain main;
    main.setProgramEnd([] {});
    vexa::app::frmCosting costing(&main);
    main.setCostingLink(&costing);
    main.revealAdditionalInformation();
    main.startUpAction();
    main.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    main.findChild<QPushButton*>(QStringLiteral("cmdcosting"))->click();
    if (args.contains(QStringLiteral("--straight"))) {
        costing.findChild<QRadioButton*>(QStringLiteral("optStraight"))->setChecked(true);
    }
    costing.findChild<QPushButton*>(QStringLiteral("cmdcost"))->click();
    QApplication::processEvents();
    const bool saved = costing.grab().save(args.at(1));
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(args.at(1)));
    return saved ? 0 : 1;
}
