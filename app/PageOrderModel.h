// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageRecord.h"

#include <QAbstractListModel>

#include <vector>

class PageDocument;

// The pages dialog's working order of a document's pages: each row a page's thumbnail and its
// number in the new order. Rows are moved by dragging (a drop inserts the dragged pages, and the
// view then removes them where they were) or by movePage(); the document changes only when the
// caller applies order().
class PageOrderModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit PageOrderModel(const PageDocument &document, QObject *parent = nullptr);

    const std::vector<PageId> &order() const { return m_order; }
    // The page of a row in the document, for opening it.
    int documentIndex(int row) const;
    // Moves one row so that it ends up at to.
    bool movePage(int from, int to);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;

    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

Q_SIGNALS:
    // Pages were dropped in their new place; the view removes them where they were next.
    void pagesDropped(const std::vector<PageId> &ids);

private:
    void numbersChanged();

    const PageDocument &m_document;
    std::vector<PageId> m_order;
};
