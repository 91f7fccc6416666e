#include "gadialogs/Form1.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace vexa::app {

namespace {

// The straight dialog starts with a centre flange of 50 mm each side of the divide
// and a flange depth of 50 mm beyond each end of the finned length.
constexpr int32_t kCentreFlangeDefault_mm = 50;
constexpr int32_t kFlangeDepthDefault_mm = 50;

} // namespace

Form1::Form1(const DimensionSources& sources, QWidget* parent) : DimensionDialog(sources, parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Straight Heatpipe GA"));
    build();
    loadDefaults();
}

void Form1::build()
{
    txtSupplyAir = newField("txtSupplyAir", false);
    txtExtractAir = newField("txtExtractAir", false);
    txtCentreFlange = newField("txtCentreFlange", true);
    txtFinnedLength = newField("txtFinnedLength", false);
    txtOverallWidth = newField("txtOverallWidth", true);
    txtOverallHeight = newField("txtOverallHeight", true);
    txtOverallDepth = newField("txtOverallDepth", false);
    lblOverallWidth = newLabel(QString(), "lblOverallWidth");
    lblOverallHeight = newLabel(QString(), "lblOverallHeight");
    lblHeightLimits = newLabel(QString(), "lblHeightLimits");
    lblWidthLimits = newLabel(QString(), "lblWidthLimits");
    lblCentreFlangeLimits = newLabel(QStringLiteral("(Min 15 Max 100)"), "lblCentreFlangeLimits");

    fraLengths = newFrame(QString(), "fraLengths");
    auto* lengths = new QGridLayout(fraLengths);
    addRow(lengths, 0, newLabel(QStringLiteral("Supply Air :")), txtSupplyAir);
    addRow(lengths, 1, newLabel(QStringLiteral("Extract Air :")), txtExtractAir);
    addRow(lengths, 2, newLabel(QStringLiteral("Centre Flange :")), txtCentreFlange, lblCentreFlangeLimits);
    addRow(lengths, 3, newLabel(QStringLiteral("Finned Length :")), txtFinnedLength);
    addRow(lengths, 4, lblOverallWidth, txtOverallWidth, lblWidthLimits);
    lengths->setColumnStretch(2, 1);

    fraOverallHeight = newFrame(QString(), "fraOverallHeight");
    auto* height = new QGridLayout(fraOverallHeight);
    addRow(height, 0, lblOverallHeight, txtOverallHeight, lblHeightLimits);
    height->setColumnStretch(2, 1);

    QGroupBox* fraDepth = newFrame(QStringLiteral("Depth"), "fraDepth");
    auto* depth = new QGridLayout(fraDepth);
    addRow(depth, 0, newLabel(QStringLiteral("Overall Depth :")), txtOverallDepth);
    depth->setColumnStretch(2, 1);

    fraSummary = newSummaryFrame(QString());

    auto* body = new QWidget(this);
    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(fraLengths, 0, 0, 3, 1);
    grid->addWidget(fraOverallHeight, 0, 1);
    grid->addWidget(fraDepth, 1, 1);
    grid->addWidget(fraSummary, 2, 1);
    finishLayout(body);

    checks().add(txtCentreFlange, [this] { return checkCentreFlange(); });
    checks().add(txtOverallHeight, [this] { return checkOverallHeight(); });
    checks().add(txtOverallWidth, [this] { return checkOverallWidth(); });
}

