// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

class MemoryBlock;

// The operations of the imaging control that the program relies on: it holds, draws, sharpens,
// converts, loads and saves one image. Results of the methods are 0 for success and non-zero for
// failure. CImageCtrl is the widget that implements it; tests substitute a recording fake.
class ImagingControl
{
public:
    // Format codes of SaveFile.
    static constexpr short ImageFormatBmp = 6;
    static constexpr short ImageFormatJpeg = 10;
    static constexpr short ImageFormatPng = 13;
    // Size modes of SetSizeMode.
    static constexpr short SizeModeStretch = 1;
    static constexpr short SizeModeZoom = 4;

    virtual ~ImagingControl() = default;

    virtual void SetAutoSize(bool autoSize) = 0;
    virtual void SetAppearance(short appearance) = 0;
    virtual void SetBorderStyle(short style) = 0;
    // 0 discards the image.
    virtual void SetImageHandle(long handle) = 0;
    // FALSE: nothing is drawn; TRUE: the current image is drawn again.
    virtual void SetRepaintEnabled(bool enabled) = 0;
    virtual void SetOption5(bool value) = 0;
    virtual void SetOption20(bool value) = 0;
    virtual void SetOption57(bool value) = 0;
    virtual void SetOption6(short value) = 0;
    virtual void SetOption19(short value) = 0;

    virtual float GetImageWidth() const = 0;
    virtual float GetImageHeight() const = 0;
    virtual short GetBitsPerPixel() const = 0;
    // The image as it is held and shown, after sharpening and the tone curve; a null image when
    // there is none.
    virtual QImage GetImage() const = 0;

    virtual void SetSizeMode(short mode) = 0;
    virtual float GetZoomPercent() const = 0;
    // Drawn width = image width x zoom / 100.
    virtual void SetZoomPercent(float zoom) = 0;

    // Positive sharpens, negative softens, 0 changes nothing; -1000 to 1000.
    virtual short Sharpen(short amount) = 0;
    virtual short Repaint() = 0;
    // format 6 = BMP, 10 = JPEG, 13 = PNG; quality 2 (best) to 255 (most compression).
    virtual short SaveFile(const QString &path, short format, short bitsPerPixel, short quality,
                           short reserved) = 0;
    // A BMP, JPEG or PNG file's image becomes current.
    virtual short LoadFile(const QString &path, short reserved1, short reserved2,
                           short reserved3) = 0;
    // The image becomes bitsPerPixel (24) bits per pixel.
    virtual short ConvertColorDepth(short bitsPerPixel, short reserved1, short reserved2,
                                    short reserved3) = 0;
    // The block holds a whole BMP file of size bytes; the caller keeps and frees the block.
    virtual short LoadFromMemory(const MemoryBlock &block, short reserved1, short reserved2,
                                 long size) = 0;
    virtual void SetTextItem(short index, const QString &text) = 0;

    // Why the last SaveFile failed, in the system's words; empty when it did not say.
    virtual QString saveErrorString() const = 0;
};
