// SPDX-License-Identifier: MIT
#include "document/PageEdits.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
constexpr std::array<const char *, 3> ColourModeNames{"colour", "grey", "bilevel"};

std::optional<std::array<QPointF, 4>> parseCorners(const QString &value)
{
    const QStringList numbers = value.split(u',');
    if (numbers.size() != 8)
        return std::nullopt;
    std::array<QPointF, 4> corners;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        bool xOk = false;
        bool yOk = false;
        corners[i] = QPointF(numbers[qsizetype(2 * i)].toDouble(&xOk),
                             numbers[qsizetype(2 * i + 1)].toDouble(&yOk));
        if (!xOk || !yOk)
            return std::nullopt;
    }
    return corners;
}
} // namespace

namespace PageEditsText {
QString format(const PageEdits &edits)
{
    QStringList fields;
    if (edits.corners) {
        QStringList numbers;
        for (const QPointF &corner : *edits.corners)
            numbers << QString::number(corner.x(), 'g', 10) << QString::number(corner.y(), 'g', 10);
        fields << QStringLiteral("corners=") + numbers.join(u',');
    }
    if (edits.skew != 0)
        fields << QStringLiteral("skew=") + QString::number(edits.skew, 'g', 10);
    if (edits.quarterTurns != 0)
        fields << QStringLiteral("turns=%1").arg(edits.quarterTurns);
    if (edits.colourMode != PageEdits::ColourMode::Colour)
        fields << QStringLiteral("mode=") +
                      QLatin1String(ColourModeNames[std::size_t(edits.colourMode)]);
    if (edits.flatten)
        fields << QStringLiteral("flatten=1");
    return fields.join(u' ');
}

std::optional<PageEdits> parse(const QStringList &fields)
{
    PageEdits edits;
    for (const QString &field : fields) {
        const QString key = field.section(u'=', 0, 0);
        const QString value = field.section(u'=', 1);
        if (key == QLatin1String("corners")) {
            edits.corners = parseCorners(value);
            if (!edits.corners)
                return std::nullopt;
        } else if (key == QLatin1String("skew")) {
            bool ok = false;
            edits.skew = value.toDouble(&ok);
            if (!ok || !(std::abs(edits.skew) <= MaximumSkew))
                return std::nullopt;
        } else if (key == QLatin1String("turns")) {
            bool ok = false;
            edits.quarterTurns = value.toInt(&ok);
            if (!ok || edits.quarterTurns < 0 || edits.quarterTurns > 3)
                return std::nullopt;
        } else if (key == QLatin1String("mode")) {
            const auto mode = std::find_if(ColourModeNames.begin(), ColourModeNames.end(),
                                           [&](const char *name) { return value == name; });
            if (mode == ColourModeNames.end())
                return std::nullopt;
            edits.colourMode = PageEdits::ColourMode(mode - ColourModeNames.begin());
        } else if (key == QLatin1String("flatten")) {
            if (value != QLatin1String("1") && value != QLatin1String("0"))
                return std::nullopt;
            edits.flatten = value == QLatin1String("1");
        }
    }
    return edits;
}
} // namespace PageEditsText
