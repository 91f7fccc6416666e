#include "common/BinWindowServices.h"

#include "bindata/ui/BinWindows.h"
#include "common/MessageBoxes.h"
#include "common/WindowPrinter.h"

namespace vexa::app {

void installBinWindows()
{
    binwindows::Services services;
    services.printImage = [](QWidget* window) { return tryPrintWindowImage(window); };
    services.showMessage = [](QWidget* parent, const QString& title, const QString& text,
                              bool informationIcon) {
        messageBoxes().show(parent,
                            MessageRequest{title, text,
                                           informationIcon ? MessageIcon::Information : MessageIcon::None,
                                           MessageButtons::Ok, MessageAnswer::Ok});
    };
    binwindows::install(std::move(services));
}

} // namespace vexa::app
