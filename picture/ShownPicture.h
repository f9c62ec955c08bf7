// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"
#include "link/MemoryBlock.h"
#include "picture/PictureSettings.h"

#include <QSize>
#include <QString>

#include <functional>

class BusyScope;
class FrameServices;
class ImagingControl;
class SettingsStore;

// The picture the view shows and what it was made from: whether an image is shown, the kept
// camera frame with its colour coefficients, and the picture settings in force. Captures, opens,
// saves and re-makes it through the imaging control. No widgets: the view supplies its client
// size and is told when anything the command rules look at changed.
class ShownPicture
{
public:
    ShownPicture(ImagingControl &imageCtrl, FrameServices &frame, std::function<QSize()> clientSize,
                 std::function<void()> changed);
    ~ShownPicture();

    bool hasImage() const { return m_bHasImage; }
    const MemoryBlock &rawFrame() const { return m_hRawFrame; }
    ColorCoefficients colorCoeff() const { return m_colorCoeff; }
    const PictureSettings &settings() const { return m_picture; }
    PictureSettings &settings() { return m_picture; }

    // The stored quality factor, tone curve and sharpness step become the settings in force.
    void readSettings(const SettingsStore &store);
    // The capture once the camera answered that it is ready.
    void capture();
    bool save(const QString &path, short format);
    // A picture read from a file replaces the camera's: only then is the camera's frame
    // dropped, and the picture settings work on the shown image from then on. False when the
    // file cannot be read (that is reported, and no picture is shown).
    bool open(const QString &path);
    // Re-makes the shown image from the kept frame after a confirmed picture setting.
    void reprocess();
    MemoryBlock convertFrame(int gamma);

    float bestFitZoom() const;
    void applyZoom(float zoomPercent);
    void enableImageMenus(bool enabled);

private:
    void showLoadedImage();
    void showLoadFailure();
    // Keeps a captured frame (a null one is already in m_hRawFrame) and shows it; false when a
    // failure was reported.
    bool keepAndShowFrame(MemoryBlock cropped, BusyScope &busy);

    ImagingControl &m_imageCtrl;
    FrameServices &m_frame;
    std::function<QSize()> m_clientSize;
    std::function<void()> m_changed;
    bool m_bHasImage = false;
    MemoryBlock m_hRawFrame;
    ColorCoefficients m_colorCoeff;
    PictureSettings m_picture;
};
