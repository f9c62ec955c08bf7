// SPDX-License-Identifier: MIT
#include "view/CQuillon2View.h"

#include "imaging/ZoomArithmetic.h"
#include "settings/CQFactorDlg.h"
#include "settings/SettingsStore.h"
#include "view/BusyScope.h"
#include "view/CImageCtrl.h"
#include "view/CPictureAdjustDlg.h"
#include "view/FileDialogs.h"
#include "view/FrameServices.h"
#include "view/ImageFileFormat.h"
#include "view/PictureOutput.h"

#include <QMessageBox>
#include <QPrinter>
#include <QResizeEvent>

CQuillon2View::CQuillon2View(FrameServices &frame, SettingsStore &settings, QWidget *parent,
                             ImagingControl *imageCtrl)
    : QWidget(parent)
    , m_pMainFrame(&frame)
    , m_settings(settings)
    , m_imageCtrl(imageCtrl ? imageCtrl : createImageControl())
    , m_readiness(frame.Link(), frame, frame)
    , m_remotePanel(frame.Link(), [this] { Q_EMIT stateChanged(); })
    , m_shown(
          *m_imageCtrl, frame, [this] { return size(); }, [this] { Q_EMIT stateChanged(); })
    , m_fileDialogs(std::make_unique<SystemFileDialogs>(settings))
{
    connect(&m_readiness, &ReadinessMonitor::readinessChanged, this, &CQuillon2View::stateChanged);
}

CQuillon2View::~CQuillon2View()
{
    m_readiness.KillTimer();
}

ImagingControl *CQuillon2View::createImageControl()
{
    auto *control = new CImageCtrl(this);
    m_imageWidget = control;
    connect(control, &CImageCtrl::zoomStepRequested, this, &CQuillon2View::zoomStepRequested);
    return control;
}

void CQuillon2View::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_fileDialogs = std::move(dialogs);
}

CommandContext CQuillon2View::commandContext() const
{
    CommandContext context;
    context.hasImage = m_shown.hasImage();
    context.cameraReady = m_readiness.isReady();
    context.remotePanelOpen = m_remotePanel.isOpen();
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
    m_shown.enableImageMenus(false);
    m_shown.readSettings(m_settings);
    m_readiness.OnInitialUpdate();
    Q_EMIT stateChanged();
}

float CQuillon2View::ComputeBestFitZoom() const
{
    return m_shown.bestFitZoom();
}

void CQuillon2View::OnZoomIn()
{
    m_shown.applyZoom(float(ZoomArithmetic::zoomInTarget(m_imageCtrl->GetZoomPercent())));
}

void CQuillon2View::OnZoomOut()
{
    if (auto target = ZoomArithmetic::zoomOutTarget(m_imageCtrl->GetZoomPercent()))
        m_shown.applyZoom(float(*target));
}

void CQuillon2View::OnBestFit()
{
    m_shown.applyZoom(ComputeBestFitZoom());
}

void CQuillon2View::OnActualSize()
{
    m_shown.applyZoom(100.0f);
}

void CQuillon2View::OnToggleOpenMode()
{
    m_bOpenEnabled = !m_bOpenEnabled;
    Q_EMIT stateChanged();
}

void CQuillon2View::RefreshImage()
{
    if (m_shown.hasImage())
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
    if (cameraAnswersReady())
        m_shown.capture();
}

void CQuillon2View::OnFileSave()
{
    if (const std::optional<QString> path = m_fileDialogs->askSavePath(window()))
        SaveImageAs(*path, imageFormatForFileName(*path));
}

bool CQuillon2View::SaveImageAs(const QString &path, short format)
{
    return m_shown.save(path, format);
}

void CQuillon2View::OnFileOpen()
{
    if (!m_bOpenEnabled)
        return;
    // Dropped before the dialog: from here on the picture settings work on the shown image only.
    m_shown.dropFrame();
    if (const std::optional<QString> path = m_fileDialogs->askOpenPath(window()))
        m_shown.open(*path);
}

void CQuillon2View::OnEditCopy()
{
    const BusyScope busy(*m_pMainFrame);
    PictureOutput::copyToClipboard(m_imageCtrl->GetImage());
}

void CQuillon2View::OnFilePrint()
{
    const QImage picture = m_imageCtrl->GetImage();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(picture.width() > picture.height() ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    if (!m_fileDialogs->askPrinter(printer, window()))
        return;
    BusyScope busy(*m_pMainFrame);
    const bool printed = PictureOutput::print(printer, picture);
    busy.end();
    if (!printed)
        QMessageBox::warning(window(), statusText(StringId::AppTitle),
                             tr("Failed to print the image."));
}

void CQuillon2View::OnJpegSetting()
{
    PictureSettings &picture = m_shown.settings();
    CQFactorDlg dialog(window());
    dialog.m_qFactor = picture.m_qFactor;
    if (dialog.exec() == QDialog::Rejected)
        return;
    picture.m_qFactor = dialog.m_qFactor;
    m_settings.write(Setting::Qfactor, picture.m_qFactor);
}

void CQuillon2View::OnSharpness()
{
    PictureSettings &picture = m_shown.settings();
    CPictureAdjustDlg dialog(*this, *m_pMainFrame, window());
    dialog.m_mode = CPictureAdjustDlg::ModeSharpness;
    dialog.m_sliderPos = picture.m_sharpnessIndex;
    dialog.m_previewAmount = picture.m_sharpenAmount;
    dialog.m_previewGamma = picture.m_gamma;
    if (dialog.exec() == QDialog::Rejected)
        return;
    picture.m_sharpnessIndex = dialog.m_sliderPos;
    picture.m_sharpenAmount = SharpenAmountForIndex(picture.m_sharpnessIndex);
    m_settings.write(Setting::Sharpness, picture.m_sharpnessIndex);
    m_shown.reprocess();
}

void CQuillon2View::OnGammaCorrection()
{
    PictureSettings &picture = m_shown.settings();
    CPictureAdjustDlg dialog(*this, *m_pMainFrame, window());
    dialog.m_mode = CPictureAdjustDlg::ModeGamma;
    dialog.m_gammaChoice = picture.m_gamma;
    dialog.m_previewGamma = picture.m_gamma;
    dialog.m_previewAmount = picture.m_sharpenAmount;
    if (dialog.exec() == QDialog::Rejected)
        return;
    // The radio pair always has one button selected; anything else would select no tone curve.
    if (dialog.m_gammaChoice == 0 || dialog.m_gammaChoice == 1)
        picture.m_gamma = dialog.m_gammaChoice;
    m_settings.write(Setting::Gamma, picture.m_gamma);
    m_shown.reprocess();
}

void CQuillon2View::OnToggleRemoteControl()
{
    if (m_remotePanel.isOpen())
        OnHideRemoteControl();
    else
        OnShowRemoteControl();
}

void CQuillon2View::OnShowRemoteControl()
{
    if (cameraAnswersReady())
        m_remotePanel.open(window());
}

void CQuillon2View::OnHideRemoteControl()
{
    m_remotePanel.cancel();
}
