// SPDX-License-Identifier: MIT
#include "picture/ShownPicture.h"

#include "imaging/ZoomArithmetic.h"
#include "link/ColorConversion.h"
#include "link/FrameCapture.h"
#include "link/LinkError.h"
#include "picture/BusyScope.h"
#include "picture/FrameServices.h"
#include "picture/ImagingControl.h"
#include "picture/PictureLogging.h"
#include "store/SettingsStore.h"

#include <cstring>
#include <optional>

ShownPicture::ShownPicture(ImagingControl &imageCtrl, FrameServices &frame,
                           std::function<QSize()> clientSize, std::function<void()> changed)
    : m_imageCtrl(imageCtrl)
    , m_frame(frame)
    , m_clientSize(std::move(clientSize))
    , m_changed(std::move(changed))
{}

ShownPicture::~ShownPicture()
{
    m_hRawFrame.reset();
    m_imageCtrl.SetImageHandle(0);
}

float ShownPicture::bestFitZoom() const
{
    const QSize client = m_clientSize();
    return ZoomArithmetic::bestFitZoom(client.width(), client.height(),
                                       int(m_imageCtrl.GetImageWidth()),
                                       int(m_imageCtrl.GetImageHeight()));
}

void ShownPicture::applyZoom(float zoomPercent)
{
    m_imageCtrl.SetOption57(true);
    m_imageCtrl.SetSizeMode(ImagingControl::SizeModeZoom);
    m_imageCtrl.SetZoomPercent(zoomPercent);
    m_frame.SetZoomReadout(zoomPercent);
    m_changed();
}

void ShownPicture::enableImageMenus(bool enabled)
{
    m_frame.EnableTopMenu(MenuPosition::Edit, enabled);
    m_frame.EnableTopMenu(MenuPosition::Zoom, enabled);
}

void ShownPicture::showLoadedImage()
{
    m_bHasImage = true;
    const float zoom = bestFitZoom();
    m_imageCtrl.SetSizeMode(ImagingControl::SizeModeZoom);
    m_imageCtrl.SetZoomPercent(zoom);
    m_imageCtrl.SetRepaintEnabled(true);
    m_frame.SetZoomReadout(zoom);
    enableImageMenus(true);
    m_changed();
}

void ShownPicture::showLoadFailure()
{
    m_bHasImage = false;
    m_frame.SetZoomReadout(-1.0f);
    enableImageMenus(false);
    m_imageCtrl.SetRepaintEnabled(true);
    m_changed();
}

void ShownPicture::readSettings(const SettingsStore &store)
{
    m_picture.m_qFactor = store.read(Setting::Qfactor);
    m_picture.m_gamma = store.read(Setting::Gamma);
    m_picture.m_sharpnessIndex = store.read(Setting::Sharpness);
    m_picture.m_sharpenAmount = m_picture.amountForIndex(m_picture.m_sharpnessIndex);
}

void ShownPicture::setSharpnessIndex(int index)
{
    m_picture.m_sharpnessIndex = index;
    m_picture.m_sharpenAmount = m_picture.amountForIndex(index);
}

MemoryBlock ShownPicture::convertFrame(int gamma)
{
    if (m_hRawFrame.isNull())
        return {};
    MemoryBlock bitmap = convertFrameToBitmapBlock(m_hRawFrame, m_colorCoeff, gamma);
    if (bitmap.isNull()) {
        qCWarning(lcPicture, "no memory for the %zu bytes of the kept frame's bitmap",
                  FrameLayout::BitmapImageSize);
        m_frame.link().ShowLinkError(int(LinkError::OutOfMemory));
    }
    return bitmap;
}

ShownPicture::Rendered ShownPicture::render(ImagingControl &control, int gamma, int sharpenAmount,
                                            RenderSteps steps)
{
    if (steps.suspendBeforeConverting)
        control.SetRepaintEnabled(false);
    MemoryBlock bitmap = convertFrame(gamma);
    if (bitmap.isNull())
        return Rendered::NoBitmap;
    if (!steps.suspendBeforeConverting)
        control.SetRepaintEnabled(false);
    if (steps.discardShownPicture)
        control.SetImageHandle(0);
    const short loaded = control.LoadFromMemory(bitmap, 0, 0, long(bitmap.size()));
    bitmap.reset();
    if (loaded != 0)
        return Rendered::Refused;
    control.Sharpen(short(sharpenAmount));
    return Rendered::Loaded;
}

bool ShownPicture::renderPreview(ImagingControl &preview, int gamma, int sharpenAmount)
{
    return render(preview, gamma, sharpenAmount, PreviewSteps) == Rendered::Loaded;
}

