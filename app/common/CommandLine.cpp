#include "common/CommandLine.h"

#include "common/EngineError.h"
#include "common/NumberText.h"

namespace vexa::app {

QString switchValue(const QString& commandLine, const QString& name)
{
    const QString wanted = name.trimmed();
    qsizetype pos = commandLine.indexOf(QLatin1Char('/'));
    while (pos >= 0) {
        const qsizetype nameStart = pos + 1;
        const qsizetype equals = commandLine.indexOf(QLatin1Char('='), nameStart);
        const qsizetype nextSlash = commandLine.indexOf(QLatin1Char('/'), nameStart);
        if (equals < 0) {
            return {};
        }
        if (nextSlash >= 0 && nextSlash < equals) {
            // A "/" before any "=": that switch has no value; the next one starts here.
            pos = nextSlash;
            continue;
        }
        const QString switchName = commandLine.mid(nameStart, equals - nameStart).trimmed();
        const qsizetype valueEnd = commandLine.indexOf(QLatin1Char('/'), equals + 1);
        const QString value = commandLine.mid(equals + 1, valueEnd < 0 ? -1 : valueEnd - equals - 1);
        if (switchName.compare(wanted, Qt::CaseInsensitive) == 0) {
            return value.trimmed();
        }
        pos = valueEnd;
    }
    return {};
}

QString joinedCommandLine(const QStringList& arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

int32_t quoteIdFrom(const QString& commandLine)
{
    const QString value = switchValue(commandLine, QStringLiteral("QUOTEID"));
    try {
        return num::toInt32(num::leadingNumber(value.toStdString()));
    } catch (const EngineError&) {
        return 0; // a key beyond the range of an order key opens no order
    }
}

} // namespace vexa::app
