#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

namespace vexa::app {

// The checks of a dialog's dimension fields. Each field checks its value when the
// user leaves it; a rejected value has shown its message, and the focus goes back
// into the field, so the user corrects it before doing anything else there. A
// button that takes the focus asks leaveFocusedField() first and stops when it
// says no; a menu command, which leaves the focus where it is, does not.
class FieldChecks : public QObject {
    Q_OBJECT
public:
    // Runs the field's rule; on rejection it has shown the message and returns false.
    using Check = std::function<bool()>;

    explicit FieldChecks(QObject* parent = nullptr);

    void add(QLineEdit* field, Check check);

    // Checks the field as leaving it does; on rejection the focus returns to it.
    bool leave(QLineEdit* field);

    // For a command about to run: false while a field holds a rejected value (its
    // message already shown for the text it holds) or rejects the value it holds now.
    bool leaveFocusedField();

    QLineEdit* rejectedField() const { return m_rejected; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::map<QLineEdit*, Check> m_checks;
    QPointer<QLineEdit> m_rejected;
    QString m_rejectedText;
    bool m_checking = false;
};

} // namespace vexa::app