void Form1::loadDefaults()
{
    const DimensionSources& from = sources();
    const bool horizontal = from.horizontal();
    m_twoSections = from.twoSections();
    m_section = gadims::sectionDrawn(from.tubesHigh(), m_twoSections);
    m_tubeRows = gadims::straightTubeRows(m_section.tubesHigh, horizontal);

    m_supplyAir = from.finnedWidth();
    m_extractAir = m_supplyAir;
    m_centreFlange = kCentreFlangeDefault_mm;
    m_finnedLength = gadims::straightFinnedLength(m_supplyAir, m_extractAir, m_centreFlange);
    m_flangeDepth = kFlangeDepthDefault_mm;
    m_overallWidth = m_finnedLength + 2 * kFlangeDepthDefault_mm;
    m_overallDepth = from.eliminators() ? 365 : 185;
    m_overallHeight = gadims::straightOverallHeight(m_tubeRows);
    m_heightLimits = gadims::straightHeightLimits(m_tubeRows);
    m_flangeWidth = gadims::straightFlangeWidth(m_overallHeight, m_tubeRows);

    setWindowTitle(horizontal ? QStringLiteral("Horizontal Straight Heatpipe Dimensions")
                              : QStringLiteral("Vertical Straight Heatpipe Dimensions"));
    fraLengths->setTitle(horizontal ? QStringLiteral("Width") : QStringLiteral("Height"));
    fraOverallHeight->setTitle(horizontal ? QStringLiteral("Height") : QStringLiteral("Width"));
    fraSummary->setTitle(horizontal ? QStringLiteral("Height x Width x Depth")
                                    : QStringLiteral("Width x Height x Depth"));
    lblOverallWidth->setText(horizontal ? QStringLiteral("Overall Width :")
                                        : QStringLiteral("Overall Height :"));
    lblOverallHeight->setText(horizontal ? QStringLiteral("Overall Height :")
                                         : QStringLiteral("Overall Width :"));
    lblHeightLimits->setText(gadims::minMaxText(m_heightLimits));

    display(txtSupplyAir, m_supplyAir);
    display(txtExtractAir, m_extractAir);
    display(txtCentreFlange, m_centreFlange);
    display(txtFinnedLength, m_finnedLength);
    display(txtOverallWidth, m_overallWidth);
    display(txtOverallHeight, m_overallHeight);
    display(txtOverallDepth, m_overallDepth);
    display(txtSummaryHeight, m_overallHeight);
    display(txtSummaryWidth, m_overallWidth);
    display(txtSummaryDepth, m_overallDepth);
    showWidthLimits();
}

void Form1::showWidthLimits()
{
    lblWidthLimits->setText(gadims::minMaxText(gadims::straightWidthLimits(m_finnedLength)));
}

bool Form1::checkCentreFlange()
{
    const auto value = gadims::wholeNumberAtStart(txtCentreFlange->text());
    if (!value || !gadims::kCentreFlangeLimits.contains(*value)) {
        return reject(QStringLiteral("Invaild Entry"),
                      QStringLiteral("Invaild Input,  Please enter value between 15 - 100"));
    }
    m_centreFlange = *value;
    display(txtCentreFlange, m_centreFlange);
    m_finnedLength = gadims::straightFinnedLength(m_supplyAir, m_extractAir, m_centreFlange);
    display(txtFinnedLength, m_finnedLength);
    if (!gadims::straightWidthLimits(m_finnedLength).contains(m_overallWidth)) {
        m_overallWidth = m_finnedLength + 100;
        display(txtOverallWidth, m_overallWidth);
    }
    m_flangeDepth = gadims::straightFlangeDepth(m_overallWidth, m_finnedLength);
    showWidthLimits();
    display(txtSummaryWidth, m_overallWidth);
    return true;
}

bool Form1::checkOverallHeight()
{
    const auto value =
        acceptedValue(txtOverallHeight, m_heightLimits, QStringLiteral("Invaild Overall Height"));
    if (!value) {
        return false;
    }
    m_overallHeight = *value;
    m_flangeWidth = gadims::straightFlangeWidth(m_overallHeight, m_tubeRows);
    display(txtSummaryHeight, m_overallHeight);
    return true;
}

bool Form1::checkOverallWidth()
{
    const auto value = acceptedValue(txtOverallWidth, gadims::straightWidthLimits(m_finnedLength),
                                     QStringLiteral("Invaild Overall width"));
    if (!value) {
        return false;
    }
    m_overallWidth = *value;
    display(txtSummaryWidth, m_overallWidth);
    m_flangeDepth = gadims::straightFlangeDepth(m_overallWidth, m_finnedLength);
    return true;
}

std::unique_ptr<PendingDrawing> Form1::startDrawing(const DrawingStep& step)
{
    StraightDrawingValues values;
    values.horizontal = sources().horizontal();
    values.drainpanType = sources().drainpanType();
    values.overallHeight = m_overallHeight;
    values.overallWidth = m_overallWidth;
    values.overallDepth = m_overallDepth;
    values.supplyAir = m_supplyAir;
    values.finnedLength = m_finnedLength;
    values.flangeWidth = m_flangeWidth;
    values.extractAir = m_extractAir;
    values.centreFlange = m_centreFlange;
    values.flangeDepth = m_flangeDepth;
    if (m_twoSections) {
        values.stacked =
            twoSectionNoteText(values.horizontal, m_overallHeight, m_section.heightDifference_mm);
    }
    return startStraight(values, step);
}

QString Form1::heatpipeCode() const
{
    const DimensionSources& from = sources();
    return heatpipeCodeText(from.mainWhole("cmbFPI"), from.mainWhole("cmbRows"), from.tubesHigh(),
                            from.finnedLength());
}

} // namespace vexa::app
