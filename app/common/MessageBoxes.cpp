#include "common/MessageBoxes.h"

#include <QMessageBox>

namespace vexa::app {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(QWidget* parent, const MessageRequest& request) override
    {
        QMessageBox box(qtIcon(request.icon), request.title, request.text, QMessageBox::NoButton, parent);
        switch (request.buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        }
        box.setDefaultButton(qtButton(request.defaultAnswer));
        switch (box.exec()) {
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            break;
        }
        return MessageAnswer::Ok;
    }
};

QtMessageBoxes& qtBoxes()
{
    static QtMessageBoxes boxes;
    return boxes;
}

MessageBoxes* g_boxes = nullptr;

} // namespace

MessageBoxes& messageBoxes()
{
    return g_boxes != nullptr ? *g_boxes : qtBoxes();
}

void setMessageBoxes(MessageBoxes* boxes)
{
    g_boxes = boxes;
}

void inform(QWidget* parent, const QString& title, const QString& text)
{
    messageBoxes().show(
        parent, MessageRequest{title, text, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
}

MessageAnswer ask(QWidget* parent, const MessageRequest& request)
{
    return messageBoxes().show(parent, request);
}

} // namespace vexa::app
