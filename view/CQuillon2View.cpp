// SPDX-License-Identifier: MIT
#include "view/CQuillon2View.h"

#include "imaging/ZoomArithmetic.h"
#include "link/ColorConversion.h"
#include "link/LinkError.h"
#include "remote/CRemoteControlDlg.h"
#include "settings/CQFactorDlg.h"
#include "settings/SettingsStore.h"
#include "view/CImageCtrl.h"
#include "view/CPictureAdjustDlg.h"
#include "view/FileDialogs.h"
#include "view/FrameServices.h"
#include "view/ImageFileFormat.h"

#include <QGuiApplication>
#include <QResizeEvent>

#include <array>
#include <cstring>

namespace {
// Sharpening amounts by sharpness step: three softer, none, three sharper.
constexpr std::array<short, 7> SharpeningTable{-1000, -900, -800, 0, 800, 900, 950};
constexpr int DefaultSharpnessIndex = 3;

constexpr int EditMenuPosition = 1;
constexpr int ZoomMenuPosition = 3;

void beginWaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void endWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}
} // namespace

CQuillon2View::CQuillon2View(FrameServices &frame, SettingsStore &settings, QWidget *parent,
                             ImagingControl *imageCtrl)
    : QWidget(parent)
    , m_readiness(frame.Link(), frame, frame)
    , m_pMainFrame(&frame)
    , m_settings(settings)
    , m_fileDialogs(std::make_unique<SystemFileDialogs>())
{
    if (imageCtrl) {
        m_imageCtrl = imageCtrl;
    } else {
        auto *control = new CImageCtrl(this);
        m_imageCtrl = control;
        m_imageWidget = control;
    }
    connect(&m_readiness, &ReadinessMonitor::readinessChanged, this, &CQuillon2View::stateChanged);
}

CQuillon2View::~CQuillon2View()
{
    m_readiness.KillTimer();
    m_hRawFrame.reset();
    m_imageCtrl->SetImageHandle(0);
}

void CQuillon2View::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_fileDialogs = std::move(dialogs);
}

CommandContext CQuillon2View::commandContext() const
{
    CommandContext context;
    context.hasImage = m_bHasImage;
    context.cameraReady = m_readiness.isReady();
    context.remotePanelOpen = !m_pRemoteDlg.isNull();
    context.zoomPercent = m_imageCtrl->GetZoomPercent();
    return context;
}

void CQuillon2View::InitImageControl()
{
    m_imageCtrl->SetOption20(false);
    m_imageCtrl->SetAppearance(0);
    m_imageCtrl->SetOption6(1);
    m_imageCtrl->SetOption19(0);
    m_imageCtrl->SetRepaintEnabled(true);
    m_imageCtrl->SetAutoSize(false);
    m_imageCtrl->SetOption57(true);
    m_imageCtrl->SetOption5(true);
}

void CQuillon2View::OnInitialUpdate()
{
    InitImageControl();
    m_pMainFrame->EnableTopMenu(EditMenuPosition, false);
    m_pMainFrame->EnableTopMenu(ZoomMenuPosition, false);
    m_qFactor = m_settings.read(Setting::Qfactor);
    m_gamma = m_settings.read(Setting::Gamma);
    m_sharpnessIndex = m_settings.read(Setting::Sharpness);
    m_sharpenAmount = SharpenAmountForIndex(m_sharpnessIndex);
    m_readiness.OnInitialUpdate();
    Q_EMIT stateChanged();
}

short CQuillon2View::SharpenAmountForIndex(int index)
{
    if (index < 0 || index >= int(SharpeningTable.size())) {
        m_sharpnessIndex = DefaultSharpnessIndex;
        index = DefaultSharpnessIndex;
    }
    return SharpeningTable[std::size_t(index)];
}

float CQuillon2View::ComputeBestFitZoom() const
{
    return ZoomArithmetic::bestFitZoom(width(), height(), int(m_imageCtrl->GetImageWidth()),
                                       int(m_imageCtrl->GetImageHeight()));
}

