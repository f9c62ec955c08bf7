// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>

// A progressive JPEG of a 24-bit BGR image whose last scan is repeated until the file holds
// totalScans scans: the shape of a file that makes a decoder work long over little data.
enum class RepeatedScan
{
    // libjpeg's standard progression; its last scan refines bits already refined, which the
    // decoder warns about at the first repeat.
    Refinement,
    // A progression of first scans only (DC, then each component's AC band at full precision);
    // repeating one is valid and draws no warning at all.
    FirstPass,
};

QByteArray manyScanJpeg(const QImage &bgr, RepeatedScan kind, int totalScans);

// A valid progressive JPEG of totalScans scans (4 to 66): the DC of all three components, the AC
// band of each chroma component, and luma's AC coefficients spread over the remaining scans.
QByteArray bandSplitJpeg(const QImage &bgr, int totalScans);
