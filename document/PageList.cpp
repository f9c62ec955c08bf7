// SPDX-License-Identifier: MIT
#include "document/PageList.h"

#include <algorithm>

bool PageList::append(const QImage &picture)
{
    if (picture.isNull())
        return false;
    m_pages.push_back(picture);
    return true;
}

bool PageList::remove(int index)
{
    if (!valid(index))
        return false;
    m_pages.erase(m_pages.begin() + index);
    return true;
}

bool PageList::move(int from, int to)
{
    if (!valid(from) || !valid(to))
        return false;
    const auto first = m_pages.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    return true;
}

void PageList::removeFirst(int n)
{
    m_pages.erase(m_pages.begin(), m_pages.begin() + std::clamp(n, 0, count()));
}
