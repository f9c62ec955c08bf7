// SPDX-License-Identifier: MIT
#include "view/PictureOutput.h"

#include <gtest/gtest.h>
#include <string>

namespace {
struct FitCase
{
    QSize picture;
    QRect area;
    QRect fitted;
};

class FittedRect : public testing::TestWithParam<FitCase>
{};

TEST_P(FittedRect, KeepsTheProportionsAndCentres)
{
    EXPECT_EQ(PictureOutput::fittedRect(GetParam().picture, GetParam().area), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, FittedRect,
    testing::Values(FitCase{{1272, 1024}, {0, 0, 1000, 1000}, {0, 97, 1000, 805}},
                    FitCase{{1024, 1272}, {10, 20, 1000, 500}, {309, 20, 402, 500}},
                    FitCase{{10, 10}, {5, 5, 300, 200}, {55, 5, 200, 200}},
                    FitCase{{0, 0}, {0, 0, 300, 200}, {}}),
    [](const auto &info) {
        return "Picture" + std::to_string(info.param.picture.width()) + "x" +
               std::to_string(info.param.picture.height()) + "_" + std::to_string(info.index);
    });
} // namespace
