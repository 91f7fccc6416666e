#include "reports/frmSummary.h"

#include "common/MessageBoxes.h"
#include "common/OutputFolder.h"
#include "common/ProgramFlags.h"
#include "reports/RtfWriter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace vexa::app {

namespace {

frmSummary::FileChooser& fileChooser()
{
    static frmSummary::FileChooser chooser;
    return chooser;
}

std::function<QDateTime()>& summaryClock()
{
    static std::function<QDateTime()> clock;
    return clock;
}

QString askForFile(QWidget* parent)
{
    if (fileChooser()) {
        return fileChooser()(parent);
    }
    QFileDialog dialog(parent, QStringLiteral("Save Summary"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("Rich Text Format (*.rtf)"));
    dialog.setDefaultSuffix(QStringLiteral("rtf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

QWidget* topLevelNamed(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

frmSummary::frmSummary(const SummarySources& sources, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSummary"));
    setWindowTitle(QStringLiteral(" Coil Selection / Rating Summary"));
    setModal(true);
    resize(900, 680);

    m_summary = new QTextEdit;
    m_summary->setObjectName(QStringLiteral("rtfSummary"));
    m_summary->setAcceptRichText(false);
    m_summary->setLineWrapMode(QTextEdit::NoWrap);
    // A fixed-pitch font, so that the blanks of the labels line the values up.
    m_summary->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_summary->setTabStopDistance(QFontMetricsF(m_summary->font()).horizontalAdvance(QLatin1Char(' ')) * 8);

    m_comment = new QPlainTextEdit;
    m_comment->setObjectName(QStringLiteral("txtComment"));
    m_comment->setToolTip(QStringLiteral("Place comment here to be added to end of summary"));
    m_comment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_comment->setMaximumHeight(90);

    auto* add = new QPushButton(QStringLiteral(
        "To add comment to end of summary place text in text box to left and press this button"));
    add->setObjectName(QStringLiteral("cmdAddComment"));
    add->setToolTip(QStringLiteral("Press this button to add comment to summary"));
    auto* saveButton = new QPushButton(QStringLiteral("Save"));
    saveButton->setObjectName(QStringLiteral("cmdSave"));
    saveButton->setToolTip(QStringLiteral("Save file as rtf for viewing in word processor software"));
    auto* close = new QPushButton(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("cmdClose"));
    auto* printButton = new QPushButton(QStringLiteral("Print"));
    printButton->setObjectName(QStringLiteral("cmdPrint"));
    printButton->setToolTip(QStringLiteral("Send a copy of the summary to a printer"));
    for (QPushButton* button : {add, saveButton, close, printButton}) {
        button->setAutoDefault(false);
    }
    connect(add, &QPushButton::clicked, this, &frmSummary::addComment);
    connect(saveButton, &QPushButton::clicked, this, &frmSummary::save);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_summary, 0, 0, 1, 5);
    layout->addWidget(m_comment, 1, 0);
    layout->addWidget(add, 1, 1);
    layout->addWidget(saveButton, 1, 2);
    layout->addWidget(close, 1, 3);
    layout->addWidget(printButton, 1, 4);
    layout->setColumnStretch(0, 1);

    reformatMainWindowBoxes(sources.mainWindow);
    const QDateTime now = summaryClock() ? summaryClock()() : QDateTime::currentDateTime();
    m_summary->setPlainText(buildSummaryText(sources, now));
}

void frmSummary::addComment()
{
    m_summary->setPlainText(m_summary->toPlainText() + QLatin1Char('\n') + m_comment->toPlainText());
    inform(this, QStringLiteral("Comment Added"),
           QStringLiteral("A comment has been added to the end of the summary."));
    m_comment->clear();
}

void frmSummary::save()
{
    const QString path = askForFile(this);
    if (path.isEmpty()) {
        return;
    }
    // The file is replaced only once it has been written completely.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    file.write(plainTextToRtf(m_summary->toPlainText()) + "\r\n");
    file.commit();
}

QString frmSummary::print()
{
    const QTextCursor cursor = m_summary->textCursor();
    QTextDocument selection;
    QTextDocument* document = m_summary->document();
    if (cursor.hasSelection()) {
        selection.setDefaultFont(m_summary->font());
        selection.setPlainText(cursor.selection().toPlainText());
        document = &selection;
    }

    QPrinter printer(QPrinter::HighResolution);
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        QPrintDialog dialog(&printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, cursor.hasSelection());
        if (cursor.hasSelection()) {
            dialog.setPrintRange(QAbstractPrintDialog::Selection);
        }
        if (dialog.exec() == QDialog::Accepted) {
            document->print(&printer);
        }
        return {};
    }

    // No printer: the summary goes to a PDF in the output folder instead.
    const QString path = newOutputPath(QStringLiteral("Summary"), QStringLiteral("pdf"));
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return {};
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    document->print(&printer);
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    inform(this, QStringLiteral("Print"),
           QStringLiteral("No printer is set up, so the summary has been saved as a PDF file:\n%1")
               .arg(QDir::toNativeSeparators(path)));
    return path;
}

void frmSummary::setSaveFileChooser(FileChooser chooser)
{
    fileChooser() = std::move(chooser);
}

void frmSummary::setClock(std::function<QDateTime()> clock)
{
    summaryClock() = std::move(clock);
}

void openSummary(QWidget* parent)
{
    SummarySources sources;
    const auto named = [parent](const QString& name) {
        return parent != nullptr && parent->window()->objectName() == name ? parent->window()
                                                                           : topLevelNamed(name);
    };
    sources.mainWindow = named(QStringLiteral("frmMain"));
    sources.costingWindow = named(QStringLiteral("frmCosting"));
    sources.costingDone = sources.costingWindow != nullptr && programFlags().CostingDone;
    frmSummary summary(sources, parent != nullptr ? parent : QApplication::activeWindow());
    summary.exec();
}

} // namespace vexa::app
