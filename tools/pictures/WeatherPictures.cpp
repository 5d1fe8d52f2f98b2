#include "WeatherPictures.h"

#include "Faces.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

const QSize kCondSize(45, 45);
const QSize kMoonSize(48, 48);
const QColor kCloudLight(0xfb, 0xfc, 0xfe);
const QColor kCloudGrey(0xc9, 0xd0, 0xd9);
const QColor kCloudDark(0x8a, 0x95, 0xa5);
const QColor kRain(0x2f, 0x7f, 0xd8);
const QColor kSnow(0x6f, 0xa8, 0xe0);
const QColor kFog(0x9a, 0xa6, 0xb5);

enum Sky : unsigned {
    Sun = 1,
    SmallSun = 2,
    Cloud = 4,
    DarkCloud = 8,
    SmallClouds = 16,
    Drops = 32,
    ManyDrops = 64,
    Flakes = 128,
    ManyFlakes = 256,
    Dots = 512,
    Bolt = 1024,
    FogBands = 2048,
    HazeBands = 4096,
    BackCloud = 8192,
    Wisp = 16384,
};

void sun(QPainter &p, QPointF centre, qreal radius, bool rays)
{
    p.save();
    if (rays) {
        p.setPen(QPen(Palette::amberDeep, 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * (radius + 2.5),
                       centre + QPointF(std::cos(a), std::sin(a)) * (radius + 6.5));
        }
    }
    QRadialGradient fill(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    fill.setColorAt(0, Palette::amberLight);
    fill.setColorAt(1, Palette::amberDeep);
    p.setBrush(fill);
    p.setPen(QPen(Palette::amberOutline, 1));
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

QPainterPath cloudPath(QRectF box)
{
    // Three puffs over a flat base, scaled into the box.
    const qreal w = box.width(), h = box.height();
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // the puffs merge into one outline
    path.addRoundedRect(QRectF(box.left(), box.top() + h * 0.45, w, h * 0.55), h * 0.27, h * 0.27);
    path.addEllipse(QRectF(box.left() + w * 0.12, box.top() + h * 0.22, w * 0.38, h * 0.62));
    path.addEllipse(QRectF(box.left() + w * 0.36, box.top(), w * 0.46, h * 0.8));
    return path.simplified();
}

void cloud(QPainter &p, QRectF box, const QColor &light, const QColor &deep)
{
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, light);
    fill.setColorAt(1, deep);
    p.setBrush(fill);
    p.setPen(QPen(Palette::steelOutline, 1));
    p.drawPath(cloudPath(box));
}

void drops(QPainter &p, int count, qreal top)
{
    p.setPen(QPen(kRain, 2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal x = 12 + i * (22.0 / std::max(1, count - 1)) + (i % 2) * 1.5;
        const qreal y = top + (i % 2) * 4;
        p.drawLine(QPointF(x + 1.5, y), QPointF(x - 1, y + 5));
    }
}

void flakes(QPainter &p, int count, qreal top)
{
    p.setPen(QPen(kSnow, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const QPointF c(12 + i * (22.0 / std::max(1, count - 1)), top + 3 + (i % 2) * 4);
        for (int k = 0; k < 3; ++k) {
            const qreal a = k * M_PI / 3;
            const QPointF d(std::cos(a) * 2.8, std::sin(a) * 2.8);
            p.drawLine(c - d, c + d);
        }
    }
}

void bands(QPainter &p, const QColor &colour, int count, qreal top)
{
    p.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal inset = (i % 2) ? 9 : 5;
        p.drawLine(QPointF(inset, top + i * 6), QPointF(45 - inset - 2, top + i * 6));
    }
}

QImage condition(unsigned sky)
{
    QImage image = blankPicture(kCondSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (sky & Sun)
        sun(p, {22.5, 22.5}, 9.5, true);
    if (sky & SmallSun)
        sun(p, {15, 14}, 7, true);
    if (sky & HazeBands) {
        p.setOpacity(0.85);
        bands(p, QColor(0xd9, 0xc6, 0x9a), 3, 20);
        p.setOpacity(1);
    }
    if (sky & BackCloud)
        cloud(p, {16, 5, 26, 16}, kCloudGrey, kCloudDark);
    if (sky & Wisp)
        cloud(p, {23, 27, 19, 11}, kCloudLight, kCloudGrey);
    if (sky & SmallClouds) {
        cloud(p, {20, 17, 20, 12}, kCloudLight, kCloudGrey);
        cloud(p, {4, 27, 17, 10}, kCloudLight, kCloudGrey);
    }
    const bool wet = sky & (Drops | ManyDrops | Flakes | ManyFlakes | Dots | Bolt);
    const QRectF cloudBox = wet ? QRectF(5, 7, 35, 20) : QRectF(5, 13, 35, 21);
    if (sky & Cloud)
        cloud(p, cloudBox, kCloudLight, kCloudGrey);
    if (sky & DarkCloud)
        cloud(p, cloudBox, kCloudGrey, kCloudDark);
    if (sky & Drops)
        drops(p, 3, 30);
    if (sky & ManyDrops)
        drops(p, 5, 30);
    if (sky & Flakes)
        flakes(p, 3, 30);
    if (sky & ManyFlakes)
        flakes(p, 5, 29);
    if (sky & Dots) {
        p.setPen(Qt::NoPen);
        p.setBrush(kRain);
        for (int i = 0; i < 6; ++i)
            p.drawEllipse(QPointF(11 + i * 4.6, 32 + (i % 2) * 4), 1.2, 1.2);
    }
    if (sky & Bolt) {
        QPainterPath bolt;
        bolt.moveTo(24, 24);
        bolt.lineTo(18, 34);
        bolt.lineTo(22.5, 34);
        bolt.lineTo(19.5, 42);
        bolt.lineTo(28, 30.5);
        bolt.lineTo(23.5, 30.5);
        bolt.lineTo(27, 24);
        bolt.closeSubpath();
        p.setBrush(Palette::amberLight);
        p.setPen(QPen(Palette::amberOutline, 1));
        p.drawPath(bolt);
    }
    if (sky & FogBands)
        bands(p, kFog, 5, 12);
    return image;
}

QImage unknown()
{
    QImage image = blankPicture(kCondSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xe6, 0xea, 0xef));
    p.setPen(QPen(Palette::steelOutline, 1));
    p.drawEllipse(QRectF(6.5, 6.5, 32, 32));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Palette::steelInk);
    p.drawText(QRectF(6.5, 6.5, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

// The lit part of the moon at this age (0 new, 15 full, 30 new again), as a path.
QPainterPath litPart(int age, QPointF centre, qreal radius)
{
    const qreal k = std::cos(2 * M_PI * age / 30.0);
    const bool waxing = age <= 15;
    QPolygonF outline;
    constexpr int kSteps = 48;
    for (int i = 0; i <= kSteps; ++i) { // the limb, top to bottom
        const qreal y = -radius + 2 * radius * i / kSteps;
        const qreal half = std::sqrt(std::max(0.0, radius * radius - y * y));
        outline << centre + QPointF(waxing ? half : -half, y);
    }
    for (int i = kSteps; i >= 0; --i) { // the terminator, bottom to top
        const qreal y = -radius + 2 * radius * i / kSteps;
        const qreal half = std::sqrt(std::max(0.0, radius * radius - y * y));
        outline << centre + QPointF(waxing ? k * half : -k * half, y);
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

QImage moon(int age)
{
    QImage image = blankPicture(kMoonSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(24, 24);
    const qreal radius = 20;
    p.setBrush(QColor(0x3a, 0x44, 0x55));
    p.setPen(QPen(QColor(0x5d, 0x69, 0x7c), 1));
    p.drawEllipse(centre, radius, radius);
    const QPainterPath lit = litPart(age, centre, radius);
    QRadialGradient glow(centre - QPointF(6, 6), radius * 1.5);
    glow.setColorAt(0, QColor(0xff, 0xfb, 0xe6));
    glow.setColorAt(1, QColor(0xe8, 0xdc, 0xb0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawPath(lit);
    // A few seas, seen only where the moon is lit.
    p.setClipPath(lit);
    p.setBrush(QColor(0xd3, 0xc6, 0x98));
    p.drawEllipse(QPointF(17, 17), 4.5, 3.5);
    p.drawEllipse(QPointF(29, 27), 5, 4);
    p.drawEllipse(QPointF(20, 32), 3, 2.5);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5d, 0x69, 0x7c), 1));
    p.drawEllipse(centre, radius, radius);
    return image;
}

QImage collecting()
{
    const QSize size(238, 58);
    QImage image = blankPicture(size);
    QPainter p(&image);
    paintFace(p, size, 10, Look::Normal);
    p.setRenderHint(QPainter::Antialiasing);
    sun(p, {27, 24}, 8, true);
    cloud(p, {19, 25, 30, 17}, kCloudLight, kCloudGrey);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(17);
    font.setBold(true);
    p.setFont(font);
    p.setPen(engraveColor(Look::Normal));
    p.drawText(QRectF(62, 1, 170, 58), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Collecting data..."));
    p.setPen(inkColor(Look::Normal));
    p.drawText(QRectF(62, 0, 170, 58), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Collecting data..."));
    return image;
}

} // namespace

QList<NamedPicture> conditionPictures()
{
    const struct
    {
        const char *name;
        unsigned sky;
    } list[] = {
        {"cloudy", BackCloud | Cloud},
        {"fair", Sun | Wisp},
        {"fog", FogBands},
        {"haze", SmallSun | HazeBands},
        {"light-rain", Cloud | Drops},
        {"light-snow", Cloud | Flakes},
        {"drizzle", Cloud | Dots},
        {"mostly-cloudy", SmallSun | BackCloud | Cloud},
        {"overcast", BackCloud | DarkCloud},
        {"partly-cloudy", SmallSun | Cloud},
        {"rain-thunder", DarkCloud | Bolt | Drops},
        {"rain", DarkCloud | ManyDrops},
        {"scattered-clouds", SmallSun | SmallClouds},
        {"snow", Cloud | ManyFlakes},
        {"sunny", Sun},
        {"unknown", 0},
    };
    QList<NamedPicture> pictures;
    int number = 1;
    for (const auto &entry : list) {
        const QString name = QStringLiteral("%1-%2.png")
                                 .arg(number, 2, 10, QLatin1Char('0'))
                                 .arg(QLatin1String(entry.name));
        pictures.append({name, number == 16 ? unknown() : condition(entry.sky)});
        ++number;
    }
    return pictures;
}

QList<NamedPicture> moonPictures()
{
    QList<NamedPicture> pictures;
    for (int age = 0; age <= 30; ++age)
        pictures.append(
            {QStringLiteral("moon%1.png").arg(age, 2, 10, QLatin1Char('0')), moon(age)});
    return pictures;
}

QList<NamedPicture> collectingPictures()
{
    return {{QStringLiteral("1-collecting.png"), collecting()}};
}
