#include "common/OutputFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace vexa::app {

QString outputFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("ARDELVEXA_OUTPUT_DIR");
    if (!fromEnvironment.isEmpty()) {
        return fromEnvironment;
    }
    const QSettings settings(QStringLiteral("ArdelVexa"), QStringLiteral("ArdelVexa"));
    const QString fromSettings = settings.value(QStringLiteral("Output/Folder")).toString();
    if (!fromSettings.isEmpty()) {
        return fromSettings;
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("ArdelVexa"));
}

QString newOutputPath(const QString& baseName, const QString& suffix)
{
    const QDir folder(outputFolder());
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = folder.filePath(baseName + QLatin1Char('-') + stamp + QLatin1Char('.') + suffix);
    for (int counter = 2; QFileInfo::exists(path); ++counter) {
        path = folder.filePath(baseName + QLatin1Char('-') + stamp + QLatin1Char('-') +
                               QString::number(counter) + QLatin1Char('.') + suffix);
    }
    return path;
}

} // namespace vexa::app