void CQuillon2View::applyZoom(float zoomPercent)
{
    m_imageCtrl->SetOption57(true);
    m_imageCtrl->SetSizeMode(ImagingControl::SizeModeZoom);
    m_imageCtrl->SetZoomPercent(zoomPercent);
    m_pMainFrame->SetZoomReadout(zoomPercent);
    Q_EMIT stateChanged();
}

void CQuillon2View::OnZoomIn()
{
    applyZoom(float(ZoomArithmetic::zoomInTarget(m_imageCtrl->GetZoomPercent())));
}

void CQuillon2View::OnZoomOut()
{
    if (auto target = ZoomArithmetic::zoomOutTarget(m_imageCtrl->GetZoomPercent()))
        applyZoom(float(*target));
}

void CQuillon2View::OnBestFit()
{
    applyZoom(ComputeBestFitZoom());
}

void CQuillon2View::OnActualSize()
{
    applyZoom(100.0f);
}

void CQuillon2View::OnToggleOpenMode()
{
    m_bOpenEnabled = !m_bOpenEnabled;
    Q_EMIT stateChanged();
}

void CQuillon2View::RefreshImage()
{
    if (m_bHasImage)
        m_imageCtrl->Repaint();
}

void CQuillon2View::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_imageWidget && !window()->isMinimized()) {
        m_imageWidget->setGeometry(0, 0, event->size().width(), event->size().height());
        m_imageWidget->update();
    }
}

void CQuillon2View::showLoadedImage()
{
    m_bHasImage = true;
    const float zoom = ComputeBestFitZoom();
    m_imageCtrl->SetSizeMode(ImagingControl::SizeModeZoom);
    m_imageCtrl->SetZoomPercent(zoom);
    m_imageCtrl->SetRepaintEnabled(true);
    m_pMainFrame->SetZoomReadout(zoom);
    m_pMainFrame->EnableTopMenu(EditMenuPosition, true);
    m_pMainFrame->EnableTopMenu(ZoomMenuPosition, true);
    Q_EMIT stateChanged();
}

void CQuillon2View::showLoadFailure()
{
    m_bHasImage = false;
    m_pMainFrame->SetZoomReadout(-1.0f);
    m_pMainFrame->EnableTopMenu(EditMenuPosition, false);
    m_pMainFrame->EnableTopMenu(ZoomMenuPosition, false);
    m_imageCtrl->SetRepaintEnabled(true);
    Q_EMIT stateChanged();
}

MemoryBlock CQuillon2View::ConvertFrameToBitmap(int gamma)
{
    if (m_hRawFrame.isNull())
        return {};
    MemoryBlock bitmap = convertFrameToBitmapBlock(m_hRawFrame, m_colorCoeff, gamma);
    if (bitmap.isNull())
        m_pMainFrame->Link().ShowLinkError(int(LinkError::OutOfMemory));
    return bitmap;
}

bool CQuillon2View::cameraAnswersReady()
{
    const int readiness = QueryReadiness();
    if (readiness == 1) {
        m_pMainFrame->SetStatusMessage(StringId::Initializing);
        m_readiness.ArmTimer();
    }
    return readiness == 0;
}

