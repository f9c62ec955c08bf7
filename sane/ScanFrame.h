// SPDX-License-Identifier: MIT
#pragma once

#include "sane/ScanSettings.h"

#include <QImage>

#include <cstdint>
#include <span>
#include <vector>

// The bytes of one scan, made from the camera's picture as the program shows it: the scan area,
// at half size for a preview, in colour, grey or black and white. Grey is the luma of the
// colours (ITU-R BT.601 weights); Lineart packs eight pixels a byte, the leftmost in the most
// significant bit, 1 for black.
class ScanFrame
{
public:
    // Made anew from picture (PictureWidth x PictureHeight; any other size leaves it empty), in
    // the memory of the last scan: a scan's bytes are megabytes, fresh pages cost more than
    // filling them.
    void make(const QImage &picture, const ScanSettings &settings);
    void clear() { m_bytes.clear(); }

    const SANE_Parameters &parameters() const { return m_parameters; }
    std::span<const std::uint8_t> bytes() const { return m_bytes; }
    bool isEmpty() const { return m_bytes.empty(); }

    static std::uint8_t luma(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

private:
    SANE_Parameters m_parameters{};
    std::vector<std::uint8_t> m_bytes;
};
