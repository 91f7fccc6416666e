#include "gadialogs/HeatpipeDimensions.h"

#include "common/MessageBoxes.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace vexa::app {

namespace {

constexpr int32_t kInternalBaffleDefault_mm = 60;
constexpr int32_t kExternalBaffleDefault_mm = 120;
constexpr int32_t kInternalDepthDefault_mm = 360;
// The overall width is the external baffle, the finned length and 60 mm.
constexpr int32_t kWidthAllowance_mm = 60;

} // namespace

HeatpipeDimensions::HeatpipeDimensions(const DimensionSources& sources, QWidget* parent)
    : DimensionDialog(sources, parent)
{
    setObjectName(QStringLiteral("HeatpipeDimensions"));
    setWindowTitle(QStringLiteral("Horseshoe Heatpipe Dimensions"));
    build();
    loadDefaults();
}

void HeatpipeDimensions::build()
{
    txtInternalDepth = newField("txtInternalDepth", true);
    txtOverallDepth = newField("txtOverallDepth", false);
    txtInternalBaffle = newField("txtInternalBaffle", true);
    txtExternalBaffle = newField("txtExternalBaffle", true);
    txtFinnedLength = newField("txtFinnedLength", false);
    txtOverallWidth = newField("txtOverallWidth", false);
    txtOverallHeight = newField("txtOverallHeight", true);
    lblHeightLimits = newLabel(QString(), "lblHeightLimits");

    QGroupBox* fraWidth = newFrame(QStringLiteral("Width"), "fraWidth");
    auto* width = new QGridLayout(fraWidth);
    addRow(width, 0, newLabel(QStringLiteral("Internal Baffle :")), txtInternalBaffle,
           newLabel(QStringLiteral("(Min 60 Max 150)"), "lblInternalBaffleLimits"));
    addRow(width, 1, newLabel(QStringLiteral("External Baffle :")), txtExternalBaffle,
           newLabel(QStringLiteral("(Min 120 Max 300)"), "lblExternalBaffleLimits"));
    addRow(width, 2, newLabel(QStringLiteral("Finned Length :")), txtFinnedLength);
    addRow(width, 3, newLabel(QStringLiteral("Overall Width :")), txtOverallWidth);
    width->setColumnStretch(2, 1);

    QGroupBox* fraDepth = newFrame(QStringLiteral("Depth"), "fraDepth");
    auto* depth = new QGridLayout(fraDepth);
    addRow(depth, 0, newLabel(QStringLiteral("Internal Depth :")), txtInternalDepth,
           newLabel(QStringLiteral("(Min 100 Max 2000)"), "lblInternalDepthLimits"));
    addRow(depth, 1, newLabel(QStringLiteral("Overall Depth :")), txtOverallDepth);
    depth->setColumnStretch(2, 1);

    QGroupBox* fraHeight = newFrame(QStringLiteral("Height"), "fraHeight");
    auto* height = new QGridLayout(fraHeight);
    addRow(height, 0, newLabel(QStringLiteral("Overall Height :")), txtOverallHeight, lblHeightLimits);
    height->setColumnStretch(2, 1);

    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(fraWidth, 0, 0);
    grid->addWidget(fraDepth, 1, 0);
    grid->addWidget(fraHeight, 0, 1);
    grid->addWidget(newSummaryFrame(QStringLiteral("Height x Width x Depth")), 1, 1);
    grid->addWidget(newHandFrame(), 2, 0, 1, 2);
    finishLayout(body);

    checks().add(txtExternalBaffle, [this] { return checkExternalBaffle(); });
    checks().add(txtInternalBaffle, [this] { return checkInternalBaffle(); });
    checks().add(txtInternalDepth, [this] { return checkInternalDepth(); });
    checks().add(txtOverallHeight, [this] { return checkOverallHeight(); });
}

void HeatpipeDimensions::loadDefaults()
{
    const DimensionSources& from = sources();
    m_twoSections = from.twoSections();
    m_section = gadims::sectionDrawn(from.tubesHigh(), m_twoSections);
    m_rows = from.heatpipeRows();
    m_finnedLength = from.finnedLength();

    m_internalBaffle = kInternalBaffleDefault_mm;
    m_externalBaffle = kExternalBaffleDefault_mm;
    m_internalDepth = kInternalDepthDefault_mm;
    m_overallHeight = gadims::horseshoeOverallHeight(m_section.tubesHigh);
    m_heightLimits = gadims::horseshoeHeightLimits(m_section.tubesHigh);
    m_flangeWidth = gadims::horseshoeFlangeWidth(m_overallHeight, m_section.tubesHigh);
    m_endPlateWidth = gadims::horseshoeEndPlateWidth(m_rows);
    m_overallDepth = gadims::horseshoeOverallDepth(m_internalDepth, m_rows);

    lblHeightLimits->setText(gadims::bracketedMinMaxText(m_heightLimits));
    display(txtInternalBaffle, m_internalBaffle);
    display(txtExternalBaffle, m_externalBaffle);
    display(txtInternalDepth, m_internalDepth);
    display(txtOverallDepth, m_overallDepth);
    display(txtSummaryDepth, m_overallDepth);
    display(txtFinnedLength, m_finnedLength);
    display(txtOverallHeight, m_overallHeight);
    display(txtSummaryHeight, m_overallHeight);
    showOverallWidth();
}

