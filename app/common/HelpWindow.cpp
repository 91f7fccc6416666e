#include "common/HelpWindow.h"

#include "common/Pictures.h"

#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace vexa::app {

namespace {

const QString kTopicsPage = QStringLiteral("index.html");

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Ardel Vexa Help"));
    setWindowIcon(icon(Picture::Help));
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenExternalLinks(true);
    setCentralWidget(m_browser);

    auto* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->addAction(QStringLiteral("Contents"), this, [this] { showPage(kTopicsPage); });
    auto* back = bar->addAction(QStringLiteral("Back"), m_browser, &QTextBrowser::backward);
    auto* forward = bar->addAction(QStringLiteral("Forward"), m_browser, &QTextBrowser::forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(QStringLiteral("Ardel Vexa Help - ") + m_browser->documentTitle()); });
    resize(760, 620);
}

void HelpWindow::showPage(const QString& page)
{
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
}

HelpWindow* HelpWindow::showTopics(QWidget* parent)
{
    static QPointer<HelpWindow> window;
    if (window == nullptr) {
        window = new HelpWindow(parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->showPage(kTopicsPage);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace vexa::app
