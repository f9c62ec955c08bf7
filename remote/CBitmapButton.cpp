// SPDX-License-Identifier: MIT
#include "remote/CBitmapButton.h"

#include "remote/PanelBitmaps.h"

#include <QPainter>

CBitmapButton::CBitmapButton(int controlId, QWidget *parent)
    : QAbstractButton(parent)
    , m_controlId(controlId)
{
    setFocusPolicy(Qt::NoFocus);
}

bool CBitmapButton::AutoLoad(const QString &name)
{
    m_upImageId = name + QLatin1Char('U');
    m_downImageId = name + QLatin1Char('D');
    const QPixmap up = panelBitmap(m_upImageId, palette());
    if (up.isNull())
        return false;
    resize(up.size());
    return true;
}

QString CBitmapButton::currentImageId() const
{
    return isDown() ? m_downImageId : m_upImageId;
}

QSize CBitmapButton::sizeHint() const
{
    return panelBitmap(m_upImageId, palette()).size();
}

void CBitmapButton::paintEvent(QPaintEvent *)
{
    const QPixmap bitmap = panelBitmap(currentImageId(), palette(), devicePixelRatioF());
    if (bitmap.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, bitmap);
}
