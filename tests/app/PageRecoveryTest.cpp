// SPDX-License-Identifier: MIT
// At start the pages a copy left unsaved are offered back: Recover, Discard or Later.
#include "app/PdfCommands.h"
#include "app/Translations.h"
#include "document/JournalRecovery.h"
#include "tests/TestSupport.h"
#include "tests/app/MainFrameFixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QMenu>
#include <QMessageBox>

namespace {
struct Offer
{
    const char *name;
    PageRecovery::Answer answer;
    int pagesInTheDocument;
    bool journalStays;
};

void PrintTo(const Offer &offer, std::ostream *out)
{
    *out << offer.name;
}

class LeftPages : public MainFrameFixture, public ::testing::WithParamInterface<Offer>
{
protected:
    QString base() const { return m_state.filePath(QStringLiteral("state")); }

    // Two pages left on disk by a copy that did not end normally.
    void leaveTwoPages()
    {
        PageDocument left(base());
        for (int n = 0; n < 2; ++n)
            left.add(QImage(40, 30, QImage::Format_RGB32));
        left.waitUntilJournalled();
    }

    int journals() const
    {
        return int(QDir(base()).entryList({QStringLiteral("pages-*")}, QDir::Dirs).size());
    }

private:
    QTemporaryDir m_state;
};

TEST_P(LeftPages, AreOfferedAndGoWhereTheAnswerSays)
{
    leaveTwoPages();
    frame = std::make_unique<CMainFrame>(camera, presenter, *settings, base());
    frame->view().OnInitialUpdate();
    PdfCommands &pdf = frame->pdf();
    pdf.setRecoveryQuestion([](int pages, const QDateTime &changed) {
        EXPECT_EQ(pages, 2);
        EXPECT_LE(changed.secsTo(QDateTime::currentDateTime()), 60);
        return GetParam().answer;
    });
    pdf.offerLeftPages();
    EXPECT_EQ(pdf.pages().count(), GetParam().pagesInTheDocument);
    EXPECT_EQ(journals(), GetParam().journalStays ? 1 : 0);
    // Recovered pages can be seen before anything is captured.
    EXPECT_EQ(frame->topMenu(MenuPosition::Edit)->menuAction()->isEnabled(),
              GetParam().pagesInTheDocument > 0);
    if (GetParam().answer == PageRecovery::Answer::Later) {
        pdf.offerLeftPages(); // the next start
        EXPECT_EQ(journals(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, LeftPages,
                         ::testing::Values(Offer{"Recover", PageRecovery::Answer::Recover, 2, true},
                                           Offer{"Discard", PageRecovery::Answer::Discard, 0,
                                                 false},
                                           Offer{"Later", PageRecovery::Answer::Later, 0, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(LeftPages, TheQuestionSaysHowManyPagesFromWhen)
{
    const Translations english{QLocale::c()};
    QString text;
    QStringList buttons;
    answerModalDialog([&](QDialog &dialog) {
        auto &box = static_cast<QMessageBox &>(dialog);
        text = box.text();
        for (QAbstractButton *button : box.buttons())
            buttons << button->text();
        box.escapeButton()->click();
    });
    const QDateTime when(QDate(2026, 3, 9), QTime(14, 5));
    EXPECT_EQ(PageRecovery::ask(nullptr, 1, when), PageRecovery::Answer::Later);
    EXPECT_EQ(text, QStringLiteral("1 page from %1 was not saved. Recover it?")
                        .arg(QLocale().toString(when, QLocale::ShortFormat)));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"&Discard", "&Later", "&Recover"}));
}
} // namespace
