// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QRect>

class ImagingControl;
class PictureSettings;
class PreviewSource;
class QLabel;
class QRadioButton;
class StatusSink;
class TrackbarSlider;

// The modal Sharpness or Gamma correction dialog with a preview re-made from the kept camera
// frame: converted with one gamma selection and sharpened once with one amount, so the effects
// never accumulate. The caller seeds it, runs it, and takes the result unless it was cancelled;
// the shown picture is untouched while it runs.
class CPictureAdjustDlg : public QDialog
{
    Q_OBJECT
public:
    enum Mode
    {
        ModeGamma = 1,
        ModeSharpness = 2
    };

    // preview: the control to use instead of a CImageCtrl child (tests); not owned then.
    CPictureAdjustDlg(PreviewSource &source, StatusSink &status, QWidget *parent = nullptr,
                      ImagingControl *preview = nullptr);
    ~CPictureAdjustDlg() override;

    // Before exec(): the mode, and the settings in force to start from (the sharpness step in
    // ModeSharpness, the gamma selection in ModeGamma; the preview starts with both).
    void seed(int mode, const PictureSettings &inForce);
    // After exec(), unless it was cancelled: the chosen step and gamma selection (-1: none).
    int sliderPos() const { return m_sliderPos; }
    int gammaChoice() const { return m_gammaChoice; }

    // Re-makes the preview with m_previewGamma and m_previewAmount.
    void RefreshPreview();
    // Takes the controls' values.
    void accept() override;

    // Where the preview goes so that it keeps the image's proportions: the largest rectangle of
    // the image's shape within the preview's client size, centred horizontally in the dialog and
    // vertically on the line at 30 % of its height. An image without size keeps the preview
    // where it is (nothing to fit).
    static QRect fittedPreviewRect(QSize image, QSize dialogClient, QRect preview,
                                   QSize previewClient);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OnInitDialog();
    void OnSliderEndTrack();
    void OnGammaClicked();
    int selectedGamma() const;
    void showGammaChoice(int choice);

    PreviewSource &m_source;
    StatusSink &m_pMainFrame;
    int m_previewGamma = 1;
    int m_previewAmount = 0;
    int m_mode = ModeSharpness;
    int m_sliderPos = 3;
    int m_gammaChoice = -1;
    ImagingControl *m_preview = nullptr;
    QWidget *m_previewWidget = nullptr;
    TrackbarSlider *m_slider = nullptr;
    QLabel *m_leftLabel = nullptr;
    QLabel *m_rightLabel = nullptr;
    QRadioButton *m_on = nullptr;
    QRadioButton *m_off = nullptr;
    bool m_initialised = false;
};
