#include "common/WindowPrinter.h"

#include "common/MessageBoxes.h"
#include "common/OutputFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace vexa::app {

namespace {

// The image as large as the page allows, keeping its proportions.
bool paintOnto(QPrinter& printer, const QPixmap& image)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(page.x(), page.y()), size), image);
    return painter.end();
}

void reportFailure(QWidget* window, const QString& failureText)
{
    messageBoxes().show(window, MessageRequest{QString(), failureText, MessageIcon::None, MessageButtons::Ok,
                                               MessageAnswer::Ok});
}

} // namespace

bool tryPrintWindowImage(QWidget* window, QString* pdfPath)
{
    const QPixmap image = window->grab();
    if (image.isNull()) {
        return false;
    }
    const QPageLayout::Orientation orientation =
        image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(orientation);
        QPrintDialog dialog(&printer, window);
        if (dialog.exec() != QDialog::Accepted) {
            return true;
        }
        return paintOnto(printer, image);
    }

    const QString path = newOutputPath(QStringLiteral("ArdelVexa-window"), QStringLiteral("pdf"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(orientation);
    if (!paintOnto(printer, image) || !QFileInfo(path).isFile() || QFileInfo(path).size() == 0) {
        return false;
    }
    inform(window, QStringLiteral("Print Current Window"),
           QStringLiteral("No printer is set up, so the window has been saved as a PDF file:\n%1")
               .arg(QDir::toNativeSeparators(path)));
    if (pdfPath != nullptr) {
        *pdfPath = path;
    }
    return true;
}

QString printWindowImage(QWidget* window, const QString& failureText)
{
    QString pdfPath;
    if (!tryPrintWindowImage(window, &pdfPath)) {
        reportFailure(window, failureText);
    }
    return pdfPath;
}

} // namespace vexa::app
