// SPDX-License-Identifier: MIT
#include "imaging/JpegScans.h"

#include <array>
#include <cstddef>
#include <cstring>

namespace {
constexpr std::uint8_t MarkerByte = 0xFF;
constexpr std::uint8_t StartOfImage = 0xD8;
constexpr std::uint8_t EndOfImage = 0xD9;
constexpr std::uint8_t StartOfScan = 0xDA;

bool isStandalone(std::uint8_t marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); // TEM, RST0-7
}

// Where the marker after a scan's entropy-coded data begins (its FF), or the file's size. Coded
// data never holds FF followed by anything but 00 (a coded FF) or a restart marker.
std::size_t endOfCodedData(std::span<const std::uint8_t> file, std::size_t at)
{
    while (at < file.size()) {
        const void *found = std::memchr(file.data() + at, MarkerByte, file.size() - at);
        if (!found)
            return file.size();
        at = std::size_t(static_cast<const std::uint8_t *>(found) - file.data());
        if (at + 1 >= file.size())
            return file.size();
        const std::uint8_t next = file[at + 1];
        if (next != 0x00 && next != MarkerByte && !isStandalone(next))
            return at;
        at += next == MarkerByte ? 1 : 2;
    }
    return file.size();
}

// Per component identifier and coefficient, the point transform Al of its last scan; -1 before
// its first.
class Progression
{
public:
    Progression()
    {
        for (auto &component : m_lastAl)
            component.fill(-1);
    }

    bool accept(std::uint8_t component, int first, int last, int ah, int al)
    {
        if (first > last || last > 63)
            return false;
        for (int k = first; k <= last; ++k) {
            std::int8_t &previous = m_lastAl[component][std::size_t(k)];
            const bool sound = previous < 0 ? ah == 0 : ah == previous && al == ah - 1;
            if (!sound)
                return false;
            previous = std::int8_t(al);
        }
        return true;
    }

private:
    std::array<std::array<std::int8_t, 64>, 256> m_lastAl;
};
} // namespace

namespace JpegScans {
bool areBounded(std::span<const std::uint8_t> file, int maxScans)
{
    if (file.size() < 2 || file[0] != MarkerByte || file[1] != StartOfImage)
        return false;
    Progression progression;
    int scans = 0;
    std::size_t at = 2;
    while (at < file.size()) {
        if (file[at] != MarkerByte)
            return false;
        while (at < file.size() && file[at] == MarkerByte) // fill bytes
            ++at;
        if (at >= file.size())
            return true;
        const std::uint8_t marker = file[at++];
        if (marker == EndOfImage)
            return true;
        if (isStandalone(marker))
            continue;
        // A segment cut short holds no scan; libjpeg refuses the file when it gets there.
        if (at + 2 > file.size())
            return true;
        const std::size_t length = std::size_t(file[at]) << 8 | file[at + 1];
        if (length < 2)
            return false;
        if (at + length > file.size())
            return true;
        const std::span<const std::uint8_t> segment = file.subspan(at + 2, length - 2);
        at += length;
        if (marker != StartOfScan)
            continue;

        if (++scans > maxScans || segment.empty())
            return false;
        const std::size_t components = segment[0];
        if (components == 0 || segment.size() != 1 + 2 * components + 3)
            return false;
        const std::uint8_t *bands = segment.data() + 1 + 2 * components;
        for (std::size_t c = 0; c < components; ++c)
            if (!progression.accept(segment[1 + 2 * c], bands[0], bands[1], bands[2] >> 4,
                                    bands[2] & 0x0F))
                return false;
        at = endOfCodedData(file, at);
    }
    return true;
}
} // namespace JpegScans
