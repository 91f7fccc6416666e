#include "mainwindow/ProgramExit.h"

#include "common/MessageBoxes.h"

namespace vexa::app {

bool confirmQuit(QWidget* parent, const std::function<void()>& endAtOnce)
{
    const MessageAnswer answer =
        ask(parent, MessageRequest{QString(), QStringLiteral("Are You Sure You Want To Quit ?"),
                                   MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes) {
        return false;
    }
    endAtOnce();
    return true;
}

} // namespace vexa::app