bool ShownPicture::capture()
{
    CameraLink &link = m_frame.link();
    std::optional<BusyScope> busy;
    const FrameCapture::TransferHooks hooks{
        [&] {
            busy.emplace(m_frame);
            m_frame.setFrameEnabled(false);
        },
        [&] {
            m_frame.setFrameEnabled(true);
            m_frame.setTransferProgress(0);
        },
        [&](int rows) { m_frame.setTransferProgress(rows); },
    };
    FrameCapture::Result result = FrameCapture(link).run(hooks, &m_hRawFrame);
    if (result.coefficients)
        m_colorCoeff = *result.coefficients;
    if (result.error)
        link.ShowLinkError(int(*result.error));
    if (!busy)
        return false;
    bool shown = false;
    if ((result.intoKeptFrame || !result.croppedFrame.isNull()) &&
        !keepAndShowFrame(std::move(result.croppedFrame), *busy, shown))
        return false;
    busy.reset();
    m_changed();
    return shown;
}

bool ShownPicture::keepAndShowFrame(MemoryBlock cropped, BusyScope &busy, bool &shown)
{
    CameraLink &link = m_frame.link();
    if (!cropped.isNull()) { // else the frame is already in m_hRawFrame
        m_hRawFrame = MemoryBlock::allocateForOverwrite(FrameLayout::CroppedFrameBytes);
        if (m_hRawFrame.isNull()) {
            qCWarning(lcPicture, "no memory to keep the %zu bytes of the captured frame",
                      FrameLayout::CroppedFrameBytes);
            cropped.reset();
            busy.end();
            link.ShowLinkError(int(LinkError::OutOfMemory));
            return false;
        }
        std::memcpy(m_hRawFrame.data(), cropped.data(), FrameLayout::CroppedFrameBytes);
        cropped.reset();
    }
    switch (render(m_imageCtrl, m_picture.m_gamma, m_picture.m_sharpenAmount, CaptureSteps)) {
    case Rendered::NoBitmap:
        break;
    case Rendered::Refused:
        showLoadFailure();
        busy.end();
        link.ShowLinkError(int(LinkError::LoadFailed));
        return false;
    case Rendered::Loaded:
        showLoadedImage();
        shown = true;
        break;
    }
    return true;
}

bool ShownPicture::save(const QString &path, short format)
{
    short bits = m_imageCtrl.GetBitsPerPixel();
    const short quality = short(m_picture.m_qFactor);
    if (format == ImagingControl::ImageFormatJpeg) {
        // JPEG holds true colour only; the shown image stays converted.
        if (bits < 24) {
            m_imageCtrl.ConvertColorDepth(24, 4, 1, 0);
            m_imageCtrl.Repaint();
            bits = m_imageCtrl.GetBitsPerPixel();
        }
        m_imageCtrl.SetTextItem(3, QString());
    }
    short result = 0;
    {
        const BusyScope busy(m_frame);
        result = m_imageCtrl.SaveFile(path, format, bits, quality, 0);
    }
    if (result != 0)
        m_frame.link().ShowLinkError(int(LinkError::SaveFailed),
                                     saveFailureDetails(path, m_imageCtrl.saveErrorString()));
    return result == 0;
}

bool ShownPicture::open(const QString &path)
{
    BusyScope busy(m_frame);
    m_imageCtrl.SetRepaintEnabled(false);
    // The window is drawn while the file is decoded, and takes no input meanwhile.
    m_frame.setFrameEnabled(false);
    const short loaded = m_imageCtrl.LoadFile(path, 0, 0, 1);
    m_frame.setFrameEnabled(true);
    if (loaded == 0) {
        m_hRawFrame.reset();
        m_picture.m_gamma = 0;
        m_picture.m_sharpenAmount = 0;
        showLoadedImage();
        return true;
    }
    showLoadFailure();
    busy.end();
    m_frame.link().ShowLinkError(int(LinkError::LoadFailed));
    return false;
}

void ShownPicture::reprocess()
{
    BusyScope busy(m_frame);
    switch (
        render(m_imageCtrl, m_picture.m_gamma, m_picture.m_sharpenAmount, ConfirmedSettingSteps)) {
    case Rendered::NoBitmap:
        // Without a kept frame (an opened file) the shown picture is sharpened as it is.
        m_imageCtrl.Sharpen(short(m_picture.m_sharpenAmount));
        break;
    case Rendered::Refused:
        m_imageCtrl.SetRepaintEnabled(true);
        return;
    case Rendered::Loaded:
        break;
    }
    m_imageCtrl.SetRepaintEnabled(true);
    busy.end();
    m_imageCtrl.Repaint();
}
