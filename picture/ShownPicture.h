// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"
#include "link/MemoryBlock.h"
#include "picture/PictureSettings.h"
#include "picture/PreviewSource.h"

#include <QSize>
#include <QString>

#include <functional>

class BusyScope;
class FrameServices;
class ImagingControl;
class SettingsStore;

// The picture the view shows and what it was made from: whether an image is shown, the kept
// camera frame with its colour coefficients, and the picture settings in force. Captures, opens,
// saves and re-makes it through the imaging control, and renders the adjustment dialog's
// preview from the same frame. No widgets: the view supplies its client size and is told when
// anything the command rules look at changed.
class ShownPicture : public PreviewSource
{
public:
    ShownPicture(ImagingControl &imageCtrl, FrameServices &frame, std::function<QSize()> clientSize,
                 std::function<void()> changed);
    ~ShownPicture() override;

    bool hasImage() const { return m_bHasImage; }
    const MemoryBlock &rawFrame() const { return m_hRawFrame; }
    ColorCoefficients colorCoeff() const { return m_colorCoeff; }
    const PictureSettings &settings() const { return m_picture; }
    // A confirmed quality factor, tone curve or sharpness step (an amount outside the table is
    // the default step) becomes the setting in force.
    void setQFactor(int qFactor) { m_picture.m_qFactor = qFactor; }
    void setGamma(int gamma) { m_picture.m_gamma = gamma; }
    void setSharpnessIndex(int index);

    // The stored quality factor, tone curve and sharpness step become the settings in force.
    void readSettings(const SettingsStore &store);
    // The capture once the camera answered that it is ready; true when it shows a new picture.
    bool capture();
    bool save(const QString &path, short format);
    // A picture read from a file replaces the camera's: only then is the camera's frame
    // dropped, and the picture settings work on the shown image from then on. False when the
    // file cannot be read (that is reported, and no picture is shown).
    bool open(const QString &path);
    // Re-makes the shown image from the kept frame after a confirmed picture setting.
    void reprocess();

    // PreviewSource
    bool renderPreview(ImagingControl &preview, int gamma, int sharpenAmount) override;
    short SharpenAmountForIndex(int index) override { return m_picture.amountForIndex(index); }

    float bestFitZoom() const;
    void applyZoom(float zoomPercent);
    void enableImageMenus(bool enabled);

private:
    friend class ViewFixture;

    // Where a rendering differs between its users. The preview suspends repainting before the
    // conversion, so that it stays suspended for the whole refresh even when there is nothing to
    // load; the others once there is a picture to load. A capture and the preview discard the
    // control's picture before the load; a confirmed setting loads over the shown one.
    struct RenderSteps
    {
        bool suspendBeforeConverting;
        bool discardShownPicture;
    };
    static constexpr RenderSteps CaptureSteps{false, true};
    static constexpr RenderSteps ConfirmedSettingSteps{false, false};
    static constexpr RenderSteps PreviewSteps{true, true};
    enum class Rendered
    {
        NoBitmap, // no kept frame, or no memory for its bitmap (reported)
        Refused,  // the control refused the bitmap
        Loaded,   // loaded and sharpened
    };

    // The BMP file image of the kept frame converted with a gamma selection; a null block when
    // there is no frame or no memory (the latter is reported).
    MemoryBlock convertFrame(int gamma);
    // The picture of the kept frame with a gamma selection and a sharpening amount, in control:
    // converted, loaded and sharpened. Repainting stays suspended; the caller resumes it.
    Rendered render(ImagingControl &control, int gamma, int sharpenAmount, RenderSteps steps);
    void showLoadedImage();
    void showLoadFailure();
    // Keeps a captured frame (a null one is already in m_hRawFrame) and shows it (then shown is
    // set); false when a failure was reported.
    bool keepAndShowFrame(MemoryBlock cropped, BusyScope &busy, bool &shown);

    ImagingControl &m_imageCtrl;
    FrameServices &m_frame;
    std::function<QSize()> m_clientSize;
    std::function<void()> m_changed;
    bool m_bHasImage = false;
    MemoryBlock m_hRawFrame;
    ColorCoefficients m_colorCoeff;
    PictureSettings m_picture;
};