void CQuillon2View::OnCapture()
{
    if (!cameraAnswersReady())
        return;
    CameraLink &link = m_pMainFrame->Link();
    if (!link.SendCommand("QS4  "))
        return;
    ReplyPacket reply{};
    link.ReadReply(reply);
    m_colorCoeff = {reply[1], reply[2], reply[3], reply[4]};
    if (!link.SendCommand("TR0  ") || !link.CheckAck())
        return;

    MemoryBlock raw = MemoryBlock::allocate(FrameLayout::RawFrameBytes);
    if (raw.isNull()) {
        link.ShowLinkError(int(LinkError::OutOfMemory));
        return;
    }
    m_pMainFrame->SetStatusMessage(StringId::Busy);
    beginWaitCursor();
    m_pMainFrame->SetFrameEnabled(false);
    const bool transferred = link.ReadImageBlock(raw);
    m_pMainFrame->SetFrameEnabled(true);
    m_pMainFrame->SetTransferProgress(0);

    if (transferred) {
        MemoryBlock cropped = cropRawFrameBlock(raw);
        raw.reset();
        if (cropped.isNull()) {
            link.ShowLinkError(int(LinkError::OutOfMemory));
        } else {
            if (m_hRawFrame.isNull()) {
                m_hRawFrame = MemoryBlock::allocate(FrameLayout::CroppedFrameBytes);
                if (m_hRawFrame.isNull()) {
                    cropped.reset();
                    endWaitCursor();
                    m_pMainFrame->SetStatusMessage(StringId::Ready);
                    link.ShowLinkError(int(LinkError::OutOfMemory));
                    return;
                }
            }
            std::memcpy(m_hRawFrame.data(), cropped.data(), FrameLayout::CroppedFrameBytes);
            cropped.reset();
            MemoryBlock bitmap = ConvertFrameToBitmap(m_gamma);
            if (!bitmap.isNull()) {
                m_imageCtrl->SetRepaintEnabled(false);
                m_imageCtrl->SetImageHandle(0);
                if (m_imageCtrl->LoadFromMemory(bitmap, 0, 0, long(bitmap.size())) != 0) {
                    bitmap.reset();
                    showLoadFailure();
                    endWaitCursor();
                    m_pMainFrame->SetStatusMessage(StringId::Ready);
                    link.ShowLinkError(int(LinkError::LoadFailed));
                    return;
                }
                m_imageCtrl->Sharpen(short(m_sharpenAmount));
                showLoadedImage();
            }
        }
    }
    endWaitCursor();
    m_pMainFrame->SetStatusMessage(StringId::Ready);
    Q_EMIT stateChanged();
}

void CQuillon2View::OnFileSave()
{
    if (const std::optional<QString> path = m_fileDialogs->askSavePath(window()))
        SaveImageAs(*path, imageFormatForFileName(*path));
}

bool CQuillon2View::SaveImageAs(const QString &path, short format)
{
    short bits = m_imageCtrl->GetBitsPerPixel();
    const short quality = short(m_qFactor);
    if (format == ImagingControl::ImageFormatJpeg) {
        // JPEG holds true colour only; the shown image stays converted.
        if (bits < 24) {
            m_imageCtrl->ConvertColorDepth(24, 4, 1, 0);
            m_imageCtrl->Repaint();
            bits = m_imageCtrl->GetBitsPerPixel();
        }
        m_imageCtrl->SetTextItem(3, QString());
    }
    m_pMainFrame->SetStatusMessage(StringId::Busy);
    beginWaitCursor();
    const short result = m_imageCtrl->SaveFile(path, format, bits, quality, 0);
    endWaitCursor();
    m_pMainFrame->SetStatusMessage(StringId::Ready);
    if (result != 0)
        m_pMainFrame->Link().ShowLinkError(int(LinkError::SaveFailed));
    return result == 0;
}

void CQuillon2View::OnFileOpen()
{
    if (!m_bOpenEnabled)
        return;
    // Dropped before the dialog: from here on the picture settings work on the shown image only.
    m_hRawFrame.reset();
    const std::optional<QString> path = m_fileDialogs->askOpenPath(window());
    if (!path)
        return;
    m_pMainFrame->SetStatusMessage(StringId::Busy);
    beginWaitCursor();
    m_imageCtrl->SetRepaintEnabled(false);
    if (m_imageCtrl->LoadFile(*path, 0, 0, 1) == 0) {
        m_gamma = 0;
        m_sharpenAmount = 0;
        showLoadedImage();
        endWaitCursor();
        m_pMainFrame->SetStatusMessage(StringId::Ready);
        return;
    }
    showLoadFailure();
    endWaitCursor();
    m_pMainFrame->SetStatusMessage(StringId::Ready);
    m_pMainFrame->Link().ShowLinkError(int(LinkError::LoadFailed));
}

void CQuillon2View::OnJpegSetting()
{
    CQFactorDlg dialog(window());
    dialog.m_qFactor = m_qFactor;
    if (dialog.exec() == QDialog::Rejected)
        return;
    m_qFactor = dialog.m_qFactor;
    m_settings.write(Setting::Qfactor, m_qFactor);
}

