#pragma once

#include <QDialog>

#include <vector>

class QLabel;
class QTabWidget;

namespace vexa::app {

// Typical summer design conditions by location. Clicking a location writes its
// air-on condition into the main window and closes; nothing is stored.
class frmDesign : public QDialog {
    Q_OBJECT
public:
    explicit frmDesign(QWidget* mainWindow);

    struct Location {
        const char* caption;
        const char* dryBulb;
        const char* humidity; // relative humidity written with RH input
        const char* wetBulb;  // wet bulb written with wet-bulb input
        bool ukTab;
    };
    static const std::vector<Location>& locations();

    // What a click on a location does.
    void chooseLocation(const Location& location);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void highlight(QLabel* hovered);

    QWidget* m_main;
    QTabWidget* m_tabs;
    std::vector<QLabel*> m_labels;
};

} // namespace vexa::app
