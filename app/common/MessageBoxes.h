#pragma once

#include <QString>

class QWidget;

namespace vexa::app {

enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// One message box as the program asks for it.
struct MessageRequest {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
};

// Every message box of the program goes through this interface, so that a test
// can read what would be shown and give the answer a user would give.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageAnswer show(QWidget* parent, const MessageRequest& request) = 0;
};

// The boxes in force: Qt's own message boxes unless a test has put others in place.
MessageBoxes& messageBoxes();

// Puts other boxes in place (nullptr restores Qt's); the caller keeps ownership.
void setMessageBoxes(MessageBoxes* boxes);

// An information box with an OK button.
void inform(QWidget* parent, const QString& title, const QString& text);

MessageAnswer ask(QWidget* parent, const MessageRequest& request);

} // namespace vexa::app
