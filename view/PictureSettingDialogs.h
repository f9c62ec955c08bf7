// SPDX-License-Identifier: MIT
#pragma once

class CPictureAdjustDlg;
class QWidget;
class SettingsStore;
class ShownPicture;
class StatusSink;

// The dialogs of the picture settings: the JPEG quality, the sharpness and the gamma correction.
// Each is seeded with the setting in force; a confirmed choice is stored, and a new sharpness or
// gamma re-makes the shown picture.
class PictureSettingDialogs
{
public:
    // The dialogs open over view's window.
    PictureSettingDialogs(QWidget &view, ShownPicture &shown, SettingsStore &settings,
                          StatusSink &status);

    void jpegSetting();
    void sharpness();
    void gammaCorrection();

private:
    // Seeds the Sharpness or Gamma correction dialog with the settings in force and runs it;
    // false when it was cancelled.
    bool runAdjustDialog(CPictureAdjustDlg &dialog, int mode);

    QWidget &m_view;
    ShownPicture &m_shown;
    SettingsStore &m_settings;
    StatusSink &m_status;
};
