#include "gadialogs/GaDrawings.h"

#include "common/NumberText.h"

#include <QStringList>

namespace vexa::app {

namespace {

QString S(int64_t value)
{
    return QString::fromStdString(num::S(value));
}

std::unique_ptr<PendingDrawing> notYetAvailable()
{
    throw DrawingFailed("You need to have Microsoft Word Installed to run general arrangement\n"
                        "General arrangement drawings are not available in this build.");
}

} // namespace

std::unique_ptr<PendingDrawing> startStraight(const StraightDrawingValues&, const DrawingStep&)
{
    return notYetAvailable();
}

std::unique_ptr<PendingDrawing> startHorseshoe(const HorseshoeDrawingValues&, const DrawingStep&)
{
    return notYetAvailable();
}

std::unique_ptr<PendingDrawing> startCombination(const CombinationDrawingValues&, const DrawingStep&)
{
    return notYetAvailable();
}

QString heatpipeCodeText(int32_t finsPerInch, int32_t rows, int32_t tubesHigh, int32_t finnedLength_mm)
{
    return QStringLiteral("12HP") + S(finsPerInch) + QStringLiteral(".") + S(rows) + QStringLiteral(" -") +
           S(tubesHigh) + QStringLiteral("T x") + S(finnedLength_mm);
}

QString twoSectionNoteText(bool horizontal, int32_t sectionOverallHeight_mm, int32_t heightDifference_mm)
{
    const QString total =
        QString::fromStdString(num::format(2.0 * sectionOverallHeight_mm - heightDifference_mm, "0.0"));
    return horizontal
               ? QStringLiteral("* HEAT PIPE SUPPLIED IN TWO SECTIONS STACKED ONE ON TOP OF THE OTHER. ONLY "
                                "ONE OF THE SECTIONS IS SHOWN, OVERALL HEIGHT = ") +
                     total + QStringLiteral(" mm *")
               : QStringLiteral("* HEAT PIPE SUPPLIED IN TWO SECTIONS FITTED SIDE BY SIDE. ONLY ONE OF THE "
                                "SECTIONS IS SHOWN, OVERALL WIDTH = ") +
                     total + QStringLiteral(" mm *");
}

bool hasDrainpan(const QString& drainpanType)
{
    return drainpanType == QLatin1String("Flat Drainpan") ||
           drainpanType == QLatin1String("Sloping Drainpan");
}

int32_t frontBaffleMinimum(const QString& connectionSize)
{
    static const QStringList small{QStringLiteral("3/4 inch"), QStringLiteral("1 inch"),
                                   QStringLiteral("1 1/4 inch"), QStringLiteral("1 1/2 inch")};
    if (small.contains(connectionSize)) {
        return 100;
    }
    if (connectionSize == QLatin1String("2 inch")) {
        return 115;
    }
    return connectionSize == QLatin1String("2 1/2 inch") ? 130 : 145;
}

} // namespace vexa::app
