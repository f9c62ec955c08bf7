// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/DecodedImage.h"
#include "imaging/ImageRenderer.h"
#include "imaging/PictureEdits.h"
#include "imaging/ZoomGeometry.h"
#include "view/DragPan.h"
#include "view/ImagingControl.h"

#include <QAbstractScrollArea>
#include <QByteArray>
#include <QImage>

#include <optional>

// The imaging control: holds one image with its depth, draws it at a zoom with scroll bars (size
// mode 4) or stretched over the control (size mode 1), sharpens, converts, loads and saves it.
// Results are 0 for success and 1 for failure. The pixel work is done by the widget-free
// BmpCodec, JpegCodec, ImageCodecs, PictureEdits, ZoomGeometry and ImageRenderer, which a headless
// caller uses directly. The image is centred on an axis where it is smaller than the control.
//
// Settings whose meaning is this control's own:
// - SetOption57: scroll bars are shown when the image is larger than the control (default TRUE;
//   FALSE hides them, dragging still pans).
// - SetOption5: the image can be panned by dragging it with the left mouse button (default FALSE).
// - SetOption20, SetOption6, SetOption19: accepted and stored; they change nothing here.
// - SetBorderStyle: 0 no border (default), 1 a single border; SetAppearance then chooses between
//   a flat line (0, default) and a sunken 3-D edge (1).
// - SetAutoSize: TRUE makes the control take the size of the drawn image whenever it changes;
//   FALSE (default) keeps the size it is given.
// - SetImageHandle: 0 discards the image; other values mean nothing here and are ignored.
// - SetTextItem(3, text): the comment written into the next JPEG files (none when empty); other
//   indexes are ignored.
// - SetRepaintEnabled(FALSE) keeps showing what was on the screen until TRUE; changes made
//   meanwhile (image, zoom, size mode) are drawn once, when drawing is enabled again.
class CImageCtrl : public QAbstractScrollArea, public ImagingControl
{
    Q_OBJECT

public:
    explicit CImageCtrl(QWidget *parent = nullptr);

    void SetAutoSize(bool autoSize) override;
    void SetAppearance(short appearance) override;
    void SetBorderStyle(short style) override;
    void SetImageHandle(long handle) override;
    void SetRepaintEnabled(bool enabled) override;
    void SetOption5(bool value) override;
    void SetOption20(bool value) override;
    void SetOption57(bool value) override;
    void SetOption6(short value) override;
    void SetOption19(short value) override;

    float GetImageWidth() const override;
    float GetImageHeight() const override;
    short GetBitsPerPixel() const override;
    QImage GetImage() const override;

    void SetSizeMode(short mode) override;
    float GetZoomPercent() const override;
    // Zooms that are not positive numbers are ignored.
    void SetZoomPercent(float zoom) override;

    // Amounts outside -1000..1000 are refused. Palette images become 24-bit images.
    short Sharpen(short amount) override;
    // Draws now; does nothing while drawing is suspended.
    short Repaint() override;
    // The image is written at its own depth (bitsPerPixel is not looked at); quality is used
    // by JPEG only. The old file stays untouched when anything fails.
    short SaveFile(const QString &path, short format, short bitsPerPixel, short quality,
                   short reserved) override;
    // BMP, JPEG or PNG by content. A failed load leaves the control without an image.
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

Q_SIGNALS:
    // Ctrl+wheel: one zoom step in or out per notch. While the signal is handled, a new zoom
    // keeps the image point under the pointer where it is instead of the one at the centre.
    void zoomStepRequested(bool zoomIn);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    short takeImage(std::optional<DecodedImage> image);
    short applyEdit(PictureEdits::Outcome outcome);
    void imageChanged();
    void relayout();
    void applyFrame();
    void updatePanCursor();
    bool canPan() const;
    QPoint scrollPosition() const;
    void paintImage(QPainter &painter, const QRect &exposed);

    DecodedImage m_image;
    ImageRenderer m_renderer;
    QImage m_frozen; // what the control showed when drawing was suspended
    ZoomGeometry::Layout m_layout;
    float m_zoomPercent = 100.0f;
    short m_sizeMode = SizeModeZoom;
    bool m_repaintEnabled = true;
    bool m_relayingOut = false;
    bool m_autoSize = false;
    short m_appearance = 0;
    short m_borderStyle = 0;
    bool m_scrollBarsAllowed = true;
    bool m_dragToPan = false;
    bool m_option20 = false;
    short m_option6 = 0;
    short m_option19 = 0;
    QByteArray m_jpegComment;
    DragPan m_drag;
    std::optional<QPoint> m_zoomAnchor; // the pointer during a wheel zoom, viewport coordinates
    int m_wheelRemainder = 0;           // eighths of a degree not yet worth a whole notch
    QString m_saveError;
};
