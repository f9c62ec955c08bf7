// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/DecodedImage.h"
#include "imaging/PictureEdits.h"
#include "picture/ImagingControl.h"

#include <QByteArray>

#include <optional>

// The imaging control without a widget: holds one image with its depth, sharpens, converts,
// loads and saves it. Results are 0 for success and 1 for failure. It draws nothing: the display
// settings are accepted and change nothing, so a headless capture uses it as it is; CImageCtrl
// adds the drawing.
//
// - SetImageHandle: 0 discards the image; other values mean nothing here and are ignored.
// - SetTextItem(3, text): the comment written into the next JPEG files (none when empty); other
//   indexes are ignored.
// - SetOption20, SetOption6, SetOption19: accepted; they change nothing here.
class ImageHolder : public ImagingControl
{
public:
    void SetAutoSize(bool) override {}
    void SetAppearance(short) override {}
    void SetBorderStyle(short) override {}
    void SetImageHandle(long handle) override;
    void SetRepaintEnabled(bool) override {}
    void SetOption5(bool) override {}
    void SetOption20(bool) override {}
    void SetOption57(bool) override {}
    void SetOption6(short) override {}
    void SetOption19(short) override {}

    float GetImageWidth() const override { return float(m_image.image.width()); }
    float GetImageHeight() const override { return float(m_image.image.height()); }
    short GetBitsPerPixel() const override;
    QImage GetImage() const override { return m_image.image; }

    void SetSizeMode(short) override {}
    float GetZoomPercent() const override { return 100.0f; }
    void SetZoomPercent(float) override {}

    // Amounts outside -1000..1000 are refused. Palette images become 24-bit images.
    short Sharpen(short amount) override;
    short Repaint() override { return 0; }
    // The image is written at its own depth (bitsPerPixel is not looked at); quality is used
    // by JPEG only. The old file stays untouched when anything fails.
    short SaveFile(const QString &path, short format, short bitsPerPixel, short quality,
                   short reserved) override;
    // BMP, JPEG or PNG by content, decoded on a thread of its own while this thread's events run
    // (the caller keeps the user's input away meanwhile). A failed load leaves the control
    // without an image.
    short LoadFile(const QString &path, short reserved1, short reserved2, short reserved3) override;
    // 24 or 32 bits per pixel; other depths are refused. The other arguments are not used.
    short ConvertColorDepth(short bitsPerPixel, short reserved1, short reserved2,
                            short reserved3) override;
    // The first size bytes of the block as a BMP file; a size beyond the block is refused.
    short LoadFromMemory(const MemoryBlock &block, short reserved1, short reserved2,
                         long size) override;
    void SetTextItem(short index, const QString &text) override;
    QString saveErrorString() const override { return m_saveError; }

    // The image held (a null image when there is none), for callers that process it further.
    const DecodedImage &image() const { return m_image; }

protected:
    // The held image was replaced or edited.
    virtual void imageChanged() {}

private:
    short takeImage(std::optional<DecodedImage> image);
    short applyEdit(PictureEdits::Outcome outcome);

    DecodedImage m_image;
    QByteArray m_jpegComment;
    QString m_saveError;
};
