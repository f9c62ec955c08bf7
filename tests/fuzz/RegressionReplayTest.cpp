// SPDX-License-Identifier: MIT
// Every input that ever found a fault, replayed through the entry point of the fuzzer that
// found it (or would have): fuzz/regressions/<target>/<what it found>. An entry aborts when its
// checks fail; the sanitizer build reports memory faults and undefined behaviour.
#include "fuzz/FuzzEntries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cctype>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {
struct Regression
{
    const FuzzEntry::Target *target;
    QString path;
};

std::vector<Regression> regressions()
{
    std::vector<Regression> all;
    for (const FuzzEntry::Target &target : FuzzEntry::targets()) {
        const QDir dir(QStringLiteral(QUILLON_FUZZ_REGRESSIONS "/") +
                       QString::fromLatin1(target.name));
        for (const QString &name : dir.entryList(QDir::Files))
            all.push_back({&target, dir.filePath(name)});
    }
    return all;
}

void PrintTo(const Regression &regression, std::ostream *out)
{
    *out << regression.path.toStdString();
}

class FuzzRegression : public testing::TestWithParam<Regression>
{};

TEST_P(FuzzRegression, PassesItsEntryPoint)
{
    QFile file(GetParam().path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    GetParam().target->run(
        {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())});
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzRegression, testing::ValuesIn(regressions()),
                         [](const auto &info) {
                             std::string name = QFileInfo(info.param.path).fileName().toStdString();
                             for (char &c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             }
                             return std::string(info.param.target->name) + "_" + name;
                         });

TEST(FuzzRegressions, AreThere)
{
    EXPECT_FALSE(regressions().empty());
}
} // namespace
