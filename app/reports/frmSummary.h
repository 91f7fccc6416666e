#pragma once

#include "reports/SummaryText.h"

#include <QDialog>

#include <functional>

class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace vexa::app {

// The selection/rating summary: built afresh from the main and costing windows
// each time it opens; the user may add a comment, save it as a rich text file and
// print it.
class frmSummary : public QDialog {
    Q_OBJECT
public:
    explicit frmSummary(const SummarySources& sources, QWidget* parent = nullptr);

    // "To add comment ...": appends a line feed and the comment, says so and
    // empties the comment box.
    void addComment();
    // "Save": asks for a file and writes the summary to it as rich text. A
    // cancelled dialog or a file that cannot be written changes nothing and
    // shows nothing.
    void save();
    // "Print": the print dialog, or a PDF in the output folder when no printer is
    // set up; the selection only when part of the text is selected. Returns the
    // PDF's path when one was written.
    QString print();

    // Where "Save" writes: the save dialog unless a test puts another chooser in
    // place (nullptr restores the dialog). An empty answer means cancelled.
    using FileChooser = std::function<QString(QWidget* parent)>;
    static void setSaveFileChooser(FileChooser chooser);
    // The clock of the summary's date line; empty for the system clock.
    static void setClock(std::function<QDateTime()> clock);

private:
    QTextEdit* m_summary = nullptr;
    QPlainTextEdit* m_comment = nullptr;
};

// Opens the summary modally over parent, from the windows of the running program:
// the main window and the costing window are parent when it is one of them, else
// the top-level windows with the object names "frmMain" and "frmCosting"; the unit counts as costed when the
// program's flag CostingDone is set.
void openSummary(QWidget* parent = nullptr);

} // namespace vexa::app
