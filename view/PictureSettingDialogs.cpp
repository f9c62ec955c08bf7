// SPDX-License-Identifier: MIT
#include "view/PictureSettingDialogs.h"

#include "picture/ShownPicture.h"
#include "settings/CQFactorDlg.h"
#include "store/SettingsStore.h"
#include "view/CPictureAdjustDlg.h"
#include "view/CQuillon2View.h"

PictureSettingDialogs::PictureSettingDialogs(CQuillon2View &view, ShownPicture &shown,
                                             SettingsStore &settings, StatusSink &status)
    : m_view(view)
    , m_shown(shown)
    , m_settings(settings)
    , m_status(status)
{}

void PictureSettingDialogs::jpegSetting()
{
    PictureSettings &picture = m_shown.settings();
    CQFactorDlg dialog(m_view.window());
    dialog.m_qFactor = picture.m_qFactor;
    if (dialog.exec() == QDialog::Rejected)
        return;
    picture.m_qFactor = dialog.m_qFactor;
    m_settings.write(Setting::Qfactor, picture.m_qFactor);
}

bool PictureSettingDialogs::runAdjustDialog(CPictureAdjustDlg &dialog, int mode)
{
    const PictureSettings &picture = m_shown.settings();
    dialog.m_mode = mode;
    if (mode == CPictureAdjustDlg::ModeSharpness)
        dialog.m_sliderPos = picture.m_sharpnessIndex;
    else
        dialog.m_gammaChoice = picture.m_gamma;
    dialog.m_previewAmount = picture.m_sharpenAmount;
    dialog.m_previewGamma = picture.m_gamma;
    return dialog.exec() != QDialog::Rejected;
}

void PictureSettingDialogs::sharpness()
{
    CPictureAdjustDlg dialog(m_view, m_status, m_view.window());
    if (!runAdjustDialog(dialog, CPictureAdjustDlg::ModeSharpness))
        return;
    PictureSettings &picture = m_shown.settings();
    picture.m_sharpnessIndex = dialog.m_sliderPos;
    picture.m_sharpenAmount = picture.amountForIndex(picture.m_sharpnessIndex);
    m_settings.write(Setting::Sharpness, picture.m_sharpnessIndex);
    m_shown.reprocess();
}

void PictureSettingDialogs::gammaCorrection()
{
    CPictureAdjustDlg dialog(m_view, m_status, m_view.window());
    if (!runAdjustDialog(dialog, CPictureAdjustDlg::ModeGamma))
        return;
    PictureSettings &picture = m_shown.settings();
    // The radio pair always has one button selected; anything else would select no tone curve.
    if (dialog.m_gammaChoice == 0 || dialog.m_gammaChoice == 1)
        picture.m_gamma = dialog.m_gammaChoice;
    m_settings.write(Setting::Gamma, picture.m_gamma);
    m_shown.reprocess();
}
