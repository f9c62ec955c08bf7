// SPDX-License-Identifier: MIT
#include "settings/CQFactorDlg.h"

#include "settings/DialogUnits.h"
#include "settings/SettingsLogging.h"
#include "settings/TrackbarSlider.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

CQFactorDlg::CQFactorDlg(QWidget *parent)
    : QDialog(parent)
    , m_slider(new TrackbarSlider(this))
{
    setWindowTitle(tr("Q Factor"));
    const DialogUnits units(fontMetrics());

    // Created in tab order: the slider takes the focus when the dialog opens.
    m_slider->setObjectName(QStringLiteral("qFactorSlider"));
    m_slider->setRange(MinimumFactor, MaximumFactor);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(TickInterval);
    m_slider->setGeometry(units.rect(16, 19, 155, 25));

    // Under the slider's minimum and maximum ends.
    auto *quality = new QLabel(tr("Higher Quality"), this);
    quality->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    quality->setGeometry(units.rect(20, 49, 73, 10));
    auto *compression = new QLabel(tr("Higher Compression"), this);
    compression->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    compression->setGeometry(units.rect(95, 49, 73, 10));

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    ok->setGeometry(units.rect(34, 75, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(units.rect(103, 75, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(units.size(187, 111));
}

void CQFactorDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_slider->setValue(m_qFactor);
        // Confirming would store the slider's end instead of the stored factor.
        if (m_slider->value() != m_qFactor)
            qCInfo(lcSettings, "the stored quality factor %d is outside %d..%d: %d is shown",
                   m_qFactor, MinimumFactor, MaximumFactor, m_slider->value());
        centreOnScreen(*this);
    }
    QDialog::showEvent(event);
}

void CQFactorDlg::accept()
{
    m_qFactor = m_slider->value();
    QDialog::accept();
}
