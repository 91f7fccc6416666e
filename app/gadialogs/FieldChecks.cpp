#include "gadialogs/FieldChecks.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace vexa::app {

FieldChecks::FieldChecks(QObject* parent) : QObject(parent)
{
}

void FieldChecks::add(QLineEdit* field, Check check)
{
    m_checks[field] = std::move(check);
    field->installEventFilter(this);
}

bool FieldChecks::leave(QLineEdit* field)
{
    const auto found = m_checks.find(field);
    if (found == m_checks.end() || m_checking) {
        return true;
    }
    m_checking = true;
    const bool accepted = found->second();
    m_checking = false;
    if (accepted) {
        if (m_rejected == field) {
            m_rejected = nullptr;
        }
        return true;
    }
    m_rejected = field;
    m_rejectedText = field->text();
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

bool FieldChecks::leaveFocusedField()
{
    if (m_rejected != nullptr && m_rejected->text() == m_rejectedText) {
        m_rejected->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (m_rejected != nullptr) {
        return leave(m_rejected);
    }
    auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    return focused == nullptr || leave(focused);
}

bool FieldChecks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box, a menu or another window taking the focus is no leaving.
        const bool leaving = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                             reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
        auto* field = static_cast<QLineEdit*>(watched);
        // Its message has been shown for this very text: it only keeps the focus.
        const bool alreadyRejected = field == m_rejected && field->text() == m_rejectedText;
        if (leaving && (alreadyRejected || !leave(field))) {
            // The focus is on its way elsewhere: bring it back once it has arrived.
            QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vexa::app
