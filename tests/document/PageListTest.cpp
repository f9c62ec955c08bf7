// SPDX-License-Identifier: MIT
#include "document/PageList.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {
// Pages told apart by their width: "abc" is three pages of widths 1, 2, 3.
PageList pagesOf(const std::string &names)
{
    PageList list;
    for (char name : names)
        list.append(QImage(name - 'a' + 1, 1, QImage::Format_Grayscale8));
    return list;
}

std::string namesOf(const PageList &list)
{
    std::string names;
    for (const QImage &page : list.pages())
        names += char('a' + page.width() - 1);
    return names;
}

struct Operation
{
    const char *what;
    std::function<bool(PageList &)> apply;
    bool accepted;
    const char *after;
};

// Names the case in test listings instead of its bytes.
void PrintTo(const Operation &operation, std::ostream *out)
{
    *out << operation.what;
}

class PageListOperation : public testing::TestWithParam<Operation>
{};

TEST_P(PageListOperation, ChangesOrRefusesAsExpected)
{
    PageList list = pagesOf("abc");
    EXPECT_EQ(GetParam().apply(list), GetParam().accepted);
    EXPECT_EQ(namesOf(list), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageListOperation,
    testing::Values(
        Operation{"append",
                  [](PageList &l) { return l.append(QImage(4, 1, QImage::Format_RGB32)); }, true,
                  "abcd"},
        Operation{"appendNull", [](PageList &l) { return l.append(QImage()); }, false, "abc"},
        Operation{"removeMiddle", [](PageList &l) { return l.remove(1); }, true, "ac"},
        Operation{"removePastEnd", [](PageList &l) { return l.remove(3); }, false, "abc"},
        Operation{"moveDown", [](PageList &l) { return l.move(0, 2); }, true, "bca"},
        Operation{"moveUp", [](PageList &l) { return l.move(2, 0); }, true, "cab"},
        Operation{"moveOneUp", [](PageList &l) { return l.move(2, 1); }, true, "acb"},
        Operation{"moveNegative", [](PageList &l) { return l.move(-1, 0); }, false, "abc"},
        Operation{"moveOutside", [](PageList &l) { return l.move(0, 3); }, false, "abc"},
        Operation{"removeWritten", [](PageList &l) { return l.removeFirst(2), true; }, true, "c"},
        Operation{"removeMoreThanThere", [](PageList &l) { return l.removeFirst(5), true; }, true,
                  ""}),
    [](const testing::TestParamInfo<Operation> &info) { return std::string(info.param.what); });
} // namespace
