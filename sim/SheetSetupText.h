// SPDX-License-Identifier: MIT
#pragma once

#include "sim/TypesetSheet.h"

#include <QString>

#include <optional>

// The simulated sheet as testers write it on the command line and the control socket: "default"
// for the simulator's own sheet, or a comma-separated list of NAME=VALUE changes to it:
//   font=FAMILY  points=6..16  columns=1|2  align=justify|left  paper=a4|letter|a5
//   text=FILE    (UTF-8 paragraphs apart by empty lines, "# " before a heading)
//   pages=0|1|2  bend=0..8  turn=0|90|180|270  skew=-15..15  offset-x=-640..640  offset-y=-512..512
//   keystone=0..20  fill=50..100  finger=none|top|right|bottom|left
//   desk=0..255  falloff=0..80  lamp=top-left|top|...|left  blur=0..3  noise=0..30  seed=N
// Nothing, with the reason, for an unknown name or a value out of range.
std::optional<SheetSetup> parseSheetSetup(const QString &list, QString *error);

// The sheet's corners ("corners X,Y X,Y X,Y X,Y", page order from the top left, in the
// picture's pixels; "corners" alone on the bare desk), for a spread each page's as "page X,Y
// ..." left then right, then its text, each line of print as "line TEXT" ("line" alone between
// paragraphs and between a spread's pages).
QString describeSheet(const TypesetSheet &sheet);
