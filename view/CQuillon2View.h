// SPDX-License-Identifier: MIT
#pragma once

#include "link/FrameLayout.h"
#include "link/MemoryBlock.h"
#include "link/ReadinessMonitor.h"
#include "remote/CRemoteControlDlg.h"
#include "view/CommandContext.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <memory>

class FileDialogs;
class FrameServices;
class ImagingControl;
class SettingsStore;

// The one view of the main window. It hosts the imaging control over its whole client area and
// holds the program's image state: whether an image is shown, the last camera frame, the picture
// settings in force, the camera's readiness, and the remote-control panel while it is open.
class CQuillon2View : public QWidget, public RemotePanelOwner
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

    void OnCapture();
    void OnFileSave();
    // Saves the shown image (format 6 BMP, 10 JPEG) with the current quality factor; a failure
    // is reported and changes nothing.
    bool SaveImageAs(const QString &path, short format);
    void OnFileOpen();
    void OnJpegSetting();
    void OnSharpness();
    void OnGammaCorrection();
    void OnToggleRemoteControl();
    void OnShowRemoteControl();
    void OnHideRemoteControl();
    void OnZoomIn();
    void OnZoomOut();
    void OnBestFit();
    void OnActualSize();
    void OnToggleOpenMode();

    // The zoom at which the shown image fits the client area.
    float ComputeBestFitZoom() const;
    // The sharpening amount of a sharpness step; a step outside 0..6 is taken as 3 (no change)
    // and m_sharpnessIndex becomes 3.
    short SharpenAmountForIndex(int index);
    // The BMP file image of the kept camera frame converted with a gamma selection; a null block
    // when there is no frame or no memory (the latter is reported).
    MemoryBlock ConvertFrameToBitmap(int gamma);
    void RefreshImage();
    void CloseRemotePanel();
    void OnRemotePanelDestroyed() override;
    int QueryReadiness() { return m_readiness.QueryReadiness(); }

    ReadinessMonitor &readiness() { return m_readiness; }
    const ReadinessMonitor &readiness() const { return m_readiness; }
    ImagingControl &imageCtrl() { return *m_imageCtrl; }
    CommandContext commandContext() const;
    // Tests answer the file dialogs.
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);

    ImagingControl *m_imageCtrl = nullptr;
    ReadinessMonitor m_readiness;
    bool m_bHasImage = false;
    bool m_bOpenEnabled = false;
    // The cropped frame of the last capture, kept so that sharpness and gamma can be re-applied.
    MemoryBlock m_hRawFrame;
    ColorCoefficients m_colorCoeff;
    int m_gamma = 1;
    int m_sharpenAmount = 0;
    int m_sharpnessIndex = 3;
    int m_qFactor = 15;
    FrameServices *m_pMainFrame = nullptr;
    QPointer<QDialog> m_pRemoteDlg;

Q_SIGNALS:
    // Something the command rules look at may have changed.
    void stateChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void InitImageControl();
    // The readiness question that starts the camera commands: true when ready; an
    // initializing camera is polled until it is; without a link nothing more happens.
    bool cameraAnswersReady();
    void applyZoom(float zoomPercent);
    // The shared steps after an image was loaded, and after a load failed.
    void showLoadedImage();
    void showLoadFailure();
    // Re-makes the shown image from the kept frame after a confirmed picture setting.
    void reprocessShownImage();
    void setBusy(bool busy);

    SettingsStore &m_settings;
    QWidget *m_imageWidget = nullptr;
    std::unique_ptr<FileDialogs> m_fileDialogs;
};
