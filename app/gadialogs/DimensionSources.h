#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>

namespace vexa {
class Main;
}

namespace vexa::app {

// Where a dimension dialog reads its starting values and, when it makes a drawing,
// the unit's options: the main window's and the costing window's controls, found by
// their object names, and the program's engine Main. A control that is missing
// reads as empty.
class DimensionSources {
public:
    DimensionSources(QWidget* mainWindow, QWidget* costingWindow, vexa::Main* engine);

    QWidget* costingWindow() const { return m_costing; }
    vexa::Main* engine() const { return m_engine; }

    // A control's text ("" when missing): a line edit's or combo box's text.
    QString mainText(const char* name) const;
    QString costingText(const char* name) const;
    // A number read from the start of a control's text, rounded to a whole number
    // (halves to even); 0 when there is none.
    int32_t mainWhole(const char* name) const;
    int32_t costingWhole(const char* name) const;
    bool mainChecked(const char* name) const;
    bool costingChecked(const char* name) const;

    // The unit as the windows describe it now.
    int32_t finnedWidth() const;     // main window's coil width
    int32_t tubesHigh() const;       // costing "Tubes High :"
    int32_t finnedLength() const;    // costing "Finned Length (mm) :"
    int32_t heatpipeRows() const;    // costing "No.Rows (heatpipe) :"
    int32_t coolingCoilRows() const; // costing "No.Rows (cooling coil) :"
    bool horizontal() const;         // any orientation text but "Horizontal" is vertical
    bool eliminators() const;
    QString drainpanType() const;
    bool refrigerant() const;  // the main window's "Referigerant" option
    bool heatPipeOnly() const; // the main window's "Heat Pipe Only" option
    bool horseshoe() const;    // the costing window's "Horseshoe Heat Pipe" option
    // Supplied in two sections: the coil's finned height exceeds 1910 mm.
    bool twoSections() const;

private:
    QPointer<QWidget> m_main;
    QPointer<QWidget> m_costing;
    vexa::Main* m_engine;
};

// The program's main design window, found among the top-level windows by its name
// frmMain; nullptr when there is none.
QWidget* findMainWindow();

} // namespace vexa::app
