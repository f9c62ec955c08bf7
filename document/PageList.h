// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <vector>

// The pictures set aside for one PDF, in page order. Indexes outside the list are refused, so a
// stale index from a view of the list can change nothing.
class PageList
{
public:
    int count() const { return int(m_pages.size()); }
    bool isEmpty() const { return m_pages.empty(); }
    const std::vector<QImage> &pages() const { return m_pages; }

    // A null picture is refused.
    bool append(const QImage &picture);
    bool remove(int index);
    // The page at from ends up at index to; the others keep their order.
    bool move(int from, int to);
    // Drops the first n pages: those a save has written, while later ones stay.
    void removeFirst(int n);

private:
    bool valid(int index) const { return index >= 0 && index < count(); }

    std::vector<QImage> m_pages;
};
