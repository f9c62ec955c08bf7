// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <span>

// One image the program shows, by its file name in the resources. An image that is not a
// bitmap writes its file itself.
struct CatalogueEntry
{
    const char *fileName;
    std::function<QImage()> draw;
    std::function<bool(const QString &path)> write = {};
};

// Every image the generator knows; each family of images adds its entries here.
std::span<const CatalogueEntry> catalogue();

// The families, each in its own file.
QImage drawToolBarStrip();
// The same seven images drawn at twice the size, "toolbar@2x.png".
QImage drawToolBarStrip2x();
QImage drawSplash();
QImage drawAppIcon(int size);
// The application icon as a scalable SVG file.
bool writeAppIconSvg(const QString &path);
// The panel's images at `scale` device pixels to the logical pixel; its layout is in logical
// pixels.
QImage drawRemotePanelBackground(int scale);
// The remote panel's bitmaps, "rc-<resource id>.png", and twice as sharp for a device pixel
// ratio of 2, "rc-<resource id>@2x.png".
std::span<const CatalogueEntry> remotePanelCatalogue();

// The one typeface of every text we draw, loaded from the font files themselves so that the
// images do not change with the fonts a machine happens to have.
QString textFamily();
