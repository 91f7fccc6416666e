#pragma once

#include "gadialogs/DimensionRules.h"
#include "gadialogs/DimensionSources.h"
#include "gadialogs/FieldChecks.h"
#include "gadialogs/GaDrawings.h"

#include <QMainWindow>

#include <memory>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vexa::app {

// What the three dimension dialogs share: the File menu and the "G.A." and "Close"
// buttons, the checks of the dimension fields and the G.A. command, which makes the
// drawing in two steps around the Project Details Form. Closing the dialog discards
// its values and brings the costing window back.
class DimensionDialog : public QMainWindow {
    Q_OBJECT
public:
    ~DimensionDialog() override;

    // The G.A. command ("G.A."): the drawing with the dialog's dimensions, then the
    // project details, then its references; the dialog is minimised and the drawing
    // shown. Nothing happens while a field holds a rejected value.
    void generalArrangement();
    // "Close" (nothing while a field holds a rejected value) and File > "Close".
    void closeButton();
    void closeMenu();

    FieldChecks& checks() { return *m_checks; }

protected:
    DimensionDialog(const DimensionSources& sources, QWidget* parent);

    const DimensionSources& sources() const { return m_sources; }

    // The drawing's first steps with the dialog's dimensions; throws DrawingFailed.
    virtual std::unique_ptr<PendingDrawing> startDrawing(const DrawingStep& step) = 0;
    // The heat pipe code the drawing carries, from the windows as they stand now.
    virtual QString heatpipeCode() const = 0;

    // Building the window.
    QLineEdit* newField(const char* name, bool editable);
    QLabel* newLabel(const QString& text, const char* name = nullptr);
    QGroupBox* newFrame(const QString& caption, const char* name);
    QRadioButton* newOption(const QString& caption, const char* name);
    // One row of a frame: label, field and, when given, its limits.
    void addRow(QGridLayout* grid, int row, QLabel* label, QLineEdit* field, QLabel* limits = nullptr);
    // The frame of the hand options, with Left chosen.
    QGroupBox* newHandFrame();
    // The summary frame with its height, width and depth boxes.
    QGroupBox* newSummaryFrame(const QString& caption);
    // Lays out the dialog: the frames given, then the buttons.
    void finishLayout(QWidget* body);

    // A rejected value: the check's message with its title; returns false.
    bool reject(const QString& title, const QString& text);
    // The standard range message "Invaild Input,  Please enter value between min - max".
    bool rejectOutside(const QString& title, const gadims::Limits& limits);
    // The field's value read as a whole number, when within the limits; otherwise
    // the range message has been shown.
    std::optional<int32_t> acceptedValue(QLineEdit* field, const gadims::Limits& limits,
                                         const QString& title);

    static void display(QLineEdit* field, int32_t value);

    void closeEvent(QCloseEvent* event) override;

    QLineEdit* txtSummaryHeight = nullptr;
    QLineEdit* txtSummaryWidth = nullptr;
    QLineEdit* txtSummaryDepth = nullptr;
    QRadioButton* optLeft = nullptr;
    QRadioButton* optRight = nullptr;

private:
    void buildMenu();

    DimensionSources m_sources;
    FieldChecks* m_checks = nullptr;
    QPushButton* cmdGA = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace vexa::app
