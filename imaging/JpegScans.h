// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>

namespace JpegScans {
// Whether a JPEG file's scans, read from its markers before anything is decoded, are at most
// maxScans and follow the format's progression rules: each coefficient of each component is
// first sent once (in a scan with Ah = 0) and then only refined, each refinement one bit finer
// than the last (Ah = the previous Al, Al = Ah - 1). A file that breaks them costs a pass over
// the picture per extra scan: libjpeg takes a first scan repeated for coefficients already sent
// in full as valid and decodes it again. False as well when the markers cannot be walked; a
// file that ends without its end marker is judged by the scans it holds.
bool areBounded(std::span<const std::uint8_t> file, int maxScans);
} // namespace JpegScans
