// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// How a page is to be made from its source picture. The source is never changed: an edit is
// kept beside it and applied where the page is drawn or written, so it can be undone at any time.
struct PageEdits
{
    enum class ColourMode
    {
        Colour,
        Grey,
        BlackAndWhite
    };

    // The sheet's corners in the source picture's pixels (top left, top right, bottom right,
    // bottom left), to be straightened to a rectangle; none: the whole picture.
    std::optional<std::array<QPointF, 4>> corners;
    // Degrees clockwise the straightened page is turned by for its lines of print to lie level.
    double skew = 0;
    // Clockwise quarter turns after straightening, 0 to 3.
    int quarterTurns = 0;
    ColourMode colourMode = ColourMode::Colour;
    // A book's page photographed open: the curl of its lines of print is flattened, where it
    // has enough of them to tell it by.
    bool flatten = false;

    bool operator==(const PageEdits &) const = default;
};

namespace PageEditsText {
// The largest skew the edits keep, in degrees either way.
constexpr double MaximumSkew = 45;

// The edits as space-separated key=value fields, for the journal's manifest; the defaults are
// left out, so a page without edits has no fields.
QString format(const PageEdits &edits);
// The edits of format()'s fields; unknown keys are ignored (a later version's), and nothing when
// a known key's value is malformed.
std::optional<PageEdits> parse(const QStringList &fields);
} // namespace PageEditsText
