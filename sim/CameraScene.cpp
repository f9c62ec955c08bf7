// SPDX-License-Identifier: MIT
#include "sim/CameraScene.h"

#include <QImage>

#include <algorithm>
#include <array>

namespace {
using Sample = CameraScene::Sample;
constexpr int Width = CameraScene::Width;
constexpr int Height = CameraScene::Height;

// The scene point shown at frame pixel (x, y) when the scene is turned clockwise about the
// frame's centre; false where the turned scene does not cover the frame.
bool scenePoint(int rotation, int x, int y, int &sx, int &sy)
{
    constexpr int shift = (Width - Height) / 2;
    switch (rotation & 3) {
    case 1:
        sx = y + shift;
        sy = Width - 1 - shift - x;
        break;
    case 2:
        sx = Width - 1 - x;
        sy = Height - 1 - y;
        break;
    case 3:
        sx = Width - 1 - shift - y;
        sy = x - shift;
        break;
    default:
        sx = x;
        sy = y;
        break;
    }
    return sx >= 0 && sx < Width && sy >= 0 && sy < Height;
}

std::array<std::uint8_t, 256> luminanceTable(const PictureState &state)
{
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v) {
        int y = v;
        if (state.lamp == 1)
            y = std::min(255, y + 24);
        else if (state.lamp == 2)
            y = y + (255 - y) * 3 / 16;
        if (state.negative)
            y = 255 - y;
        table[std::size_t(v)] = std::uint8_t(y);
    }
    return table;
}

std::int8_t chroma(int c, const PictureState &state)
{
    if (state.blackAndWhite)
        return 0;
    return std::int8_t(state.negative ? std::min(127, -c) : c);
}
} // namespace

Sample CameraScene::fromRgb(Rgb c)
{
    const int y = (77 * c.r + 150 * c.g + 29 * c.b + 128) >> 8;
    const auto difference = [](int d, int scale) {
        const int rounded = (d * 1000 + (d >= 0 ? scale / 2 : -scale / 2)) / scale;
        return std::int8_t(std::clamp(rounded, -128, 127));
    };
    return {std::uint8_t(y), difference(c.b - y, 1772), difference(c.r - y, 1402)};
}

CameraScene::CameraScene(Sample background)
    : m_pixels(std::size_t(Width) * Height, background)
{}

CameraScene::CameraScene(const QImage &picture)
    : CameraScene(grey(16))
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int rows = std::min(Height, rgb.height());
    const int columns = std::min(Width, rgb.width());
    for (int y = 0; y < rows; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < columns; ++x)
            at(x, y) = fromRgb({qRed(line[x]), qGreen(line[x]), qBlue(line[x])});
    }
}

void CameraScene::fill(int x0, int y0, int w, int h, Sample s)
{
    for (int y = y0; y < y0 + h; ++y)
        std::fill_n(&at(x0, y), w, s);
}

std::vector<std::uint8_t> renderFrame(const CameraScene &scene, const PictureState &state)
{
    const std::array<std::uint8_t, 256> luma = luminanceTable(state);
    const Sample background = CameraScene::grey(16);
    std::vector<std::uint8_t> frame(FrameLayout::RawFrameBytes);
    std::uint8_t *out = frame.data();
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; x += 2) {
            Sample pair[2];
            for (int i = 0; i < 2; ++i) {
                int sx = 0;
                int sy = 0;
                pair[i] =
                    scenePoint(state.rotation, x + i, y, sx, sy) ? scene.at(sx, sy) : background;
            }
            // Both pixels of a group share one colour difference: their mean.
            const int cb = (pair[0].cb + pair[1].cb) >> 1;
            const int cr = (pair[0].cr + pair[1].cr) >> 1;
            *out++ = std::uint8_t(chroma(cb, state));
            *out++ = luma[pair[0].y];
            *out++ = std::uint8_t(chroma(cr, state));
            *out++ = luma[pair[1].y];
        }
    }
    return frame;
}
