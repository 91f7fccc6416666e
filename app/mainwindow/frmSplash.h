#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;
class QTimer;

namespace vexa::app {

// The splash: a picture, the product's name and version, a blinking "Loading..."
// and a progress bar. When the bar is full, or at once when the user clicks
// anywhere on it, it runs the start-up action and closes.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(std::function<void()> startUpAction, QWidget* parent = nullptr);

    bool finished() const { return m_finished; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void blink();
    void step();
    void finish();

    std::function<void()> m_startUpAction;
    QLabel* m_loading;
    QProgressBar* m_progress;
    QTimer* m_blinkTimer;
    QTimer* m_stepTimer;
    bool m_finished = false;
};

} // namespace vexa::app
