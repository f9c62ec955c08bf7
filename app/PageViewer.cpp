// SPDX-License-Identifier: MIT
#include "app/PageViewer.h"

#include "document/PageCleanup.h"
#include "document/PageDocument.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

PageViewer::PageViewer(const PageDocument &document, int index, int number, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Page %1").arg(number));
    m_view = new QLabel(this);
    m_view->setAlignment(Qt::AlignCenter);
    m_view->setMinimumSize(200, 160);
    m_view->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    QString reason;
    m_picture = PageCleanup::render(document.picture(index, &reason), document.page(index).edits);
    if (m_picture.isNull()) {
        m_view->setText(tr("The page cannot be read: %1").arg(reason));
        return;
    }
    // Most of the screen, keeping the page's shape.
    const QSize room = (screen() ? screen()->availableSize() : QSize(1024, 768)) * 3 / 4;
    resize(m_picture.size().scaled(room, Qt::KeepAspectRatio).boundedTo(m_picture.size()) +
           QSize(24, 24));
}

void PageViewer::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    showFitted();
}

void PageViewer::showFitted()
{
    if (m_picture.isNull())
        return;
    m_view->setPixmap(
        QPixmap::fromImage(m_picture.scaled(m_view->size().boundedTo(m_picture.size()),
                                            Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}
