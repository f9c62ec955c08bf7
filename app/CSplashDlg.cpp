// SPDX-License-Identifier: MIT
#include "app/CSplashDlg.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

CSplashDlg::CSplashDlg(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("splash"));
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("splashBitmap"));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/splash.png")));
    picture->setFixedSize(BitmapSize + 2 * picture->frameWidth(),
                          BitmapSize + 2 * picture->frameWidth());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    setFixedSize(picture->size());

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->geometry();
        move(available.x() + (available.width() - width()) / 2,
             available.y() + (available.height() - height()) / 2);
    }
}
