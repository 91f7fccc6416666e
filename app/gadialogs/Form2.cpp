#include "gadialogs/Form2.h"

#include "design/Main.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace vexa::app {

namespace {

constexpr int32_t kConnectionLengthDefault_mm = 150;

} // namespace

Form2::Form2(const DimensionSources& sources, QWidget* parent) : DimensionDialog(sources, parent)
{
    setObjectName(QStringLiteral("Form2"));
    build();
    loadDefaults();
}

void Form2::build()
{
    txtOverallDepth = newField("txtOverallDepth", false);
    txtFinnedLength = newField("txtFinnedLength", false);
    txtOverallHeight = newField("txtOverallHeight", true);
    txtReturnBaffle = newField("txtReturnBaffle", true);
    txtFrontBaffle = newField("txtFrontBaffle", true);
    txtConnectionLength = newField("txtConnectionLength", true);
    txtOverallWidth = newField("txtOverallWidth", false);
    lblHeightLimits = newLabel(QString(), "lblHeightLimits");
    lblReturnBaffleLimits = newLabel(QString(), "lblReturnBaffleLimits");
    lblFrontBaffleLimits = newLabel(QString(), "lblFrontBaffleLimits");

    QGroupBox* fraWidth = newFrame(QStringLiteral("Width"), "fraWidth");
    auto* width = new QGridLayout(fraWidth);
    addRow(width, 0, newLabel(QStringLiteral("Return Baffle :")), txtReturnBaffle, lblReturnBaffleLimits);
    addRow(width, 1, newLabel(QStringLiteral("Finned Length :")), txtFinnedLength);
    addRow(width, 2, newLabel(QStringLiteral("Front Baffle :")), txtFrontBaffle, lblFrontBaffleLimits);
    addRow(width, 3, newLabel(QStringLiteral("Connection Length :")), txtConnectionLength,
           newLabel(QStringLiteral("(Min  100 Max  300)"), "lblConnectionLengthLimits"));
    addRow(width, 4, newLabel(QStringLiteral("Overall Width :")), txtOverallWidth);
    width->setColumnStretch(2, 1);

    QGroupBox* fraHeight = newFrame(QStringLiteral("Height"), "fraHeight");
    auto* height = new QGridLayout(fraHeight);
    addRow(height, 0, newLabel(QStringLiteral("Overall Height :")), txtOverallHeight, lblHeightLimits);
    height->setColumnStretch(2, 1);

    QGroupBox* fraDepth = newFrame(QStringLiteral("Depth"), "fraDepth");
    auto* depth = new QGridLayout(fraDepth);
    addRow(depth, 0, newLabel(QStringLiteral("Overall Depth :")), txtOverallDepth);
    depth->setColumnStretch(2, 1);

    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(fraWidth, 0, 0, 3, 1);
    grid->addWidget(fraHeight, 0, 1);
    grid->addWidget(fraDepth, 1, 1);
    grid->addWidget(newSummaryFrame(QStringLiteral("Height x Width x Depth")), 2, 1);
    grid->addWidget(newHandFrame(), 3, 0, 1, 2);
    finishLayout(body);

    checks().add(txtConnectionLength, [this] { return checkConnectionLength(); });
    checks().add(txtFrontBaffle, [this] { return checkFrontBaffle(); });
    checks().add(txtReturnBaffle, [this] { return checkReturnBaffle(); });
    checks().add(txtOverallHeight, [this] { return checkOverallHeight(); });
}

