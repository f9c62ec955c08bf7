// SPDX-License-Identifier: MIT
#include "settings/CQFactorDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
class CQFactorDlgTest : public ::testing::Test
{
protected:
    // Seeds the dialog the way the view does and shows it.
    void open(int qFactor)
    {
        m_dialog.setQFactor(qFactor);
        m_dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_dialog));
    }
    QSlider *slider() const { return m_dialog.findChild<QSlider *>(); }
    QPushButton *button(const char *name) const
    {
        return m_dialog.findChild<QPushButton *>(QLatin1String(name));
    }
    QLabel *label(const QString &text) const
    {
        const QList<QLabel *> labels = m_dialog.findChildren<QLabel *>();
        for (QLabel *l : labels) {
            if (l->text() == text)
                return l;
        }
        return nullptr;
    }

    CQFactorDlg m_dialog;
};

TEST_F(CQFactorDlgTest, LooksLikeItsTemplate)
{
    EXPECT_EQ(m_dialog.qFactor(), 0);
    open(15);
    EXPECT_EQ(m_dialog.minimumSize(), m_dialog.maximumSize()) << "the dialog must not resize";
    EXPECT_TRUE(button("okButton")->isDefault());
    EXPECT_EQ(m_dialog.focusWidget(), slider());

    // The labels sit under the slider's ends, with room for their whole text.
    QLabel *quality = label(QStringLiteral("Higher Quality"));
    QLabel *compression = label(QStringLiteral("Higher Compression"));
    ASSERT_NE(quality, nullptr);
    ASSERT_NE(compression, nullptr);
    const QRect track = slider()->geometry();
    EXPECT_GT(quality->geometry().top(), track.top());
    EXPECT_LT(quality->geometry().center().x(), track.center().x());
    EXPECT_GT(compression->geometry().center().x(), track.center().x());
    for (QLabel *l : {quality, compression}) {
        EXPECT_LE(l->sizeHint().width(), l->width()) << l->text().toStdString();
        EXPECT_TRUE(m_dialog.rect().contains(l->geometry()));
    }
    for (const char *name : {"okButton", "cancelButton"})
        EXPECT_TRUE(m_dialog.rect().contains(button(name)->geometry())) << name;
}

struct Seed
{
    int qFactor;
    int shown;
};

class SeedTest : public CQFactorDlgTest, public ::testing::WithParamInterface<Seed>
{};

// OK hands back the slider's position even when it was not moved.
TEST_P(SeedTest, ShowsTheFactorAndOkHandsBackThePosition)
{
    open(GetParam().qFactor);
    EXPECT_EQ(slider()->value(), GetParam().shown);
    QTest::mouseClick(button("okButton"), Qt::LeftButton);
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_dialog.qFactor(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Factors, SeedTest,
                         ::testing::Values(Seed{15, 15}, Seed{2, 2}, Seed{242, 242}, Seed{250, 242},
                                           Seed{1, 2}, Seed{0, 2}),
                         [](const auto &info) {
                             return "Factor" + std::to_string(info.param.qFactor);
                         });

TEST_F(CQFactorDlgTest, EndsOfTheSliderGiveTheExtremeFactors)
{
    open(15);
    QTest::keyClick(slider(), Qt::Key_Home);
    EXPECT_EQ(slider()->value(), 2);
    QTest::keyClick(slider(), Qt::Key_End);
    EXPECT_EQ(slider()->value(), 242);
    // Return presses the default button.
    QTest::keyClick(slider(), Qt::Key_Return);
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_dialog.qFactor(), 242);

    open(15);
    QTest::keyClick(slider(), Qt::Key_Home);
    QTest::mouseClick(button("okButton"), Qt::LeftButton);
    EXPECT_EQ(m_dialog.qFactor(), 2);
}

enum class Dismissal
{
    CancelButton,
    EscapeKey,
    CloseBox
};

std::string dismissalName(Dismissal dismissal)
{
    switch (dismissal) {
    case Dismissal::CancelButton:
        return "CancelButton";
    case Dismissal::EscapeKey:
        return "EscapeKey";
    default:
        return "CloseBox";
    }
}

class DismissTest : public CQFactorDlgTest, public ::testing::WithParamInterface<Dismissal>
{};

TEST_P(DismissTest, RejectsAndLeavesTheFactorAsSeeded)
{
    open(250);
    QTest::keyClick(slider(), Qt::Key_Home);
    switch (GetParam()) {
    case Dismissal::CancelButton:
        QTest::mouseClick(button("cancelButton"), Qt::LeftButton);
        break;
    case Dismissal::EscapeKey:
        QTest::keyClick(slider(), Qt::Key_Escape);
        break;
    case Dismissal::CloseBox:
        m_dialog.close();
        break;
    }
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_EQ(m_dialog.result(), QDialog::Rejected);
    EXPECT_EQ(m_dialog.qFactor(), 250);
}

INSTANTIATE_TEST_SUITE_P(Ways, DismissTest,
                         ::testing::Values(Dismissal::CancelButton, Dismissal::EscapeKey,
                                           Dismissal::CloseBox),
                         [](const auto &info) { return dismissalName(info.param); });

TEST_F(CQFactorDlgTest, RunsModallyAndCanBeRunAgain)
{
    m_dialog.setQFactor(100);
    QTimer::singleShot(0, &m_dialog, [this] {
        QTest::keyClick(slider(), Qt::Key_End);
        QTest::mouseClick(button("okButton"), Qt::LeftButton);
    });
    EXPECT_EQ(m_dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(m_dialog.qFactor(), 242);

    // A second run is seeded afresh.
    m_dialog.setQFactor(42);
    QTimer::singleShot(0, &m_dialog, [this] {
        EXPECT_EQ(slider()->value(), 42);
        QTest::mouseClick(button("cancelButton"), Qt::LeftButton);
    });
    EXPECT_EQ(m_dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(m_dialog.qFactor(), 42);
}
} // namespace
