#include "gadialogs/DimensionSources.h"

#include "common/NumberText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

namespace vexa::app {

namespace {

QString controlText(const QWidget* window, const char* name)
{
    if (window == nullptr) {
        return {};
    }
    const QString objectName = QLatin1String(name);
    if (const auto* box = window->findChild<QLineEdit*>(objectName)) {
        return box->text();
    }
    if (const auto* combo = window->findChild<QComboBox*>(objectName)) {
        return combo->currentText();
    }
    return {};
}

int32_t wholeAtStart(const QString& text)
{
    const double value = num::leadingNumber(text.toStdString());
    // The boxes read hold counts and lengths that fit easily; anything else reads as 0.
    if (!(value > -2.0e9 && value < 2.0e9)) {
        return 0;
    }
    return num::toInt32(value);
}

bool controlChecked(const QWidget* window, const char* name)
{
    if (window == nullptr) {
        return false;
    }
    const auto* button = window->findChild<QAbstractButton*>(QLatin1String(name));
    return button != nullptr && button->isChecked();
}

// 1910 mm: the tallest coil supplied in one section.
constexpr int32_t kOneSectionMaximum_mm = 1910;

} // namespace

DimensionSources::DimensionSources(QWidget* mainWindow, QWidget* costingWindow, vexa::Main* engine)
    : m_main(mainWindow), m_costing(costingWindow), m_engine(engine)
{
}

QString DimensionSources::mainText(const char* name) const
{
    return controlText(m_main, name);
}

QString DimensionSources::costingText(const char* name) const
{
    return controlText(m_costing, name);
}

int32_t DimensionSources::mainWhole(const char* name) const
{
    return wholeAtStart(mainText(name));
}

int32_t DimensionSources::costingWhole(const char* name) const
{
    return wholeAtStart(costingText(name));
}

bool DimensionSources::mainChecked(const char* name) const
{
    return controlChecked(m_main, name);
}

bool DimensionSources::costingChecked(const char* name) const
{
    return controlChecked(m_costing, name);
}

int32_t DimensionSources::finnedWidth() const
{
    return mainWhole("txtWidth");
}

int32_t DimensionSources::tubesHigh() const
{
    return costingWhole("txtthcost");
}

int32_t DimensionSources::finnedLength() const
{
    return costingWhole("txtflcost");
}

int32_t DimensionSources::heatpipeRows() const
{
    return costingWhole("txtnorowshpcost");
}

int32_t DimensionSources::coolingCoilRows() const
{
    return costingWhole("txtnorowscccost");
}

bool DimensionSources::horizontal() const
{
    return costingText("cmbVerHor") == QLatin1String("Horizontal");
}

bool DimensionSources::eliminators() const
{
    return costingChecked("chkElims");
}

QString DimensionSources::drainpanType() const
{
    return costingText("lstdpcost");
}

bool DimensionSources::refrigerant() const
{
    return mainChecked("optEvap");
}

bool DimensionSources::heatPipeOnly() const
{
    return mainChecked("optHponly");
}

bool DimensionSources::horseshoe() const
{
    return costingChecked("optHorseshoe");
}

bool DimensionSources::twoSections() const
{
    return mainWhole("txtHeight") > kOneSectionMaximum_mm;
}

QWidget* findMainWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmMain")) {
            return window;
        }
    }
    return nullptr;
}

} // namespace vexa::app