void HeatpipeDimensions::showOverallWidth()
{
    m_overallWidth = m_externalBaffle + m_finnedLength + kWidthAllowance_mm;
    display(txtOverallWidth, m_overallWidth);
    display(txtSummaryWidth, m_overallWidth);
}

bool HeatpipeDimensions::checkExternalBaffle()
{
    const auto value = acceptedValue(txtExternalBaffle, gadims::kExternalBaffleLimits,
                                     QStringLiteral("Invaild External Baffle"));
    if (!value) {
        return false;
    }
    m_externalBaffle = *value;
    if (m_externalBaffle - m_internalBaffle < gadims::kBaffleDifference_mm) {
        m_internalBaffle = m_externalBaffle - gadims::kBaffleDifference_mm;
        display(txtInternalBaffle, m_internalBaffle);
        inform(this, QString(),
               QStringLiteral("Please Note, minimum differance of 60mm required between Internal & "
                              "External Baffle, Internal Baffle has been updated to reflect this"));
    }
    showOverallWidth();
    return true;
}

bool HeatpipeDimensions::checkInternalBaffle()
{
    const auto value = acceptedValue(txtInternalBaffle, gadims::kInternalBaffleLimits,
                                     QStringLiteral("Invaild Internal Baffle"));
    if (!value) {
        return false;
    }
    m_internalBaffle = *value;
    if (m_externalBaffle - m_internalBaffle < gadims::kBaffleDifference_mm) {
        m_externalBaffle = m_internalBaffle + gadims::kBaffleDifference_mm;
        display(txtExternalBaffle, m_externalBaffle);
        showOverallWidth();
        inform(this, QString(),
               QStringLiteral("Please Note, minimum differance of 60mm required between Internal & "
                              "External Baffle, External Baffle has been updated to reflect this"));
    }
    return true;
}

bool HeatpipeDimensions::checkInternalDepth()
{
    const auto value = acceptedValue(txtInternalDepth, gadims::kInternalDepthLimits,
                                     QStringLiteral("Invaild Internal Depth"));
    if (!value) {
        return false;
    }
    m_internalDepth = *value;
    m_overallDepth = gadims::horseshoeOverallDepth(m_internalDepth, m_rows);
    display(txtOverallDepth, m_overallDepth);
    display(txtSummaryDepth, m_overallDepth);
    return true;
}

bool HeatpipeDimensions::checkOverallHeight()
{
    const auto value =
        acceptedValue(txtOverallHeight, m_heightLimits, QStringLiteral("Invaild Overall Height"));
    if (!value) {
        return false;
    }
    m_overallHeight = *value;
    m_flangeWidth = gadims::horseshoeFlangeWidth(m_overallHeight, m_section.tubesHigh);
    display(txtSummaryHeight, m_overallHeight);
    return true;
}

std::unique_ptr<PendingDrawing> HeatpipeDimensions::startDrawing(const DrawingStep& step)
{
    HorseshoeDrawingValues values;
    values.leftHand = optLeft->isChecked();
    values.overallHeight = m_overallHeight;
    values.overallWidth = m_overallWidth;
    values.externalBaffle = m_externalBaffle;
    values.internalBaffle = m_internalBaffle;
    values.finnedLength = m_finnedLength;
    values.flangeWidth = m_flangeWidth;
    values.internalDepth = m_internalDepth;
    values.endPlateWidth = m_endPlateWidth;
    if (m_twoSections) {
        values.stacked = twoSectionNoteText(true, m_overallHeight, m_section.heightDifference_mm);
    }
    return startHorseshoe(values, step);
}

QString HeatpipeDimensions::heatpipeCode() const
{
    const DimensionSources& from = sources();
    return heatpipeCodeText(from.costingWhole("txtfpihpcost"), from.costingWhole("txtnorowshpcost"),
                            from.tubesHigh(), from.finnedLength());
}

} // namespace vexa::app
