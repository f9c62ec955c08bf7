// SPDX-License-Identifier: MIT
#include "app/WindowPlacement.h"

#include <QWidget>

#include <algorithm>
#include <array>
#include <limits>

QRect WindowPlacement::normalRect() const
{
    static constexpr int Limit = QWIDGETSIZE_MAX;
    const auto clamped = [](int value) {
        return std::clamp(value, -Limit, Limit);
    };
    const int l = clamped(left);
    const int t = clamped(top);
    return QRect(l, t, std::max(0, clamped(right) - l), std::max(0, clamped(bottom) - t));
}

void WindowPlacement::setNormalRect(const QRect &rect)
{
    left = rect.left();
    top = rect.top();
    right = rect.left() + rect.width();
    bottom = rect.top() + rect.height();
}

bool WindowPlacement::isMinimized() const
{
    return showCommand == ShowCommand::ShowMinimized || showCommand == ShowCommand::Minimize ||
           showCommand == ShowCommand::ShowMinNoActive;
}

namespace {
// Reads the record the way it was always read (scanf with "%u,%u,%d,..."): blanks before a
// number are skipped, a sign is allowed, the commas must follow the numbers directly, and
// reading stops at the first field that does not convert. A number out of range makes the field
// not convert instead of wrapping silently.
class FieldReader
{
public:
    explicit FieldReader(const QString &text)
        : m_text(text)
    {}

    std::optional<long long> number(long long min, long long max)
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
        bool negative = false;
        if (m_pos < m_text.size() && (m_text.at(m_pos) == u'+' || m_text.at(m_pos) == u'-'))
            negative = m_text.at(m_pos++) == u'-';
        const qsizetype firstDigit = m_pos;
        long long value = 0;
        while (m_pos < m_text.size() && m_text.at(m_pos) >= u'0' && m_text.at(m_pos) <= u'9') {
            value = value * 10 + (m_text.at(m_pos++).unicode() - u'0');
            if (value > max - min)
                return std::nullopt;
        }
        if (m_pos == firstDigit)
            return std::nullopt;
        value = negative ? -value : value;
        if (value < min || value > max)
            return std::nullopt;
        return value;
    }

    bool comma()
    {
        if (m_pos < m_text.size() && m_text.at(m_pos) == u',') {
            ++m_pos;
            return true;
        }
        return false;
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
};

constexpr long long IntMin = std::numeric_limits<int>::min();
constexpr long long IntMax = std::numeric_limits<int>::max();
constexpr long long UnsignedMax = std::numeric_limits<unsigned>::max();
} // namespace

std::optional<WindowPlacement> parseWindowPlacement(const QString &text)
{
    FieldReader reader(text);
    std::array<long long, 10> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0 && !reader.comma())
            return std::nullopt;
        // %u accepts a sign and wraps a negative value; the two unsigned fields do the same.
        auto value =
            i < 2 ? reader.number(-UnsignedMax, UnsignedMax) : reader.number(IntMin, IntMax);
        if (!value)
            return std::nullopt;
        fields[i] = *value;
    }
    WindowPlacement p;
    p.flags = static_cast<unsigned>(fields[0]);
    p.showCommand = static_cast<unsigned>(fields[1]);
    p.minX = int(fields[2]);
    p.minY = int(fields[3]);
    p.maxX = int(fields[4]);
    p.maxY = int(fields[5]);
    p.left = int(fields[6]);
    p.top = int(fields[7]);
    p.right = int(fields[8]);
    p.bottom = int(fields[9]);
    return p;
}

QString formatWindowPlacement(const WindowPlacement &p)
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10")
        .arg(p.flags)
        .arg(p.showCommand)
        .arg(p.minX)
        .arg(p.minY)
        .arg(p.maxX)
        .arg(p.maxY)
        .arg(p.left)
        .arg(p.top)
        .arg(p.right)
        .arg(p.bottom);
}
