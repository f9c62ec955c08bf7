// SPDX-License-Identifier: MIT
#include "res/generator/RemotePanelPaint.h"

#include "res/generator/Catalogue.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <limits>
#include <map>
#include <vector>

namespace PanelPaint {
QImage canvas(QSize size, int scale, const QColor &fill)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(fill);
    image.setDevicePixelRatio(scale);
    return image;
}

QFont font(int pixelSize, bool crisp, QFont::Weight weight)
{
    QFont f(textFamily());
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    if (crisp) {
        f.setStyleStrategy(QFont::NoAntialias);
        // Whole-pixel advances: without them unsmoothed letters sit unevenly apart.
        f.setHintingPreference(QFont::PreferFullHinting);
    }
    return f;
}

QFont fittingFont(const QString &text, int width, int maxPixelSize, bool crisp)
{
    // Narrower letters first, a smaller size only when they are not enough: a long caption
    // stays as tall as its neighbours.
    QFont f = font(maxPixelSize, crisp);
    for (int size = maxPixelSize; size >= 7; --size) {
        for (int stretch = QFont::Unstretched; stretch >= QFont::Condensed; stretch -= 5) {
            f = font(size, crisp);
            f.setStretch(stretch);
            if (QFontMetrics(f).horizontalAdvance(text) <= width)
                return f;
        }
    }
    return f;
}

QFont scaledFont(QFont font, int scale)
{
    font.setPixelSize(font.pixelSize() * scale);
    return font;
}

void drawText(QPainter &p, const QRect &box, int flags, const QString &text, const QFont &font,
              const QColor &colour)
{
    const int scale = qRound(p.device()->devicePixelRatio());
    p.save();
    p.scale(1.0 / scale, 1.0 / scale);
    p.setFont(scaledFont(font, scale));
    p.setPen(colour);
    p.drawText(QRect(box.topLeft() * scale, box.size() * scale), flags, text);
    p.restore();
}

void drawCentred(QPainter &p, const QRect &box, const QString &text, const QFont &font,
                 const QColor &colour)
{
    drawText(p, box, Qt::AlignCenter, text, font, colour);
}

namespace {
int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

// Keeps at most 256 colours: the system colours, then the most frequent others. A pixel of any
// other colour, which is a rare step of an antialiased edge, takes the nearest kept colour that
// is not a system colour, so that no edge turns into the desktop's button colours.
void keepFrequentColours(QImage &image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[line[x]];
    }
    if (counts.size() <= 256)
        return;
    const QRgb system[] = {Text.rgb(), Shadow.rgb(), Face.rgb(), Highlight.rgb()};
    const auto isSystem = [&system](QRgb c) {
        return std::ranges::count(system, c) > 0;
    };
    std::vector<std::pair<QRgb, int>> byCount(counts.begin(), counts.end());
    // Most frequent first, system colours before all; ties in colour order, so that every
    // build draws the same image.
    std::ranges::stable_sort(byCount, [&isSystem](const auto &a, const auto &b) {
        return std::pair(isSystem(a.first), a.second) > std::pair(isSystem(b.first), b.second);
    });
    const auto keptEnd = byCount.begin() + 256;
    std::map<QRgb, QRgb> replacement;
    for (auto dropped = keptEnd; dropped != byCount.end(); ++dropped) {
        QRgb nearest = 0;
        int best = std::numeric_limits<int>::max();
        for (auto kept = byCount.begin(); kept != keptEnd; ++kept) {
            if (!isSystem(kept->first) && distance(kept->first, dropped->first) < best) {
                best = distance(kept->first, dropped->first);
                nearest = kept->first;
            }
        }
        replacement[dropped->first] = nearest;
    }
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (const auto it = replacement.find(line[x]); it != replacement.end())
                line[x] = it->second;
        }
    }
}
} // namespace

QImage toIndexed(const QImage &image)
{
    QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    keepFrequentColours(opaque);
    QImage indexed =
        opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (indexed.convertToFormat(QImage::Format_RGB32) != opaque)
        return QImage();
    return indexed;
}
} // namespace PanelPaint
