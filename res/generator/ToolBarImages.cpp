// SPDX-License-Identifier: MIT
// The tool bar's seven 16 x 15 images, drawn as pixel art in 16 colours, side by side in button
// order: Save, Capture, Add page, Show/Hide the remote control, Zoom in, Zoom out, Exit.
#include "res/generator/Catalogue.h"
#include "res/toolbar/add-page.xpm"
#include "res/toolbar/capture.xpm"
#include "res/toolbar/exit.xpm"
#include "res/toolbar/remote.xpm"
#include "res/toolbar/save.xpm"
#include "res/toolbar/zoom-in.xpm"
#include "res/toolbar/zoom-out.xpm"

#include <QPainter>

QImage drawToolBarStrip()
{
    constexpr int ImageWidth = 16;
    constexpr int ImageHeight = 15;
    const char *const *const images[] = {save_xpm,    capture_xpm,  add_page_xpm, remote_xpm,
                                         zoom_in_xpm, zoom_out_xpm, exit_xpm};

    QImage strip(ImageWidth * int(std::size(images)), ImageHeight, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    int x = 0;
    for (const char *const *xpm : images) {
        const QImage image(xpm);
        if (image.size() != QSize(ImageWidth, ImageHeight))
            return QImage();
        painter.drawImage(x, 0, image);
        x += ImageWidth;
    }
    return strip;
}
