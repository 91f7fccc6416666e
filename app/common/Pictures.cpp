#include "common/Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace vexa::app {

namespace {

const QColor kCopper(184, 104, 52);
const QColor kFin(120, 140, 160);
const QColor kWater(40, 110, 210);
const QColor kIce(60, 170, 220);
const QColor kBrand(0, 70, 140);

// A block of fins crossed by copper tubes, in the rectangle given.
void drawCoil(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(kFin.darker(130), r.width() / 24.0));
    p.setBrush(kFin.lighter(150));
    p.drawRect(r);
    p.setPen(QPen(kFin.darker(110), r.width() / 40.0));
    for (int i = 1; i < 6; ++i) {
        const double x = r.left() + r.width() * i / 6.0;
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kCopper);
    for (int i = 0; i < 3; ++i) {
        const double y = r.top() + r.height() * (i + 0.5) / 3.0;
        p.drawRoundedRect(
            QRectF(r.left() - r.width() * 0.08, y - r.height() * 0.06, r.width() * 1.16, r.height() * 0.12),
            2, 2);
    }
}

void drawDrop(QPainter& p, const QRectF& r)
{
    QPainterPath drop;
    drop.moveTo(r.center().x(), r.top());
    drop.cubicTo(r.right(), r.center().y(), r.right(), r.bottom(), r.center().x(), r.bottom());
    drop.cubicTo(r.left(), r.bottom(), r.left(), r.center().y(), r.center().x(), r.top());
    p.setPen(QPen(kWater.darker(130), r.width() / 10.0));
    p.setBrush(kWater);
    p.drawPath(drop);
}

void drawCrystal(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(kIce.darker(120), r.width() / 8.0, Qt::SolidLine, Qt::RoundCap));
    const QPointF c = r.center();
    const double radius = r.width() / 2.0;
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(c);
        p.rotate(60.0 * i);
        p.drawLine(QPointF(-radius, 0), QPointF(radius, 0));
        p.restore();
    }
}

void drawSelection(QPainter& p, double s)
{
    drawCoil(p, QRectF(s * 0.1, s * 0.15, s * 0.5, s * 0.6));
    p.setPen(QPen(kBrand, s * 0.09));
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(s * 0.58, s * 0.5), s * 0.22, s * 0.22);
    p.setPen(QPen(kBrand, s * 0.12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.74, s * 0.66), QPointF(s * 0.9, s * 0.85));
}

void drawRating(QPainter& p, double s)
{
    const QRectF dial(s * 0.1, s * 0.2, s * 0.8, s * 0.8);
    p.setPen(QPen(kBrand, s * 0.08));
    p.setBrush(Qt::white);
    p.drawChord(dial, 0, 180 * 16);
    p.setPen(QPen(Qt::red, s * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.5, s * 0.6), QPointF(s * 0.72, s * 0.34));
    p.setPen(Qt::NoPen);
    p.setBrush(kBrand);
    p.drawEllipse(QPointF(s * 0.5, s * 0.6), s * 0.07, s * 0.07);
}

void drawCalculator(QPainter& p, double s)
{
    p.setPen(QPen(Qt::darkGray, s * 0.05));
    p.setBrush(QColor(230, 230, 235));
    p.drawRoundedRect(QRectF(s * 0.2, s * 0.08, s * 0.6, s * 0.84), s * 0.06, s * 0.06);
    p.setBrush(QColor(190, 220, 180));
    p.drawRect(QRectF(s * 0.28, s * 0.16, s * 0.44, s * 0.18));
    p.setPen(Qt::NoPen);
    p.setBrush(kBrand);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.drawRect(QRectF(s * (0.28 + col * 0.16), s * (0.42 + row * 0.16), s * 0.11, s * 0.11));
        }
    }
}

void drawText(QPainter& p, double s, const QString& text, const QColor& colour)
{
    p.setPen(QPen(colour.darker(130), s * 0.06));
    p.setBrush(colour);
    p.drawEllipse(QRectF(s * 0.08, s * 0.08, s * 0.84, s * 0.84));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(s * 0.6));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, text);
}

void drawPrinter(QPainter& p, double s)
{
    p.setPen(QPen(Qt::darkGray, s * 0.05));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(s * 0.28, s * 0.08, s * 0.44, s * 0.32));
    p.setBrush(QColor(90, 90, 100));
    p.drawRoundedRect(QRectF(s * 0.1, s * 0.36, s * 0.8, s * 0.36), s * 0.05, s * 0.05);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(s * 0.28, s * 0.6, s * 0.44, s * 0.32));
    p.setPen(QPen(Qt::gray, s * 0.04));
    p.drawLine(QPointF(s * 0.34, s * 0.72), QPointF(s * 0.66, s * 0.72));
    p.drawLine(QPointF(s * 0.34, s * 0.82), QPointF(s * 0.6, s * 0.82));
}