void Form2::loadDefaults()
{
    const DimensionSources& from = sources();
    setWindowTitle(from.refrigerant() ? QStringLiteral("Refrigerant Heatpipe")
                                      : QStringLiteral("Combination Heatpipe"));
    m_drainpanType = from.drainpanType();
    m_drainpan = hasDrainpan(m_drainpanType);
    m_twoSections = from.twoSections();
    m_section = gadims::sectionDrawn(from.tubesHigh(), m_twoSections);
    m_finnedLength = from.finnedLength();

    m_overallHeight = gadims::combinationOverallHeight(m_section.tubesHigh, m_drainpan);
    m_heightLimits = gadims::combinationHeightLimits(m_section.tubesHigh, m_drainpan);
    m_flangeDepth = gadims::combinationFlangeDepth(m_overallHeight, m_section.tubesHigh, m_drainpan);

    // The chilled water coil's connections decide how deep the front baffle must be;
    // a refrigerant coil's are not drawn.
    if (!from.refrigerant() && from.engine() != nullptr) {
        m_connectionSize = QString::fromStdString(from.engine()->ConnectionSize());
    }
    const int32_t frontMinimum = frontBaffleMinimum(m_connectionSize);
    m_frontBaffleLimits = {frontMinimum, gadims::kFrontBaffleMaximum};
    m_frontBaffle = frontMinimum;
    const int32_t returnMinimum = gadims::returnBaffleMinimum(from.coolingCoilRows());
    m_returnBaffleLimits = {returnMinimum, gadims::kReturnBaffleMaximum};
    m_returnBaffle = returnMinimum;
    m_connectionLength = kConnectionLengthDefault_mm;

    lblHeightLimits->setText(gadims::bracketedMinMaxText(m_heightLimits));
    lblFrontBaffleLimits->setText(gadims::bracketedMinMaxText(m_frontBaffleLimits));
    lblReturnBaffleLimits->setText(gadims::bracketedMinMaxText(m_returnBaffleLimits));
    display(txtOverallDepth, gadims::kCombinationOverallDepth);
    display(txtSummaryDepth, gadims::kCombinationOverallDepth);
    display(txtFinnedLength, m_finnedLength);
    display(txtOverallHeight, m_overallHeight);
    display(txtSummaryHeight, m_overallHeight);
    display(txtReturnBaffle, m_returnBaffle);
    display(txtFrontBaffle, m_frontBaffle);
    display(txtConnectionLength, m_connectionLength);
    showOverallWidth();
}

void Form2::showOverallWidth()
{
    m_overallWidth = m_returnBaffle + m_finnedLength + m_frontBaffle;
    display(txtOverallWidth, m_overallWidth);
    display(txtSummaryWidth, m_overallWidth);
}

bool Form2::checkConnectionLength()
{
    const auto value = acceptedValue(txtConnectionLength, gadims::kConnectionLengthLimits,
                                     QStringLiteral("Invaild Connection Length"));
    if (!value) {
        return false;
    }
    m_connectionLength = *value;
    return true;
}

bool Form2::checkFrontBaffle()
{
    const auto value =
        acceptedValue(txtFrontBaffle, m_frontBaffleLimits, QStringLiteral("Invaild Front Baffle"));
    if (!value) {
        return false;
    }
    m_frontBaffle = *value;
    showOverallWidth();
    return true;
}

bool Form2::checkReturnBaffle()
{
    const auto value =
        acceptedValue(txtReturnBaffle, m_returnBaffleLimits, QStringLiteral("Invaild Return Baffle"));
    if (!value) {
        return false;
    }
    m_returnBaffle = *value;
    showOverallWidth();
    return true;
}

bool Form2::checkOverallHeight()
{
    const auto value =
        acceptedValue(txtOverallHeight, m_heightLimits, QStringLiteral("Invaild Overall Height"));
    if (!value) {
        return false;
    }
    m_overallHeight = *value;
    m_flangeDepth = gadims::combinationFlangeDepth(m_overallHeight, m_section.tubesHigh, m_drainpan);
    display(txtSummaryHeight, m_overallHeight);
    return true;
}

std::unique_ptr<PendingDrawing> Form2::startDrawing(const DrawingStep& step)
{
    CombinationDrawingValues values;
    values.drainpan = m_drainpan;
    values.refrigerant = sources().refrigerant();
    values.leftHand = optLeft->isChecked();
    values.overallHeight = m_overallHeight;
    values.flangeDepth = m_flangeDepth;
    values.returnBaffle = m_returnBaffle;
    values.finnedLength = m_finnedLength;
    values.frontBaffle = m_frontBaffle;
    values.connectionLength = m_connectionLength;
    values.connectionSize = values.refrigerant ? QString() : m_connectionSize;
    if (m_twoSections) {
        values.stacked = twoSectionNoteText(true, m_overallHeight, m_section.heightDifference_mm);
    }
    return startCombination(values, step);
}

QString Form2::heatpipeCode() const
{
    const DimensionSources& from = sources();
    return heatpipeCodeText(from.costingWhole("txtfpicccost"), from.costingWhole("txtnorowscccost"),
                            from.tubesHigh(), from.finnedLength());
}

} // namespace vexa::app