void CQuillon2View::OnSharpness()
{
    CPictureAdjustDlg dialog(*this, *m_pMainFrame, window());
    dialog.m_mode = CPictureAdjustDlg::ModeSharpness;
    dialog.m_sliderPos = m_sharpnessIndex;
    dialog.m_previewAmount = m_sharpenAmount;
    dialog.m_previewGamma = m_gamma;
    if (dialog.exec() == QDialog::Rejected)
        return;
    m_sharpnessIndex = dialog.m_sliderPos;
    m_sharpenAmount = SharpenAmountForIndex(m_sharpnessIndex);
    m_settings.write(Setting::Sharpness, m_sharpnessIndex);
    m_pMainFrame->SetStatusMessage(StringId::Busy);
    beginWaitCursor();
    reprocessShownImage();
}

void CQuillon2View::OnGammaCorrection()
{
    CPictureAdjustDlg dialog(*this, *m_pMainFrame, window());
    dialog.m_mode = CPictureAdjustDlg::ModeGamma;
    dialog.m_gammaChoice = m_gamma;
    dialog.m_previewGamma = m_gamma;
    dialog.m_previewAmount = m_sharpenAmount;
    if (dialog.exec() == QDialog::Rejected)
        return;
    // The radio pair always has one button selected; anything else would select no tone curve.
    if (dialog.m_gammaChoice == 0 || dialog.m_gammaChoice == 1)
        m_gamma = dialog.m_gammaChoice;
    m_settings.write(Setting::Gamma, m_gamma);
    beginWaitCursor();
    m_pMainFrame->SetStatusMessage(StringId::Busy);
    reprocessShownImage();
}

void CQuillon2View::reprocessShownImage()
{
    MemoryBlock bitmap = ConvertFrameToBitmap(m_gamma);
    if (!bitmap.isNull()) {
        m_imageCtrl->SetRepaintEnabled(false);
        const short result = m_imageCtrl->LoadFromMemory(bitmap, 0, 0, long(bitmap.size()));
        bitmap.reset();
        if (result != 0) {
            m_imageCtrl->SetRepaintEnabled(true);
            endWaitCursor();
            m_pMainFrame->SetStatusMessage(StringId::Ready);
            return;
        }
    }
    m_imageCtrl->Sharpen(short(m_sharpenAmount));
    m_imageCtrl->SetRepaintEnabled(true);
    endWaitCursor();
    m_pMainFrame->SetStatusMessage(StringId::Ready);
    m_imageCtrl->Repaint();
}

void CQuillon2View::OnToggleRemoteControl()
{
    if (m_pRemoteDlg)
        OnHideRemoteControl();
    else
        OnShowRemoteControl();
}

void CQuillon2View::OnShowRemoteControl()
{
    if (!cameraAnswersReady())
        return;
    CameraLink &link = m_pMainFrame->Link();
    if (!link.SendCommand("QS3  "))
        return;
    ReplyPacket reply{};
    link.ReadReply(reply);
    if (reply[0] == '1') {
        link.ShowLinkError(int(LinkError::NotUsbSetting));
        return;
    }
    if (m_pRemoteDlg) {
        m_pRemoteDlg->activateWindow();
        return;
    }
    // Recorded before it initialises, so that a link failure during its start can close it.
    auto *panel = new CRemoteControlDlg(link, *this, window());
    m_pRemoteDlg = panel;
    Q_EMIT stateChanged();
    if (!panel->Create()) {
        m_pRemoteDlg = nullptr;
        delete panel;
        link.ShowLinkError(int(LinkError::RemoteCreateFailed));
    }
    Q_EMIT stateChanged();
}

void CQuillon2View::OnHideRemoteControl()
{
    if (auto *panel = qobject_cast<CRemoteControlDlg *>(m_pRemoteDlg.data()))
        panel->OnCancel();
}

void CQuillon2View::CloseRemotePanel()
{
    // Like a close request from the window system: the panel closes once the handler that is
    // running now (possibly one of its own) has returned.
    if (auto *panel = qobject_cast<CRemoteControlDlg *>(m_pRemoteDlg.data()))
        QMetaObject::invokeMethod(panel, &CRemoteControlDlg::OnCancel, Qt::QueuedConnection);
}

void CQuillon2View::OnRemotePanelDestroyed()
{
    m_pRemoteDlg = nullptr;
    Q_EMIT stateChanged();
}
