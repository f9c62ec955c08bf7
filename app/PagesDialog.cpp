// SPDX-License-Identifier: MIT
#include "app/PagesDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int ThumbnailSide = 128;
}

PagesDialog::PagesDialog(const PageList &pages, QWidget *parent)
    : QDialog(parent)
    , m_pages(pages)
{
    setWindowTitle(tr("Pages"));
    m_list = new QListWidget(this);
    m_list->setViewMode(QListView::IconMode);
    m_list->setFlow(QListView::LeftToRight);
    m_list->setMovement(QListView::Static);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setIconSize(QSize(ThumbnailSide, ThumbnailSide));
    m_list->setMinimumSize(4 * (ThumbnailSide + 24), 2 * (ThumbnailSide + 40));

    m_earlier = new QPushButton(tr("Move &earlier"), this);
    m_later = new QPushButton(tr("Move &later"), this);
    m_remove = new QPushButton(tr("&Remove"), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *row = new QHBoxLayout;
    row->addWidget(m_earlier);
    row->addWidget(m_later);
    row->addWidget(m_remove);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(row);
    layout->addWidget(buttons);

    connect(m_earlier, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(m_later, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(m_remove, &QPushButton::clicked, this, &PagesDialog::removeCurrent);
    connect(m_list, &QListWidget::currentRowChanged, this, &PagesDialog::updateButtons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    fill(0);
}

void PagesDialog::fill(int current)
{
    m_list->clear();
    int number = 1;
    for (const QImage &page : m_pages.pages()) {
        const QPixmap thumbnail = QPixmap::fromImage(page.scaled(
            ThumbnailSide, ThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_list->addItem(new QListWidgetItem(QIcon(thumbnail), QString::number(number++)));
    }
    m_list->setCurrentRow(std::min(current, m_pages.count() - 1));
    updateButtons();
}

void PagesDialog::moveCurrent(int step)
{
    const int row = m_list->currentRow();
    if (m_pages.move(row, row + step))
        fill(row + step);
}

void PagesDialog::removeCurrent()
{
    const int row = m_list->currentRow();
    if (m_pages.remove(row))
        fill(row);
}

void PagesDialog::updateButtons()
{
    const int row = m_list->currentRow();
    m_earlier->setEnabled(row > 0);
    m_later->setEnabled(row >= 0 && row + 1 < m_pages.count());
    m_remove->setEnabled(row >= 0);
}