void drawExit(QPainter& p, double s)
{
    p.setPen(QPen(QColor(110, 70, 40), s * 0.06));
    p.setBrush(QColor(200, 150, 100));
    p.drawRect(QRectF(s * 0.12, s * 0.08, s * 0.42, s * 0.84));
    p.setPen(QPen(QColor(200, 40, 40), s * 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(s * 0.45, s * 0.5), QPointF(s * 0.9, s * 0.5));
    p.drawLine(QPointF(s * 0.75, s * 0.35), QPointF(s * 0.9, s * 0.5));
    p.drawLine(QPointF(s * 0.75, s * 0.65), QPointF(s * 0.9, s * 0.5));
}

} // namespace

QPixmap picture(Picture which, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    switch (which) {
    case Picture::Selection:
        drawSelection(p, s);
        break;
    case Picture::Rating:
        drawRating(p, s);
        break;
    case Picture::HeatPipe:
        drawCoil(p, QRectF(s * 0.2, s * 0.15, s * 0.6, s * 0.7));
        break;
    case Picture::WaterCoil:
        drawCoil(p, QRectF(s * 0.12, s * 0.15, s * 0.5, s * 0.7));
        drawDrop(p, QRectF(s * 0.6, s * 0.35, s * 0.32, s * 0.5));
        break;
    case Picture::RefrigerantCoil:
        drawCoil(p, QRectF(s * 0.12, s * 0.15, s * 0.5, s * 0.7));
        drawCrystal(p, QRectF(s * 0.6, s * 0.42, s * 0.34, s * 0.34));
        break;
    case Picture::Calculate:
        drawCalculator(p, s);
        break;
    case Picture::Costing:
        drawText(p, s, QStringLiteral("\u00a3"), QColor(30, 140, 70));
        break;
    case Picture::PrintSummary:
        drawPrinter(p, s);
        break;
    case Picture::ExitProgram:
        drawExit(p, s);
        break;
    case Picture::Help:
        drawText(p, s, QStringLiteral("?"), kBrand);
        break;
    }
    return pixmap;
}

QIcon icon(Picture which)
{
    QIcon result;
    for (const int size : {16, 24, 32, 48}) {
        result.addPixmap(picture(which, size));
    }
    return result;
}

QPixmap logoPicture(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double h = height;
    // The mark: three copper tubes bent round a blue square, a heat pipe seen end on.
    p.setPen(Qt::NoPen);
    p.setBrush(kBrand);
    p.drawRoundedRect(QRectF(0, h * 0.1, h * 0.8, h * 0.8), h * 0.12, h * 0.12);
    p.setPen(QPen(kCopper.lighter(120), h * 0.08, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = h * (0.3 + i * 0.2);
        p.drawLine(QPointF(h * 0.14, y), QPointF(h * 0.66, y));
    }
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(h * 0.5));
    font.setLetterSpacing(QFont::PercentageSpacing, 110);
    p.setFont(font);
    p.setPen(kBrand);
    p.drawText(QRectF(h * 0.95, 0, width - h * 0.95, h * 0.72), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ARDEL"));
    font.setBold(false);
    font.setPixelSize(static_cast<int>(h * 0.2));
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    p.setFont(font);
    p.setPen(QColor(90, 90, 90));
    p.drawText(QRectF(h * 0.95, h * 0.62, width - h * 0.95, h * 0.3), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("heat recovery"));
    return pixmap;
}

QPixmap splashPicture(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = width;
    const double h = height;
    // Air enters warm (red) on the left and leaves cool and dry (blue) on the right.
    QLinearGradient air(0, 0, w, 0);
    air.setColorAt(0.0, QColor(235, 120, 90));
    air.setColorAt(0.45, QColor(120, 170, 230));
    air.setColorAt(1.0, QColor(170, 200, 240));
    p.setPen(Qt::NoPen);
    p.setBrush(air);
    p.drawRoundedRect(QRectF(0, h * 0.3, w, h * 0.4), 6, 6);
    drawCoil(p, QRectF(w * 0.14, h * 0.2, w * 0.14, h * 0.6));
    drawCoil(p, QRectF(w * 0.72, h * 0.2, w * 0.14, h * 0.6));
    // The cooling coil between the two heat pipe sections.
    p.setPen(QPen(kWater.darker(120), 2));
    p.setBrush(kWater.lighter(160));
    p.drawRect(QRectF(w * 0.43, h * 0.22, w * 0.14, h * 0.56));
    // The wrap-around tubes joining the precool and reheat sections over the top.
    p.setPen(QPen(kCopper, h * 0.04, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath loop;
    loop.moveTo(w * 0.21, h * 0.2);
    loop.cubicTo(w * 0.21, h * 0.02, w * 0.79, h * 0.02, w * 0.79, h * 0.2);
    p.drawPath(loop);
    p.setPen(QPen(Qt::white, h * 0.03, Qt::SolidLine, Qt::RoundCap));
    const std::array<double, 3> arrows = {0.04, 0.34, 0.92};
    for (const double x : arrows) {
        p.drawLine(QPointF(w * x, h * 0.5), QPointF(w * (x + 0.05), h * 0.5));
        p.drawLine(QPointF(w * (x + 0.035), h * 0.45), QPointF(w * (x + 0.05), h * 0.5));
        p.drawLine(QPointF(w * (x + 0.035), h * 0.55), QPointF(w * (x + 0.05), h * 0.5));
    }
    return pixmap;
}

} // namespace vexa::app
