#include "mainwindow/frmSplash.h"

#include "common/Pictures.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace vexa::app {

namespace {

constexpr int kBlinkInterval_ms = 500;
constexpr int kStepInterval_ms = 20;

} // namespace

frmSplash::frmSplash(std::function<void()> startUpAction, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_startUpAction(std::move(startUpAction)), m_loading(new QLabel(QStringLiteral("Loading..."))),
      m_progress(new QProgressBar), m_blinkTimer(new QTimer(this)), m_stepTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(2);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(24, 20, 24, 16);

    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("imgLogo"));
    picture->setPixmap(splashPicture(420, 150));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);

    auto* purpose =
        new QLabel(QStringLiteral("Heat Pipe and Dehumidification Rating and Selection Software"));
    purpose->setObjectName(QStringLiteral("lblLicenseTo"));
    purpose->setAlignment(Qt::AlignCenter);
    layout->addWidget(purpose);

    auto* product = new QLabel(QStringLiteral("Vexa"));
    product->setObjectName(QStringLiteral("lblProductName"));
    product->setAlignment(Qt::AlignCenter);
    QFont big = product->font();
    big.setPointSize(36);
    big.setBold(true);
    big.setItalic(true);
    product->setFont(big);
    product->setStyleSheet(QStringLiteral("color: rgb(0, 70, 140);"));
    layout->addWidget(product);

    auto* version =
        new QLabel(QStringLiteral("Version: %1.%2").arg(VEXA_VERSION_MAJOR).arg(VEXA_VERSION_MINOR));
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignRight);
    layout->addWidget(version);
    // The platform the program runs on here.
    auto* platform = new QLabel(QStringLiteral("Platform: Linux"));
    platform->setObjectName(QStringLiteral("lblPlatform"));
    platform->setAlignment(Qt::AlignRight);
    layout->addWidget(platform);

    m_loading->setObjectName(QStringLiteral("lblLoading"));
    layout->addWidget(m_loading);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    layout->addWidget(m_progress);

    // A click anywhere, on any of the texts and pictures too, reaches the splash itself.
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    connect(m_blinkTimer, &QTimer::timeout, this, &frmSplash::blink);
    connect(m_stepTimer, &QTimer::timeout, this, &frmSplash::step);
    m_blinkTimer->start(kBlinkInterval_ms);
    m_stepTimer->start(kStepInterval_ms);
}

void frmSplash::blink()
{
    m_loading->setVisible(!m_loading->isVisible());
}

void frmSplash::step()
{
    if (m_progress->value() < 100) {
        m_progress->setValue(m_progress->value() + 1);
    }
    if (m_progress->value() >= 100) {
        finish();
    }
}

void frmSplash::mousePressEvent(QMouseEvent* /*event*/)
{
    finish();
}

void frmSplash::finish()
{
    if (m_finished) {
        return; // a click and the last step can come together: the action runs once
    }
    m_finished = true;
    m_blinkTimer->stop();
    m_stepTimer->stop();
    m_startUpAction();
    close();
}

} // namespace vexa::app
