#include "reports/frmpassword.h"

#include "common/MessageBoxes.h"
#include "mainwindow/frmMain.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace vexa::app {

frmpassword::frmpassword(frmMain* main)
    : QDialog(main, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_main(main), m_code(new QLineEdit)
{
    setObjectName(QStringLiteral("frmpassword"));
    setWindowTitle(QStringLiteral("Password"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    const auto paragraph = [layout](const char* text) {
        auto* label = new QLabel(QString::fromUtf8(text));
        label->setWordWrap(true);
        layout->addWidget(label);
    };
    paragraph(
        "By entering the correct password additional values used during the calculation procedure can be "
        "viewed.");
    paragraph("Enter the correct password to procede or press cancel to close this screen.");

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Password:")));
    m_code->setObjectName(QStringLiteral("txtPassword"));
    m_code->setEchoMode(QLineEdit::Password);
    // Every typed character shows as "*".
    m_code->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    row->addWidget(m_code, 1);
    layout->addLayout(row);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &frmpassword::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);

    setFixedWidth(360);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void frmpassword::okClicked()
{
    const QString code = m_code->text().toUpper();
    if (code == QLatin1String(kRevealCode)) {
        m_main->revealAdditionalInformation();
        close();
        return;
    }
    if (code == QLatin1String(kQuietCode)) {
        close();
        return;
    }
    const MessageAnswer answer = ask(
        this, MessageRequest{QStringLiteral("Wrong Passowrd"),
                             QStringLiteral("Wrong Password. Press OK to enter password or Cancel to abort."),
                             MessageIcon::None, MessageButtons::OkCancel, MessageAnswer::Ok});
    // A fresh calculation is needed before costing again.
    if (auto* costing = m_main->findChild<QWidget*>(QStringLiteral("cmdcosting"))) {
        costing->setEnabled(false);
    }
    if (answer == MessageAnswer::Cancel) {
        close();
    }
}

} // namespace vexa::app
