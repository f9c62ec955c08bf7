// SPDX-License-Identifier: MIT
#include "view/CQuillon2View.h"

#include "imaging/ZoomArithmetic.h"
#include "picture/BusyScope.h"
#include "picture/FrameServices.h"
#include "picture/ImageFileFormat.h"
#include "view/CImageCtrl.h"
#include "view/FileDialogs.h"
#include "view/PictureOutput.h"
#include "view/PrintCommand.h"

#include <QResizeEvent>

CQuillon2View::CQuillon2View(FrameServices &frame, SettingsStore &settings, QWidget *parent,
                             ImagingControl *imageCtrl)
    : QWidget(parent)
    , m_pMainFrame(&frame)
    , m_settings(settings)
    , m_imageCtrl(imageCtrl ? imageCtrl : createImageControl())
    , m_readiness(frame.link(), frame, frame)
    , m_remotePanel(frame.link(), [this] { Q_EMIT stateChanged(); })
    , m_shown(
          *m_imageCtrl, frame, [this] { return size(); }, [this] { Q_EMIT stateChanged(); })
    , m_settingDialogs(*this, m_shown, settings, frame)
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

QImage CQuillon2View::shownImage() const
{
    return m_imageCtrl->GetImage();
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
    // Also while minimized: a window keeps its size then, and a size skipped would leave the
    // picture control at its first size when the window comes back.
    if (m_imageWidget) {
        m_imageWidget->setGeometry(0, 0, event->size().width(), event->size().height());
        m_imageWidget->update();
    }
}

bool CQuillon2View::cameraAnswersReady()
{
    const int readiness = m_readiness.queryForCommand();
    if (readiness == 1) {
        m_pMainFrame->SetStatusMessage(StringId::Initializing);
        m_readiness.ArmTimer();
    }
    return readiness == 0;
}

bool CQuillon2View::captureNewPicture()
{
    return cameraAnswersReady() && m_shown.capture();
}

void CQuillon2View::OnFileSave()
{
    const std::optional<QString> path = m_fileDialogs->askSavePath(window());
    if (path && SaveImageAs(*path, imageFormatForFileName(*path)))
        m_fileDialogs->rememberFolderOf(*path);
}

void CQuillon2View::OnFileOpen()
{
    if (!m_bOpenEnabled)
        return;
    const std::optional<QString> path = m_fileDialogs->askOpenPath(window());
    if (path && m_shown.open(*path))
        m_fileDialogs->rememberFolderOf(*path);
}

void CQuillon2View::OnEditCopy()
{
    const BusyScope busy(*m_pMainFrame);
    PictureOutput::copyToClipboard(m_imageCtrl->GetImage());
}

void CQuillon2View::OnFilePrint()
{
    printPicture(m_imageCtrl->GetImage(), *m_fileDialogs, *m_pMainFrame, window());
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
