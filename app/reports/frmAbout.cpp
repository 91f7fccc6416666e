#include "reports/frmAbout.h"

#include "common/MessageBoxes.h"
#include "common/Pictures.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace vexa::app {

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Ardel Vexa"));
    setModal(true);

    auto* layout = new QGridLayout(this);
    auto* logo = new QLabel;
    logo->setObjectName(QStringLiteral("picIcon"));
    logo->setPixmap(logoPicture(170, 44));
    layout->addWidget(logo, 0, 0, Qt::AlignTop);

    auto* text = new QVBoxLayout;
    auto* version =
        new QLabel(QStringLiteral("Version: %1.%2").arg(VEXA_VERSION_MAJOR).arg(VEXA_VERSION_MINOR));
    version->setObjectName(QStringLiteral("lblVersion"));
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    text->addWidget(version);
    auto* address = new QLabel(QStringLiteral("Ardel Heat Recovery Ltd\n"
                                              "Unit 4, Riverside Works, Mill Lane\n"
                                              "Northampton NN1 1AA, United Kingdom\n"
                                              "Tel: +44 (0)1604 000 100\n"
                                              "Fax: +44 (0)1604 000 101\n"
                                              "E-mail: sales@ardel.example\n"
                                              "Web: www.ardel.example"));
    address->setObjectName(QStringLiteral("lblAddress"));
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->addWidget(address);
    auto* heading = new QLabel(QStringLiteral("Disclaimer"));
    heading->setObjectName(QStringLiteral("lblDisclaimerHeading"));
    heading->setFont(bold);
    text->addWidget(heading);
    auto* disclaimer = new QLabel(QStringLiteral(
        "Ardel Vexa is a tool for calculating the performance of heat pipes and the cooling coils used with "
        "them. Its results are estimates for design guidance and should be checked by a competent engineer "
        "before equipment is ordered or installed. Ardel Heat Recovery Ltd accepts no liability for the "
        "results "
        "obtained with this software or for any loss arising from their use."));
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setWordWrap(true);
    text->addWidget(disclaimer);
    layout->addLayout(text, 0, 1);

    auto* buttons = new QVBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* info = new QPushButton(QStringLiteral("&System Info..."));
    info->setObjectName(QStringLiteral("cmdSysInfo"));
    info->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(info);
    buttons->addStretch(1);
    layout->addLayout(buttons, 0, 2);
    layout->setColumnMinimumWidth(1, 330);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(info, &QPushButton::clicked, this, &frmAbout::startSystemInfo);
    setFixedSize(sizeHint());
}

QStringList frmAbout::systemInfoPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor")};
}

void frmAbout::startSystemInfo()
{
    for (const QString& program : systemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) {
            return;
        }
    }
    messageBoxes().show(this, MessageRequest{QStringLiteral("System Information Unavailable"),
                                             QStringLiteral("System Information Is Unavailable At This Time"),
                                             MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok});
}

} // namespace vexa::app
