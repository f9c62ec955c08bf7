// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"
#include "link/MemoryBlock.h"
#include "link/ReadinessMonitor.h"
#include "picture/ShownPicture.h"
#include "remote/RemotePanelHolder.h"
#include "view/CommandContext.h"
#include "view/PictureSettingDialogs.h"

#include <QWidget>

#include <memory>

class FileDialogs;
class FrameServices;
class ImagingControl;
class SettingsStore;

// The one view of the main window. It hosts the imaging control over its whole client area and
// holds the program's image state: whether an image is shown, the last camera frame, the picture
// settings in force, the camera's readiness, and the remote-control panel while it is open.
class CQuillon2View : public QWidget
{
    Q_OBJECT
public:
    // imageCtrl: the control to use instead of a CImageCtrl child (tests); the view does not own
    // it then.
    CQuillon2View(FrameServices &frame, SettingsStore &settings, QWidget *parent = nullptr,
                  ImagingControl *imageCtrl = nullptr);
    ~CQuillon2View() override;

    // Control set-up, menus greyed, settings read, the first readiness query.
    void OnInitialUpdate();

    void OnCapture() { captureNewPicture(); }
    // The capture: true when it shows a new picture.
    bool captureNewPicture();
    void OnFileSave();
    // Saves the shown image (format 6 BMP, 10 JPEG) with the current quality factor; a failure
    // is reported and changes nothing.
    bool SaveImageAs(const QString &path, short format) { return m_shown.save(path, format); }
    void OnFileOpen();
    void OnEditCopy();
    void OnFilePrint();
    void OnJpegSetting() { m_settingDialogs.jpegSetting(); }
    void OnSharpness() { m_settingDialogs.sharpness(); }
    void OnGammaCorrection() { m_settingDialogs.gammaCorrection(); }
    void OnToggleRemoteControl();
    void OnShowRemoteControl();
    void OnHideRemoteControl() { m_remotePanel.cancel(); }
    void OnZoomIn();
    void OnZoomOut();
    void OnBestFit();
    void OnActualSize() { m_shown.applyZoom(100.0f); }
    void OnToggleOpenMode();

    // The zoom at which the shown image fits the client area.
    float ComputeBestFitZoom() const { return m_shown.bestFitZoom(); }
    // The sharpening amount of a sharpness step; a step outside 0..6 is taken as 3 (no change)
    // and m_sharpnessIndex becomes 3.
    short SharpenAmountForIndex(int index) { return m_shown.SharpenAmountForIndex(index); }
    void RefreshImage();
    void CloseRemotePanel() { m_remotePanel.closeLater(); }
    int QueryReadiness() { return m_readiness.QueryReadiness(); }

    // Timer 2: one poll of the camera's readiness.
    void OnTimer() { m_readiness.OnTimer(); }
    // The camera's arrival or removal, as the main frame hears of it.
    void OnDeviceChange(DeviceEvent event, const QString &hardwareKey)
    {
        m_readiness.OnDeviceChange(event, hardwareKey);
    }

    const ReadinessMonitor &readiness() const { return m_readiness; }
    const ImagingControl &imageCtrl() const { return *m_imageCtrl; }
    // The picture as shown (sharpness and gamma applied); a null image when there is none.
    QImage shownImage() const;
    CommandContext commandContext() const;
    // Tests answer the file dialogs.
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);

    bool hasImage() const { return m_shown.hasImage(); }
    bool openEnabled() const { return m_bOpenEnabled; }
    // The cropped frame of the last capture, kept so that sharpness and gamma can be re-applied.
    const MemoryBlock &rawFrame() const { return m_shown.rawFrame(); }
    ColorCoefficients colorCoeff() const { return m_shown.colorCoeff(); }
    const PictureSettings &picture() const { return m_shown.settings(); }

Q_SIGNALS:
    // Something the command rules look at may have changed.
    void stateChanged();
    // Ctrl+wheel over the picture asks for one zoom step.
    void zoomStepRequested(bool zoomIn);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class ViewFixture;

    ImagingControl *createImageControl();
    void InitImageControl();
    // The readiness question that starts the camera commands: true when ready; an
    // initializing camera is polled until it is; without a link nothing more happens.
    bool cameraAnswersReady();

    FrameServices *m_pMainFrame = nullptr;
    SettingsStore &m_settings;
    QWidget *m_imageWidget = nullptr;
    ImagingControl *m_imageCtrl = nullptr;
    ReadinessMonitor m_readiness;
    RemotePanelHolder m_remotePanel;
    ShownPicture m_shown;
    PictureSettingDialogs m_settingDialogs;
    bool m_bOpenEnabled = false;
    std::unique_ptr<FileDialogs> m_fileDialogs;
};
