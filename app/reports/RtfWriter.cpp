#include "reports/RtfWriter.h"

namespace vexa::app {

namespace {

// Writes one UTF-16 unit as RTF: the three characters RTF reserves escaped, line
// feeds as paragraph ends, tabs as tab marks, anything outside printable ASCII as
// \uN with "?" for readers that do not know Unicode (RTF's N is a signed 16-bit number).
void appendCharacter(QByteArray& rtf, char16_t unit)
{
    switch (unit) {
    case u'\\':
        rtf += "\\\\";
        return;
    case u'{':
        rtf += "\\{";
        return;
    case u'}':
        rtf += "\\}";
        return;
    case u'\n':
        rtf += "\\par\r\n";
        return;
    case u'\t':
        rtf += "\\tab ";
        return;
    case u'\r':
        return;
    default:
        break;
    }
    if (unit >= 0x20 && unit < 0x7f) {
        rtf += static_cast<char>(unit);
        return;
    }
    const int signedValue = unit < 0x8000 ? static_cast<int>(unit) : static_cast<int>(unit) - 0x10000;
    rtf += "\\u" + QByteArray::number(signedValue) + '?';
}

QByteArray fontNameText(const QString& fontName)
{
    QByteArray name;
    for (const QChar character : fontName) {
        appendCharacter(name, character.unicode());
    }
    return name;
}

} // namespace

QByteArray plainTextToRtf(const QString& text, const QString& fontName, int pointSize)
{
    QByteArray rtf;
    rtf.reserve(text.size() * 2 + 200);
    // \fmodern: a fixed-pitch family, so a reader without the font picks another
    // fixed-pitch one. \fs is in half points; \deftab 720 twips is half an inch.
    rtf += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fmodern\\fcharset0 " +
           fontNameText(fontName) + ";}}\r\n";
    rtf += "\\deftab720\\viewkind4\\pard\\plain\\f0\\fs" + QByteArray::number(pointSize * 2) + " ";
    for (const QChar character : text) {
        appendCharacter(rtf, character.unicode());
    }
    rtf += "\\par\r\n}";
    return rtf;
}

} // namespace vexa::app
