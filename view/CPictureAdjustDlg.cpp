// SPDX-License-Identifier: MIT
#include "view/CPictureAdjustDlg.h"

#include "picture/BusyScope.h"
#include "picture/PictureSettings.h"
#include "picture/PreviewSource.h"
#include "settings/DialogUnits.h"
#include "settings/TrackbarSlider.h"
#include "view/CImageCtrl.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace {
constexpr int SharpnessSteps = 6;
} // namespace

CPictureAdjustDlg::CPictureAdjustDlg(PreviewSource &source, StatusSink &status, QWidget *parent,
                                     ImagingControl *preview)
    : QDialog(parent)
    , m_source(source)
    , m_pMainFrame(status)
{
    setWindowTitle(tr("Picture Adjust"));
    const DialogUnits units(fontMetrics());
    if (preview) {
        m_preview = preview;
    } else {
        auto *control = new CImageCtrl(this);
        control->setObjectName(QStringLiteral("preview"));
        control->setGeometry(units.rect(23, 7, 139, 129));
        control->setFocusPolicy(Qt::NoFocus);
        m_preview = control;
        m_previewWidget = control;
    }
    m_slider = new TrackbarSlider(this);
    m_slider->setObjectName(QStringLiteral("slider"));
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_slider->setGeometry(units.rect(15, 150, 155, 25));
    m_leftLabel = new QLabel(tr("Left"), this);
    m_leftLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_leftLabel->setGeometry(units.rect(19, 180, 45, 10));
    m_rightLabel = new QLabel(tr("Right"), this);
    m_rightLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_rightLabel->setGeometry(units.rect(122, 180, 45, 10));
    m_on = new QRadioButton(tr("ON"), this);
    m_on->setObjectName(QStringLiteral("gammaOn"));
    m_on->setGeometry(units.rect(76, 154, 75, 10));
    m_off = new QRadioButton(tr("OFF"), this);
    m_off->setObjectName(QStringLiteral("gammaOff"));
    m_off->setGeometry(units.rect(76, 174, 75, 10));
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setGeometry(units.rect(33, 205, 50, 14));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(units.rect(102, 205, 50, 14));
    setFixedSize(units.size(187, 241));

    connect(ok, &QPushButton::clicked, this, &CPictureAdjustDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // A refresh converts the whole frame: only the end of a drag, of a held key or of a click
    // counts, never the positions passed on the way.
    connect(m_slider, &TrackbarSlider::endTrack, this, &CPictureAdjustDlg::OnSliderEndTrack);
    for (QRadioButton *button : {m_on, m_off})
        connect(button, &QRadioButton::clicked, this, &CPictureAdjustDlg::OnGammaClicked);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive && m_previewWidget)
            m_preview->Repaint();
    });
}

CPictureAdjustDlg::~CPictureAdjustDlg()
{
    m_preview->SetImageHandle(0);
}

void CPictureAdjustDlg::seed(int mode, const PictureSettings &inForce)
{
    m_mode = mode;
    if (mode == ModeSharpness)
        m_sliderPos = inForce.m_sharpnessIndex;
    else
        m_gammaChoice = inForce.m_gamma;
    m_previewAmount = inForce.m_sharpenAmount;
    m_previewGamma = inForce.m_gamma;
}

void CPictureAdjustDlg::showEvent(QShowEvent *event)
{
    if (!m_initialised && !event->spontaneous()) {
        OnInitDialog();
        centreOnScreen(*this);
    }
    QDialog::showEvent(event);
}

void CPictureAdjustDlg::showGammaChoice(int choice)
{
    // -1 selects neither button, which an exclusive pair cannot show.
    for (QRadioButton *button : {m_on, m_off})
        button->setAutoExclusive(false);
    m_on->setChecked(choice == 0);
    m_off->setChecked(choice == 1);
    for (QRadioButton *button : {m_on, m_off})
        button->setAutoExclusive(true);
}

int CPictureAdjustDlg::selectedGamma() const
{
    return m_on->isChecked() ? 0 : m_off->isChecked() ? 1 : -1;
}

void CPictureAdjustDlg::OnInitDialog()
{
    showGammaChoice(m_gammaChoice);
    m_preview->SetOption20(false);
    m_preview->SetAppearance(0);
    m_preview->SetBorderStyle(1);
    m_preview->SetOption6(1);
    m_preview->SetOption19(0);
    m_preview->SetRepaintEnabled(true);
    m_preview->SetAutoSize(false);
    m_preview->SetOption57(true);
    m_preview->SetSizeMode(ImagingControl::SizeModeStretch);
    RefreshPreview();

    if (m_previewWidget) {
        const QSize image(int(m_preview->GetImageWidth()), int(m_preview->GetImageHeight()));
        const QSize client = m_previewWidget->contentsRect().size();
        m_previewWidget->setGeometry(
            fittedPreviewRect(image, size(), m_previewWidget->geometry(), client));
    }

    QString caption;
    QString left;
    QString right;
    if (m_mode == ModeSharpness) {
        m_slider->setRange(0, SharpnessSteps);
        m_slider->setValue(m_sliderPos);
        m_on->hide();
        m_off->hide();
        m_slider->setFocus();
        caption = tr("Sharpness");
        left = tr("Softness");
        right = tr("Sharper");
    } else if (m_mode == ModeGamma) {
        m_slider->hide();
        (m_gammaChoice == 1 ? m_off : m_on)->setFocus();
        caption = tr("Gamma correction");
    }
    setWindowTitle(caption);
    m_leftLabel->setText(left);
    m_rightLabel->setText(right);
    m_initialised = true;
}

QRect CPictureAdjustDlg::fittedPreviewRect(QSize image, QSize dialogClient, QRect preview,
                                           QSize previewClient)
{
    const int w = image.width();
    const int h = image.height();
    int cw = previewClient.width();
    int ch = previewClient.height();
    if (w <= 0 || h <= 0 || cw <= 0 || ch <= 0)
        return preview;
    if (h * cw / ch < w)
        ch = cw * h / w;
    else
        cw = ch * w / h;
    const int line = int(0.6 * dialogClient.height());
    return QRect((dialogClient.width() - cw) / 2, (line - ch) / 2, cw, ch);
}

void CPictureAdjustDlg::RefreshPreview()
{
    BusyScope busy(m_pMainFrame);
    const bool rendered = m_source.renderPreview(*m_preview, m_previewGamma, m_previewAmount);
    busy.end();
    m_preview->SetRepaintEnabled(true);
    if (rendered)
        m_preview->Repaint();
}

void CPictureAdjustDlg::OnSliderEndTrack()
{
    m_sliderPos = m_slider->value();
    const int amount = m_source.SharpenAmountForIndex(m_sliderPos);
    if (amount == m_previewAmount)
        return;
    m_previewAmount = amount;
    RefreshPreview();
}

void CPictureAdjustDlg::OnGammaClicked()
{
    m_gammaChoice = selectedGamma();
    if (m_gammaChoice == m_previewGamma)
        return;
    m_previewGamma = m_gammaChoice;
    RefreshPreview();
}

void CPictureAdjustDlg::accept()
{
    m_sliderPos = m_slider->value();
    m_gammaChoice = selectedGamma();
    QDialog::accept();
}
