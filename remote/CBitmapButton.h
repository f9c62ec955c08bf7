// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QString>

// A plain push button drawn with two bitmaps: its down image while it is pushed, its up image
// otherwise. A click arrives as the ordinary clicked() signal.
class CBitmapButton : public QAbstractButton
{
    Q_OBJECT
public:
    CBitmapButton(int controlId, QWidget *parent);

    int controlId() const { return m_controlId; }
    // Takes the bitmaps named by `name` followed by U (up) and D (down) and sizes the button to
    // the up image; false when there is no up image.
    bool AutoLoad(const QString &name);
    QString currentImageId() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const int m_controlId;
    QString m_upImageId;
    QString m_downImageId;
};
