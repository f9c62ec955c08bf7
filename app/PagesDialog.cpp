// SPDX-License-Identifier: MIT
#include "app/PagesDialog.h"

#include "app/PageCleaning.h"
#include "app/PageEditor.h"
#include "app/PageOrderModel.h"
#include "app/PageViewer.h"
#include "document/PageDocument.h"
#include "store/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {
constexpr int ThumbnailSide = PageRecord::ThumbnailSide;

// Each page's number under its thumbnail, as in an icon view; the list view draws it so while it
// lays the pages out as a list, the layout that reorders its rows when one is dragged.
class ThumbnailAboveNumber : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->decorationPosition = QStyleOptionViewItem::Top;
        option->displayAlignment = Qt::AlignHCenter | Qt::AlignTop;
    }
};
} // namespace

PagesDialog::PagesDialog(PageDocument &document, PageCleaning &cleaning,
                         const SettingsStore &settings, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_cleaning(cleaning)
    , m_settings(settings)
{
    setWindowTitle(tr("Pages"));
    m_model = new PageOrderModel(document, this);
    m_list = new QListView(this);
    m_list->setModel(m_model);
    // Pages in rows of reading order, moved by dragging them between others.
    m_list->setItemDelegate(new ThumbnailAboveNumber(m_list));
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setDropIndicatorShown(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setUniformItemSizes(true);
    m_list->setIconSize(QSize(ThumbnailSide, ThumbnailSide));
    m_list->setGridSize(QSize(ThumbnailSide + 24, ThumbnailSide + 32));
    m_list->setMinimumSize(4 * (ThumbnailSide + 24) + 24, 2 * (ThumbnailSide + 32) + 8);

    m_earlier = new QPushButton(tr("Move &earlier"), this);
    m_later = new QPushButton(tr("Move &later"), this);
    m_remove = new QPushButton(tr("&Remove"), this);
    m_edit = new QPushButton(tr("E&dit..."), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *row = new QHBoxLayout;
    row->addWidget(m_earlier);
    row->addWidget(m_later);
    row->addWidget(m_remove);
    row->addWidget(m_edit);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(row);
    layout->addLayout(newPageSettings());
    layout->addWidget(buttons);

    auto *deleteKey = new QShortcut(QKeySequence::Delete, m_list);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &PagesDialog::removeSelected);
    connect(m_earlier, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
    connect(m_later, &QPushButton::clicked, this, [this] { moveCurrent(1); });
    connect(m_remove, &QPushButton::clicked, this, &PagesDialog::removeSelected);
    connect(m_edit, &QPushButton::clicked, this, &PagesDialog::editCurrent);
    connect(m_list, &QListView::activated, this,
            [this](const QModelIndex &index) { openPage(index.row()); });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PagesDialog::updateButtons);
    connect(m_model, &PageOrderModel::pagesDropped, this,
            [this](const std::vector<PageId> &ids) { m_dropped = ids; });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &PagesDialog::chooseDroppedPages);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &PagesDialog::updateButtons);
    connect(m_model, &QAbstractItemModel::rowsMoved, this, &PagesDialog::updateButtons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (m_model->rowCount() > 0)
        m_list->setCurrentIndex(m_model->index(0));
    updateButtons();
}

const std::vector<PageId> &PagesDialog::order() const
{
    return m_model->order();
}

int PagesDialog::currentRow() const
{
    return m_list->currentIndex().isValid() ? m_list->currentIndex().row() : -1;
}

void PagesDialog::moveCurrent(int step)
{
    const int row = currentRow();
    if (m_model->movePage(row, row + step))
        m_list->setCurrentIndex(m_model->index(row + step));
}

void PagesDialog::removeSelected()
{
    QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty() && m_list->currentIndex().isValid())
        selected << m_list->currentIndex();
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end());
    const int first = selected.first().row();
    for (auto index = selected.crbegin(); index != selected.crend(); ++index)
        m_model->removeRows(index->row(), 1);
    if (m_model->rowCount() > 0)
        m_list->setCurrentIndex(m_model->index(std::min(first, m_model->rowCount() - 1)));
    updateButtons();
}

void PagesDialog::openPage(int row)
{
    const int page = m_model->documentIndex(row);
    if (page < 0)
        return;
    PageViewer viewer(m_document, page, row + 1, this);
    viewer.exec();
}

void PagesDialog::chooseDroppedPages()
{
    QItemSelection chosen;
    for (PageId id : std::exchange(m_dropped, {})) {
        const auto at = std::find(order().begin(), order().end(), id);
        if (at != order().end()) {
            const QModelIndex index = m_model->index(int(at - order().begin()));
            chosen.select(index, index);
        }
    }
    if (chosen.isEmpty())
        return;
    m_list->setCurrentIndex(chosen.indexes().first());
    m_list->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
}

void PagesDialog::editCurrent()
{
    const int page = m_model->documentIndex(currentRow());
    if (page < 0)
        return;
    QString reason;
    const QImage source = m_document.picture(page, &reason);
    if (source.isNull()) {
        QMessageBox::warning(this, windowTitle(), tr("The page cannot be read: %1").arg(reason));
        return;
    }
    const PageId id = m_document.page(page).id;
    const PageEdits opened = m_document.page(page).edits;
    PageEditor editor(source, opened, this);
    if (editor.exec() == QDialog::Accepted)
        m_cleaning.finishEdited(id, source, editor.edits(), opened.corners, false);
}

QLayout *PagesDialog::newPageSettings()
{
    auto *clean = new QCheckBox(tr("&Clean pages as they are added"), this);
    clean->setChecked(m_settings.read(Setting::CleanPages) != 0);
    auto *book = new QCheckBox(tr("Split a &book's two pages"), this);
    book->setChecked(m_settings.read(Setting::BookPages) != 0);
    auto *mode = new QComboBox(this);
    mode->addItems({tr("Colour"), tr("Grey"), tr("Black and white")});
    mode->setCurrentIndex(m_settings.read(Setting::PageColourMode));
    auto *modeLabel = new QLabel(tr("New pages &in:"), this);
    modeLabel->setBuddy(mode);
    connect(clean, &QCheckBox::toggled, this,
            [this](bool on) { m_settings.write(Setting::CleanPages, on ? 1 : 0); });
    connect(book, &QCheckBox::toggled, this,
            [this](bool on) { m_settings.write(Setting::BookPages, on ? 1 : 0); });
    connect(mode, &QComboBox::activated, this,
            [this](int index) { m_settings.write(Setting::PageColourMode, index); });
    auto *choices = new QHBoxLayout;
    choices->addWidget(clean);
    choices->addWidget(book);
    choices->addStretch();
    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(modeLabel);
    modeRow->addWidget(mode);
    modeRow->addStretch();
    auto *rows = new QVBoxLayout;
    rows->addLayout(choices);
    rows->addLayout(modeRow);
    return rows;
}

void PagesDialog::updateButtons()
{
    const int row = currentRow();
    m_earlier->setEnabled(row > 0);
    m_later->setEnabled(row >= 0 && row + 1 < m_model->rowCount());
    m_remove->setEnabled(row >= 0);
    m_edit->setEnabled(row >= 0);
}
