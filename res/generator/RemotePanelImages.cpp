// SPDX-License-Identifier: MIT
// The remote panel's keys, bars, arrows and caption overlays, all 8 bits per pixel, named
// "rc-<resource id>.png" after the ids the panel asks for.
#include "res/generator/Catalogue.h"
#include "res/generator/RemotePanelPaint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <deque>
#include <string>
#include <tuple>
#include <vector>

using namespace PanelPaint;

namespace {
struct KeyColours
{
    QColor body;
    QColor light; // top and left edge
    QColor shade; // bottom and right edge
};
const KeyColours Unlit{DarkBlue, DarkBlueLight, DarkBlueShade};
const KeyColours Lit{LightBlue, LightBlueLight, LightBlueShade};
const KeyColours Cyan{QColor(44, 214, 230), QColor(176, 246, 250), QColor(12, 132, 152)};
const KeyColours DarkGreen{QColor(26, 102, 50), QColor(74, 154, 94), QColor(8, 50, 22)};
const KeyColours BrightGreen{QColor(72, 230, 102), QColor(182, 255, 192), QColor(22, 140, 52)};
const KeyColours PressedArrow{QColor(16, 34, 98), DarkBlueShade, DarkBlueLight};
const KeyColours DisabledArrow{QColor(14, 14, 18), QColor(44, 44, 50), QColor(4, 4, 6)};

// A key face of `size` logical pixels with a bevel `depth` logical pixels deep. The bevel is
// drawn one device pixel at a time, so that its mitred corners stay fine at any scale. The
// corners stay the panel's face colour, which rounds the key off against the panel on any
// desktop: one pixel at scale 1, a small triangle at scale 2.
QImage drawKeyFace(QSize size, const KeyColours &colours, int depth, int scale)
{
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(colours.body);
    const int w = image.width();
    const int h = image.height();
    {
        QPainter p(&image);
        for (int i = 0; i < depth * scale; ++i) {
            p.setPen(colours.light);
            p.drawLine(i, i, w - 1 - i, i);
            p.drawLine(i, i, i, h - 1 - i);
            p.setPen(colours.shade);
            p.drawLine(i, h - 1 - i, w - 1 - i, h - 1 - i);
            p.drawLine(w - 1 - i, i, w - 1 - i, h - 1 - i);
        }
    }
    for (int y = 0; y < scale; ++y) {
        for (int x = 0; x + y < scale; ++x) {
            for (const QPoint corner : {QPoint(x, y), QPoint(w - 1 - x, y), QPoint(x, h - 1 - y),
                                        QPoint(w - 1 - x, h - 1 - y)})
                image.setPixelColor(corner, Face);
        }
    }
    image.setDevicePixelRatio(scale);
    return image;
}

QImage drawLabelledKey(QSize size, const QString &caption, bool lit, int depth, int maxFont,
                       int scale)
{
    QImage image = drawKeyFace(size, lit ? Lit : Unlit, depth, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect inside = QRect(QPoint(), size).adjusted(depth, depth, -depth, -depth);
    const QFont f = fittingFont(caption, inside.width() - 2, maxFont, false);
    // Yellow on light blue needs a shadow to stay legible.
    if (lit)
        drawCentred(p, inside.translated(1, 1), caption, f, LightBlueShade);
    drawCentred(p, inside, caption, f, lit ? LitYellow : KeyWhite);
    return image;
}

// An arrow pointing up, centred on the origin, for a 46 x 46 key.
QPolygonF upArrow()
{
    return QPolygonF({{0, -14}, {13, -1}, {5, -1}, {5, 13}, {-5, 13}, {-5, -1}, {-13, -1}});
}

enum class ArrowLook
{
    Pressed,
    Normal,
    Disabled
};

QImage drawArrowKey(qreal degrees, ArrowLook look, int scale)
{
    const KeyColours &colours = look == ArrowLook::Pressed    ? PressedArrow
                                : look == ArrowLook::Disabled ? DisabledArrow
                                                              : Unlit;
    QImage image = drawKeyFace(QSize(46, 46), colours, 2, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A pressed key's arrow sinks by a pixel with the face.
    const qreal shift = look == ArrowLook::Pressed ? 1 : 0;
    p.translate(23 + shift, 23 + shift);
    p.rotate(degrees);
    p.setPen(Qt::NoPen);
    p.setBrush(look == ArrowLook::Disabled ? QColor(112, 112, 118) : KeyWhite);
    p.drawPolygon(upArrow());
    return image;
}

// The other captions' typeface and weight, never condensed: where the longer pair does not fit
// at their size, both pairs are a pixel or two smaller instead, so that they match each other.
QFont captionPairFont(int width)
{
    for (int size = 10; size > 7; --size) {
        const QFontMetrics metrics(font(size, true));
        if (metrics.horizontalAdvance(QStringLiteral("POSI/NEGA")) <= width &&
            metrics.horizontalAdvance(QStringLiteral("COLOR/B&W")) <= width)
            return font(size, true);
    }
    return font(7, true);
}

// Two words of a caption, one dark (the state selected), the other greyed.
QImage drawCaptionPair(const QString &first, const QString &second, bool firstDark, int scale)
{
    constexpr QSize Size(63, 13);
    QImage image = canvas(Size, scale, Face);
    QPainter p(&image);
    // In device pixels, for the reason drawText() gives.
    p.scale(1.0 / scale, 1.0 / scale);
    const QString slash = QStringLiteral("/");
    const QFont f = scaledFont(captionPairFont(Size.width() - 2), scale);
    const QFontMetrics metrics(f);
    p.setFont(f);
    int x = (Size.width() * scale - metrics.horizontalAdvance(first + slash + second)) / 2;
    const int baseline = (Size.height() * scale + metrics.ascent() - metrics.descent()) / 2;
    const std::pair<QString, QColor> parts[] = {
        {first, firstDark ? Text : Shadow},
        {slash, Shadow},
        {second, firstDark ? Shadow : Text},
    };
    for (const auto &[text, colour] : parts) {
        p.setPen(colour);
        p.drawText(x, baseline, text);
        x += metrics.horizontalAdvance(text);
    }
    return image;
}

QImage indexedBar(QSize size, const KeyColours &colours, int scale)
{
    return toIndexed(drawKeyFace(size, colours, 1, scale));
}

struct Entries
{
    std::deque<std::string> names; // keeps every name's characters in place
    std::vector<CatalogueEntry> list;

    // The image at scale 1 and at scale 2 for a device pixel ratio of 2.
    void add(const QString &id, const std::function<QImage(int scale)> &draw)
    {
        for (const int scale : {1, 2}) {
            names.push_back("rc-" + id.toStdString() + (scale == 1 ? "" : "@2x") + ".png");
            list.push_back({names.back().c_str(), [draw, scale] {
                                return draw(scale);
                            }});
        }
    }
};

Entries makeEntries()
{
    Entries e;
    e.add(QStringLiteral("136"),
          [](int scale) { return toIndexed(drawRemotePanelBackground(scale)); });
    const char *keyCaptions[] = {"LOCK", "POINTER", "2x"};
    for (int k = 0; k < 3; ++k) {
        const QString caption = QString::fromLatin1(keyCaptions[k]);
        for (const bool lit : {true, false}) {
            e.add(QString::number(171 + 2 * k + (lit ? 0 : 1)), [caption, lit](int scale) {
                return toIndexed(drawLabelledKey(QSize(76, 27), caption, lit, 2, 13, scale));
            });
        }
    }
    const std::tuple<const char *, QSize, const KeyColours *> bars[] = {
        {"178", QSize(56, 12), &DarkGreen},   {"179", QSize(56, 12), &BrightGreen},
        {"182", QSize(58, 13), &Cyan},        {"183", QSize(58, 13), &Unlit},
        {"BTN1U", QSize(58, 13), &Unlit},     {"BTN1D", QSize(58, 13), &Cyan},
        {"BTN2U", QSize(56, 12), &DarkGreen}, {"BTN2D", QSize(56, 12), &BrightGreen},
    };
    for (const auto &[id, size, colours] : bars) {
        e.add(QString::fromLatin1(id), [size = size, colours = colours](int scale) {
            return indexedBar(size, *colours, scale);
        });
    }

    // The pad from top left to bottom right, centre left out.
    const qreal arrowAngles[] = {-45, 0, 45, -90, 90, -135, 180, 135};
    for (int k = 0; k < 8; ++k) {
        const qreal angle = arrowAngles[k];
        const ArrowLook looks[] = {ArrowLook::Pressed, ArrowLook::Normal, ArrowLook::Disabled};
        for (int i = 0; i < 3; ++i) {
            const ArrowLook look = looks[i];
            e.add(QString::number(184 + 3 * k + i),
                  [angle, look](int scale) { return toIndexed(drawArrowKey(angle, look, scale)); });
        }
    }

    for (int k = 0; k < 4; ++k) {
        const QString caption = QString::number(90 * k) + QChar(0x00b0);
        for (const bool lit : {true, false}) {
            e.add(QString::number(208 + 2 * k + (lit ? 0 : 1)), [caption, lit](int scale) {
                return toIndexed(drawLabelledKey(QSize(45, 13), caption, lit, 1, 10, scale));
            });
        }
    }

    const std::pair<const char *, const char *> captions[] = {{"POSI", "NEGA"}, {"COLOR", "B&W"}};
    for (int k = 0; k < 2; ++k) {
        const QString first = QString::fromLatin1(captions[k].first);
        const QString second = QString::fromLatin1(captions[k].second);
        for (const bool firstDark : {true, false}) {
            e.add(QString::number(217 + 2 * k + (firstDark ? 0 : 1)),
                  [first, second, firstDark](int scale) {
                      return toIndexed(drawCaptionPair(first, second, firstDark, scale));
                  });
        }
    }
    return e;
}
} // namespace

std::span<const CatalogueEntry> remotePanelCatalogue()
{
    static const Entries entries = makeEntries();
    return entries.list;
}
