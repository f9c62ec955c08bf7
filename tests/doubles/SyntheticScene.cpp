// SPDX-License-Identifier: MIT
#include "tests/doubles/SyntheticScene.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

namespace {
void put32(char *p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char(v >> (8 * i));
}

void drawPrint(QPainter &painter, const QRect &sheet, std::mt19937 &random)
{
    // Lines of "words": short dark bars with gaps, like text seen from a distance.
    std::uniform_int_distribution<int> wordLength(8, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 40));
    for (int y = sheet.top() + 30; y < sheet.bottom() - 20; y += 18) {
        int x = sheet.left() + 25;
        while (x < sheet.right() - 60) {
            const int length = wordLength(random);
            painter.drawRect(x, y, length, y % 36 == 0 ? 9 : 7);
            x += length + 7;
        }
    }
}
} // namespace

QImage syntheticScene(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    QImage canvas(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(canvas.scanLine(y));
        for (int x = 0; x < width; ++x) // light falling off towards one corner
            row[x] = qRgb(90 + 100 * x / width, 80 + 90 * y / height,
                          70 + 60 * (x + y) / (width + height));
    }
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect sheet(width / 12, height / 10, width / 2, height * 3 / 4);
    painter.fillRect(sheet, QColor(235, 232, 220));
    drawPrint(painter, sheet, random);
    painter.setPen(QPen(QColor(200, 30, 30), 3));
    painter.setBrush(QColor(40, 120, 200));
    painter.drawEllipse(QPoint(width * 3 / 4, height / 4), width / 10, width / 10);
    painter.setBrush(QColor(240, 200, 40));
    painter.drawRect(width * 2 / 3, height / 2, width / 5, height / 6);
    QPainterPath stroke;
    stroke.moveTo(width * 0.62, height * 0.9);
    stroke.cubicTo(width * 0.7, height * 0.6, width * 0.85, height * 0.95, width * 0.95,
                   height * 0.7);
    painter.setPen(QPen(QColor(20, 90, 30), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stroke);
    painter.end();

    // A woven texture with detail down to single pixels, then noise of +-6 on every channel.
    QImage scene = canvas.convertToFormat(QImage::Format_BGR888);
    std::uniform_int_distribution<int> noise(-6, 6);
    for (int y = 0; y < height; ++y) {
        uchar *row = scene.scanLine(y);
        for (int x = 0; x < width * 3; ++x) {
            int value = row[x] + noise(random);
            if (x / 3 > width * 2 / 3 && y > height * 3 / 4)
                value += int(20 * std::sin(x / 3 * 1.3) * std::cos(y * 0.9));
            row[x] = uchar(std::clamp(value, 0, 255));
        }
    }
    return scene;
}

QByteArray cameraBmpFile(const QImage &image)
{
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    const int stride = (bgr.width() * 3 + 3) / 4 * 4;
    const int pixels = stride * bgr.height();
    QByteArray file(54 + pixels, '\0');
    char *d = file.data();
    d[0] = 'B';
    d[1] = 'M';
    put32(d + 2, quint32(file.size()));
    put32(d + 10, 54);
    put32(d + 14, 40);
    put32(d + 18, quint32(bgr.width()));
    put32(d + 22, quint32(bgr.height()));
    d[26] = 1;
    d[28] = 24;
    put32(d + 34, quint32(pixels));
    for (int row = 0; row < bgr.height(); ++row)
        std::memcpy(d + 54 + row * stride, bgr.constScanLine(bgr.height() - 1 - row),
                    std::size_t(bgr.width()) * 3);
    return file;
}
