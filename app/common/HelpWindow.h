#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace vexa::app {

// The program's help: HTML pages built into the program, shown in one window with
// back, forward and contents buttons.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The one help window of the program, opened at its topics page.
    static HelpWindow* showTopics(QWidget* parent);

    void showPage(const QString& page);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

} // namespace vexa::app
