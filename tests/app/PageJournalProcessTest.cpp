// SPDX-License-Identifier: MIT
// A copy of the program with pages, stopped from outside: killed, its pages come back at the next
// start in their order with their pictures; asked to terminate, it ends at once and keeps them.
#include "app/PdfCommands.h"
#include "document/JournalRecovery.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/support/SimulatorPicture.h"

#include <QProcess>

#include <csignal>

namespace {
constexpr int Pages = 3;

class PageJournalProcess : public MainFrameFixture
{
protected:
    void SetUp() override
    {
        MainFrameFixture::SetUp();
        ASSERT_TRUE(m_state.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_STATE_HOME"), m_state.path());
        m_collector.setProcessEnvironment(environment);
        m_collector.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_collector.start(
            QStringLiteral(QUILLON_PAGE_COLLECTOR),
            {m_state.filePath(QStringLiteral("collector.conf")), QString::number(Pages)});
        ASSERT_TRUE(m_collector.waitForStarted());
        QByteArray said;
        while (!said.contains('\n') && m_collector.waitForReadyRead(30000))
            said += m_collector.readAll();
        ASSERT_EQ(said, QByteArray("collected ") + QByteArray::number(Pages) + '\n');
    }

    void TearDown() override
    {
        if (m_collector.state() != QProcess::NotRunning) {
            m_collector.kill();
            m_collector.waitForFinished();
        }
    }

    QString journalBase() const { return m_state.filePath(QStringLiteral("TOVA/Quillon for USB")); }

    // A new start's offer, answered with Recover.
    PdfCommands &recover()
    {
        frame = std::make_unique<CMainFrame>(camera, presenter, *settings, journalBase());
        PdfCommands &pdf = frame->pdf();
        pdf.setRecoveryQuestion(
            [](int, const QDateTime &) { return PageRecovery::Answer::Recover; });
        pdf.offerLeftPages();
        return pdf;
    }

    QProcess m_collector;

private:
    QTemporaryDir m_state;
};

TEST_F(PageJournalProcess, AKilledCopysPagesComeBackInOrderWithTheirPictures)
{
    m_collector.kill(); // SIGKILL: nothing of the program runs after it
    ASSERT_TRUE(m_collector.waitForFinished());
    const PageDocument &pages = recover().pages();
    ASSERT_EQ(pages.count(), Pages);
    for (int n = 0; n < Pages; ++n) {
        QString reason;
        const QImage recovered = pages.picture(n, &reason);
        ASSERT_FALSE(recovered.isNull()) << reason.toStdString();
        const QImage shown = simulatorPicture({.rotation = n % 4});
        EXPECT_EQ(recovered.convertToFormat(QImage::Format_RGB32),
                  shown.convertToFormat(QImage::Format_RGB32))
            << "page " << n + 1;
    }
}

// A logout or shutdown ends the session with SIGTERM: no question, and the pages are not lost.
TEST_F(PageJournalProcess, ATerminatedCopyEndsAtOnceAndKeepsItsPages)
{
    ::kill(pid_t(m_collector.processId()), SIGTERM);
    ASSERT_TRUE(m_collector.waitForFinished(3000));
    EXPECT_EQ(m_collector.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(m_collector.exitCode(), 0);
    EXPECT_EQ(recover().pages().count(), Pages);
}
} // namespace
