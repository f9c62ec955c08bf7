// SPDX-License-Identifier: MIT
#include "app/PageOrderModel.h"

#include "document/PageDocument.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

#include <algorithm>

namespace {
// Ids, not rows: a drag carries which pages it takes, however the rows shift meanwhile.
constexpr char PagesMimeType[] = "application/x-quillon-page-ids";
} // namespace

PageOrderModel::PageOrderModel(const PageDocument &document, QObject *parent)
    : QAbstractListModel(parent)
    , m_document(document)
{
    for (int i = 0; i < document.count(); ++i)
        m_order.push_back(document.page(i).id);
    // An edited page shows its new thumbnail.
    connect(&document, &PageDocument::pageEdited, this, [this](int page) {
        const auto at = std::find(m_order.begin(), m_order.end(), m_document.page(page).id);
        if (at == m_order.end())
            return;
        const QModelIndex row = index(int(at - m_order.begin()));
        Q_EMIT dataChanged(row, row, {Qt::DecorationRole});
    });
}

int PageOrderModel::documentIndex(int row) const
{
    return row >= 0 && row < int(m_order.size()) ? m_document.indexOf(m_order[std::size_t(row)])
                                                 : -1;
}

int PageOrderModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_order.size());
}

QVariant PageOrderModel::data(const QModelIndex &index, int role) const
{
    const int page = documentIndex(index.row());
    if (page < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(index.row() + 1);
    case Qt::DecorationRole:
        return m_document.page(page).thumbnail;
    case Qt::AccessibleTextRole:
        return tr("Page %1").arg(index.row() + 1);
    default:
        return {};
    }
}

Qt::ItemFlags PageOrderModel::flags(const QModelIndex &index) const
{
    // Dropped between pages, never onto one.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
}

bool PageOrderModel::movePage(int from, int to)
{
    const int count = int(m_order.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return false;
    // Qt names the row before which the moved row goes.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    const auto first = m_order.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    endMoveRows();
    numbersChanged();
    return true;
}

bool PageOrderModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > int(m_order.size()))
        return false;
    beginRemoveRows({}, row, row + count - 1);
    m_order.erase(m_order.begin() + row, m_order.begin() + row + count);
    endRemoveRows();
    numbersChanged();
    return true;
}

QStringList PageOrderModel::mimeTypes() const
{
    return {QLatin1String(PagesMimeType)};
}

QMimeData *PageOrderModel::mimeData(const QModelIndexList &indexes) const
{
    QModelIndexList sorted = indexes;
    std::sort(sorted.begin(), sorted.end());
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const QModelIndex &index : sorted)
        if (documentIndex(index.row()) >= 0)
            out << quint64(m_order[std::size_t(index.row())]);
    auto *data = new QMimeData;
    data->setData(QLatin1String(PagesMimeType), bytes);
    return data;
}

bool PageOrderModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                                  const QModelIndex &parent)
{
    if (action != Qt::MoveAction || !data || !data->hasFormat(QLatin1String(PagesMimeType)))
        return false;
    std::vector<PageId> dropped;
    QDataStream in(data->data(QLatin1String(PagesMimeType)));
    while (!in.atEnd()) {
        quint64 id = 0;
        in >> id;
        if (in.status() != QDataStream::Ok ||
            std::find(m_order.begin(), m_order.end(), id) == m_order.end())
            return false;
        dropped.push_back(id);
    }
    if (dropped.empty())
        return false;
    // Onto a page: before it; past the last page: at the end.
    int at = row >= 0 ? row : parent.isValid() ? parent.row() : int(m_order.size());
    at = std::clamp(at, 0, int(m_order.size()));
    beginInsertRows({}, at, at + int(dropped.size()) - 1);
    m_order.insert(m_order.begin() + at, dropped.begin(), dropped.end());
    endInsertRows();
    numbersChanged();
    Q_EMIT pagesDropped(dropped);
    return true;
}

void PageOrderModel::numbersChanged()
{
    if (!m_order.empty())
        Q_EMIT dataChanged(index(0), index(int(m_order.size()) - 1), {Qt::DisplayRole});
}
