// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

// The start-up picture: bitmap 130 (320 x 320) in a sunken frame, centred on the screen. It is
// modeless, has no buttons, and is closed by the application.
class CSplashDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int BitmapSize = 320;

    explicit CSplashDlg(QWidget *parent = nullptr);
};
