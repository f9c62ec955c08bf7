// SPDX-License-Identifier: MIT
#pragma once

#include "document/PrintLines.h"

#include <QImage>
#include <QTransform>

// A camera picture of a page as Tesseract reads it: the sheet alone where it lies on a desk,
// evenly lit and sharpened, turned so that its lines are level and scaled so that its print has
// the size Tesseract reads best. Which way up the level lines stand it only estimates; the reader
// decides.
class ReadingPicture
{
public:
    // Whether the picture may show the desk around the sheet, or is a page already cut from it.
    enum class Desk
    {
        MayShow,
        CutAway
    };
    // A picture enlarged from the camera's scale is sharpened against as much wider a blur.
    explicit ReadingPicture(const QImage &picture, double enlargement = 1,
                            Desk desk = Desk::MayShow);

    // 8-bit grey; upside down as asked.
    QImage image(bool upsideDown) const;
    // Where a point of image(upsideDown) lies on the picture.
    QPointF toPicture(QPointF point, bool upsideDown) const;
    // The band across image(upsideDown) with the most print, a fifth of its height: enough
    // lines to tell which way up they read.
    QRect sampleBand(bool upsideDown) const;
    // How far image(upsideDown) is turned clockwise from the picture, in degrees, 0 to 360.
    double turn(bool upsideDown) const;
    // How surely image(upsideDown) reads upright: PrintLines' uprightConfidence.
    double uprightConfidence(bool upsideDown) const
    {
        return upsideDown ? -m_uprightConfidence : m_uprightConfidence;
    }
    // Pixels of the picture per pixel of the image.
    double pictureScale() const { return 1 / m_factor; }

    // The print's size on the picture and in the image, as PrintLines measures it.
    double xHeight() const { return m_lines.xHeight; }
    double imageXHeight() const { return m_lines.xHeight * m_factor; }

private:
    PrintLines m_lines;
    double m_factor = 1;
    QImage m_image;
    QTransform m_toImage;
    QRect m_sampleBand;
    double m_uprightConfidence = 0;
};
