#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

// Answers modal windows as a user would: each step waits until the window with
// its object name is the active modal window, then acts on it. Actions that open
// or close windows must be queued (pressLater, triggerLater) so that the step
// returns before the window's own event loop starts.
class ModalScript : public QObject {
public:
    using Action = std::function<void(QWidget* window)>;

    ModalScript()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(5);
    }

    ModalScript& then(const QString& windowName, Action action)
    {
        m_steps.push_back({windowName, std::move(action)});
        return *this;
    }

    bool finished() const { return m_steps.empty(); }

private:
    struct Step {
        QString window;
        Action action;
    };

    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || m_steps.empty() || modal->objectName() != m_steps.front().window) {
            return;
        }
        const Step step = m_steps.front();
        m_steps.pop_front();
        step.action(modal);
    }

    QTimer m_timer;
    std::deque<Step> m_steps;
};

// Presses a window's button (by object name) once the current step has returned.
inline void pressLater(QWidget* window, const char* button)
{
    QObject* target = window->findChild<QObject*>(QLatin1String(button));
    if (target == nullptr) {
        qFatal("no button %s", button);
    }
    QMetaObject::invokeMethod(target, "click", Qt::QueuedConnection);
}

// Triggers a window's menu entry (an action by object name) once the step has returned.
inline void triggerLater(QWidget* window, const char* action)
{
    QObject* target = window->findChild<QObject*>(QLatin1String(action));
    if (target == nullptr) {
        qFatal("no menu entry %s", action);
    }
    QMetaObject::invokeMethod(target, "trigger", Qt::QueuedConnection);
}
