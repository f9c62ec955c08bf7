// SPDX-License-Identifier: MIT
#include "view/PictureSettingDialogs.h"

#include "picture/ShownPicture.h"
#include "settings/CQFactorDlg.h"
#include "store/SettingsStore.h"
#include "view/CPictureAdjustDlg.h"

#include <QWidget>

PictureSettingDialogs::PictureSettingDialogs(QWidget &view, ShownPicture &shown,
                                             SettingsStore &settings, StatusSink &status)
    : m_view(view)
    , m_shown(shown)
    , m_settings(settings)
    , m_status(status)
{}

void PictureSettingDialogs::jpegSetting()
{
    CQFactorDlg dialog(m_view.window());
    dialog.setQFactor(m_shown.settings().m_qFactor);
    if (dialog.exec() == QDialog::Rejected)
        return;
    m_shown.setQFactor(dialog.qFactor());
    m_settings.write(Setting::Qfactor, dialog.qFactor());
}

bool PictureSettingDialogs::runAdjustDialog(CPictureAdjustDlg &dialog, int mode)
{
    dialog.seed(mode, m_shown.settings());
    return dialog.exec() != QDialog::Rejected;
}

void PictureSettingDialogs::sharpness()
{
    CPictureAdjustDlg dialog(m_shown, m_status, m_view.window());
    if (!runAdjustDialog(dialog, CPictureAdjustDlg::ModeSharpness))
        return;
    m_shown.setSharpnessIndex(dialog.sliderPos());
    m_settings.write(Setting::Sharpness, m_shown.settings().m_sharpnessIndex);
    m_shown.reprocess();
}

void PictureSettingDialogs::gammaCorrection()
{
    CPictureAdjustDlg dialog(m_shown, m_status, m_view.window());
    if (!runAdjustDialog(dialog, CPictureAdjustDlg::ModeGamma))
        return;
    // The radio pair always has one button selected; anything else would select no tone curve.
    if (dialog.gammaChoice() == 0 || dialog.gammaChoice() == 1)
        m_shown.setGamma(dialog.gammaChoice());
    m_settings.write(Setting::Gamma, m_shown.settings().m_gamma);
    m_shown.reprocess();
}
