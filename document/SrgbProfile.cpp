// SPDX-License-Identifier: MIT
#include "document/SrgbProfile.h"

#include <QtEndian>

#include <array>
#include <cmath>

namespace {
// XYZ triples of the profile connection space (D50), the primaries adapted to it (Bradford).
using Xyz = std::array<double, 3>;
constexpr Xyz D50{0.9642, 1.0, 0.8249};
constexpr Xyz Red{0.4360747, 0.2225045, 0.0139322};
constexpr Xyz Green{0.3850649, 0.7168786, 0.0971045};
constexpr Xyz Blue{0.1430804, 0.0606169, 0.7141733};
constexpr int CurvePoints = 1024;

class Bytes
{
public:
    void u8(unsigned value) { m_bytes.append(char(value)); }
    void u16(unsigned value)
    {
        u8(value >> 8);
        u8(value & 0xFF);
    }
    void u32(quint32 value)
    {
        u16(value >> 16);
        u16(value & 0xFFFF);
    }
    void text(QByteArrayView chars) { m_bytes.append(chars); }
    void zeros(int count) { m_bytes.append(count, '\0'); }
    void s15Fixed16(double value) { u32(quint32(qint32(std::lround(value * 65536)))); }
    void xyz(const Xyz &value)
    {
        for (double component : value)
            s15Fixed16(component);
    }
    QByteArray &bytes() { return m_bytes; }

private:
    QByteArray m_bytes;
};

QByteArray xyzTag(const Xyz &value)
{
    Bytes tag;
    tag.text("XYZ ");
    tag.zeros(4);
    tag.xyz(value);
    return tag.bytes();
}

QByteArray curveTag()
{
    Bytes tag;
    tag.text("curv");
    tag.zeros(4);
    tag.u32(CurvePoints);
    for (int i = 0; i < CurvePoints; ++i) {
        const double v = double(i) / (CurvePoints - 1);
        const double linear = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        tag.u16(unsigned(std::lround(linear * 65535)));
    }
    return tag.bytes();
}

QByteArray descriptionTag()
{
    Bytes tag;
    tag.text("desc");
    tag.zeros(4);
    const QByteArrayView text(SrgbProfile::Description);
    tag.u32(quint32(text.size() + 1));
    tag.text(text);
    tag.zeros(1);
    // No Unicode or Macintosh description: their counts are 0.
    tag.zeros(4 + 4 + 2 + 1 + 67);
    return tag.bytes();
}

QByteArray textTag(QByteArrayView text)
{
    Bytes tag;
    tag.text("text");
    tag.zeros(4);
    tag.text(text);
    tag.zeros(1);
    return tag.bytes();
}
} // namespace

namespace SrgbProfile {
QByteArray iccProfile()
{
    const QByteArray curve = curveTag();
    // The three tone curves are one and the same data.
    const std::array<std::pair<QByteArrayView, QByteArray>, 9> tags{{
        {"desc", descriptionTag()},
        {"cprt", textTag("No copyright, use freely")},
        {"wtpt", xyzTag(D50)},
        {"rXYZ", xyzTag(Red)},
        {"gXYZ", xyzTag(Green)},
        {"bXYZ", xyzTag(Blue)},
        {"rTRC", curve},
        {"gTRC", {}},
        {"bTRC", {}},
    }};
    constexpr int HeaderSize = 128;
    Bytes table;
    Bytes data;
    quint32 at = HeaderSize + 4 + 12 * quint32(tags.size());
    quint32 curveAt = 0;
    table.u32(quint32(tags.size()));
    for (const auto &[signature, content] : tags) {
        const bool sharedCurve = content.isEmpty();
        table.text(signature);
        table.u32(sharedCurve ? curveAt : at);
        table.u32(quint32(sharedCurve ? curve.size() : content.size()));
        if (sharedCurve)
            continue;
        if (signature == "rTRC")
            curveAt = at;
        data.text(content);
        data.zeros(int((4 - content.size() % 4) % 4));
        at += quint32(content.size() + (4 - content.size() % 4) % 4);
    }

    Bytes header;
    header.u32(at);
    header.zeros(4); // no preferred colour management module
    header.u32(0x02100000);
    header.text("mntr");
    header.text("RGB ");
    header.text("XYZ ");
    for (unsigned part : {2000u, 1u, 1u, 0u, 0u, 0u}) // a fixed date keeps the profile constant
        header.u16(part);
    header.text("acsp");
    header.zeros(4 + 4 + 4 + 4 + 8 + 4); // platform, flags, maker, model, attributes, intent
    header.xyz(D50);
    header.zeros(4 + 16 + 28); // creator, profile id, reserved
    return header.bytes() + table.bytes() + data.bytes();
}
} // namespace SrgbProfile
