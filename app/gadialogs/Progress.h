#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace vexa::app {

// The progress window shown while a general arrangement drawing is made: a label
// and a progress bar.
class Progress : public QWidget {
    Q_OBJECT
public:
    explicit Progress(QWidget* parent = nullptr);

    // Shows the window with the label "Generating General arrangement" and the bar
    // at 0 of 10.
    void start();
    // One step further along the bar; painted at once.
    void advance();
    int value() const;

    QLabel* label() const { return m_label; }
    QProgressBar* bar() const { return m_bar; }

private:
    QLabel* m_label = nullptr;
    QProgressBar* m_bar = nullptr;
};

} // namespace vexa::app
