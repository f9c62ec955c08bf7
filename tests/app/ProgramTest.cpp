// SPDX-License-Identifier: MIT
// The program itself, run as a separate process the way scripts and users start it.
#include "link/ColorConversion.h"
#include "sim/SimulatedMainUnit.h"
#include "tests/support/LiteralConversion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

namespace {
const QString Program = QStringLiteral(QUILLON_PROGRAM);

struct ProgramRun
{
    int exitCode = -1;
    QByteArray errors;
    QByteArray output;
};

// unset: environment variables the program starts without, as a script might start it.
ProgramRun runProgram(const QStringList &arguments, const QStringList &unset = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : unset)
        environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(Program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError(), process.readAllStandardOutput()};
}

// A raw frame with every chroma pair and a luminance ramp, written to a file.
std::vector<std::uint8_t> writeRawFrame(const QString &path)
{
    std::vector<std::uint8_t> raw(FrameLayout::RawFrameBytes);
    for (std::size_t i = 0; i < raw.size(); ++i)
        raw[i] = std::uint8_t((i * 2654435761u) >> 13);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(raw.data()), qint64(raw.size()));
    return raw;
}

TEST(Program, HeadlessCaptureWritesTheExactConversion)
{
    QTemporaryDir dir;
    const QString framePath = dir.filePath(QStringLiteral("frame.raw"));
    const std::vector<std::uint8_t> raw = writeRawFrame(framePath);
    const QString out = dir.filePath(QStringLiteral("out.bmp"));
    const ProgramRun run =
        runProgram({QStringLiteral("--capture=") + out, QStringLiteral("--simulate"),
                    QStringLiteral("--sim-frame=") + framePath,
                    QStringLiteral("--sim-coefficients=90,200,40,7")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();

    // An independent conversion: the literal formula on the cropped frame.
    std::vector<std::uint8_t> cropped(FrameLayout::CroppedFrameBytes);
    ASSERT_TRUE(CropRawFrame(raw, cropped));
    std::vector<std::uint8_t> pixels(FrameLayout::BitmapPixelBytes);
    convertPixelsLiterally(std::span<const std::uint8_t, FrameLayout::CroppedFrameBytes>(cropped),
                           std::span<std::uint8_t, FrameLayout::BitmapPixelBytes>(pixels),
                           {90, 200, 40, 7}, 1);

    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    ASSERT_EQ(written.size(), qsizetype(FrameLayout::BitmapImageSize));
    EXPECT_EQ(written.left(2), QByteArray("BM"));
    EXPECT_EQ(std::memcmp(written.constData() + 54, pixels.data(), pixels.size()), 0);
}

TEST(Program, HeadlessCaptureChoosesTheFormatByExtension)
{
    QTemporaryDir dir;
    const std::pair<const char *, QByteArray> cases[] = {
        {"shot.jpg", "\xFF\xD8"}, {"shot", "BM"}, {"shot.BMP", "BM"}, {"shot.Png", "\x89P"}};
    for (const auto &[name, expectedMagic] : cases) {
        const QString out = dir.filePath(QString::fromLatin1(name));
        const ProgramRun run =
            runProgram({QStringLiteral("--simulate"), QStringLiteral("--capture=") + out});
        ASSERT_EQ(run.exitCode, 0) << name << run.errors.toStdString();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(2), expectedMagic) << name;
        EXPECT_EQ(QImage(out).size(), QSize(1272, 1024)) << name;
    }
}

TEST(Program, HeadlessCaptureFailsLoudlyWithoutACamera)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("none.jpg"));
    const ProgramRun run = runProgram({QStringLiteral("--capture=") + out});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.errors.contains("USB: Failed to transmit.")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

TEST(Program, HeadlessCaptureReportsAFailedTransfer)
{
    QTemporaryDir dir;
    const QString framePath = dir.filePath(QStringLiteral("short.raw"));
    QFile frame(framePath);
    ASSERT_TRUE(frame.open(QIODevice::WriteOnly));
    frame.write(QByteArray(1000, 'x'));
    frame.close();
    const ProgramRun run =
        runProgram({QStringLiteral("--simulate"), QStringLiteral("--sim-frame=") + framePath,
                    QStringLiteral("--capture=") + dir.filePath("x.bmp")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_FALSE(run.errors.isEmpty());
}

// Without a display no platform plugin can load: the command line must be answered before, and
// the window cannot open.
TEST(Program, AnswersTheCommandLineWithoutADisplay)
{
    QTemporaryDir dir;
    const QString shot = dir.filePath(QStringLiteral("shot.bmp"));
    const struct
    {
        QStringList arguments;
        int exitCode;
        QByteArray output; // a part of standard output, or nothing there
        QByteArray errors;
    } cases[] = {
        {{QStringLiteral("--help")}, 0, "Usage: " + Program.toLocal8Bit() + " [options]\n", ""},
        // Qt's own options are not mistaken for unknown ones.
        {{QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("-h")},
         0,
         "--capture <FILE>",
         ""},
        {{QStringLiteral("--version")}, 0, "Quillon for USB 1.0b\n", ""},
        {{QStringLiteral("--bogus")}, 1, "", "Quillon for USB: Unknown option 'bogus'.\n"},
        {{QStringLiteral("--help-all")}, 0, "--platform <platformName[:options]>", ""},
        {{QStringLiteral("-simulate"), QStringLiteral("-capture=") + shot}, 0, "", ""},
        // The window needs one: said in one line instead of Qt's abort.
        {{QStringLiteral("--simulate"), QStringLiteral("--no-splash")},
         1,
         "",
         "Quillon for USB: no display could be reached to show the window on (DISPLAY or "
         "WAYLAND_DISPLAY); --capture=FILE works without one.\n"},
    };
    for (const auto &c : cases) {
        const ProgramRun run =
            runProgram(c.arguments, {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                     QStringLiteral("QT_QPA_PLATFORM")});
        const std::string label = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << label << run.errors.toStdString();
        EXPECT_TRUE(c.output.isEmpty() ? run.output.isEmpty() : run.output.contains(c.output))
            << label << run.output.toStdString();
        EXPECT_EQ(run.errors, c.errors) << label;
    }
    EXPECT_TRUE(QFile::exists(shot));
}

// The help is in the user's language throughout: the program's options, and Qt's own even where
// Qt's catalogue lacks their words.
TEST(Program, HelpIsInTheLanguageOfTheLocale)
{
    qputenv("LC_ALL", "fr_FR.UTF-8");
    const ProgramRun run = runProgram({QStringLiteral("--help")}, {QStringLiteral("DISPLAY")});
    qputenv("LC_ALL", "C");
    const QString help = QString::fromUtf8(run.output);
    for (const char *line : {"Utilisation", "Afficher l'aide sur les options de la ligne",
                             "Ne pas afficher l'image de démarrage."}) {
        EXPECT_TRUE(help.contains(QString::fromUtf8(line))) << line << "\n"
                                                            << run.output.toStdString();
    }
}

// Faults given on the command line reach every exit status of a headless capture from outside;
// a target that is not a regular file is refused and left as it was.
TEST(Program, HeadlessCaptureFaultsEndWithTheirMessageAndStatus)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.jpg"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString out = dir.filePath(QStringLiteral("out.jpg"));
    const struct
    {
        QString argument;
        int exitCode;
        const char *message;
    } cases[] = {
        {QStringLiteral("--sim-fault=command-fail"), 1, "USB: Failed to transmit."},
        {QStringLiteral("--sim-fault=image-fail"), 1, "USB: FAiled to capture image."},
        {QStringLiteral("--sim-fault=unplug-at-row=500"), 1, "USB: FAiled to capture image."},
        {QStringLiteral("--sim-fault=nak"), 1, "USB: Failed to communicate."},
        {QStringLiteral("--sim-fault=reply-fail,short-row=9"), 1, "USB: Failed to receive."},
        {QStringLiteral("--sim-fault=unplug"), 2, "USB: Failed to transmit."},
        {QStringLiteral("--sim-fault=initializing=2"), 0, ""},
        {QStringLiteral("--capture=") + fifo, 1, "Failed to save the image."},
    };
    for (const auto &c : cases) {
        QFile::remove(out);
        const ProgramRun run = runProgram(
            {QStringLiteral("--simulate"), QStringLiteral("--capture=") + out, c.argument});
        const std::string label = c.argument.toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << label << ": " << run.errors.toStdString();
        EXPECT_TRUE(run.errors.contains(c.message)) << label << ": " << run.errors.toStdString();
        EXPECT_EQ(QFile::exists(out), c.exitCode == 0) << label;
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

// A PDF has a message of its own: it is not an image.
TEST(Program, HeadlessCaptureSaysWhichFileItCouldNotSaveAndWhy)
{
    QTemporaryDir dir;
    for (const auto &[name, message] : {std::pair{"missing/shot.jpg", "Failed to save the image."},
                                        std::pair{"missing/shot.pdf", "Failed to save the PDF."}}) {
        const QString out = dir.filePath(QLatin1String(name));
        const ProgramRun run =
            runProgram({QStringLiteral("--simulate"), QStringLiteral("--capture=") + out});
        EXPECT_EQ(run.exitCode, 1);
        const QStringList lines =
            QString::fromLocal8Bit(run.errors).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 3) << run.errors.toStdString();
        EXPECT_EQ(lines[0].toStdString(), message);
        EXPECT_EQ(lines[1], QStringLiteral("File: ") + out);
        EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Reason: "))) << lines[2].toStdString();
    }
}

// A name with bytes that are not UTF-8 cannot be kept as given: it is refused, not saved under
// another name. The shell hands over the raw bytes; QProcess could not.
TEST(Program, HeadlessCaptureRefusesANameThatIsNotUtf8)
{
    QTemporaryDir dir;
    QProcess shell;
    shell.start(
        QStringLiteral("sh"),
        {QStringLiteral("-c"),
         QStringLiteral("exec \"$0\" --simulate \"--capture=$1/scan$(printf '\\377').jpg\""),
         Program, dir.path()});
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.exitCode(), 1);
    EXPECT_TRUE(shell.readAllStandardError().contains("Reason: The name is not UTF-8"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(Program, ASecondCopyEndsAtOnceAndLeavesTheFirstRunning)
{
    QProcess first;
    first.start(Program, {QStringLiteral("--simulate"), QStringLiteral("--no-splash")});
    ASSERT_TRUE(first.waitForStarted());
    // Give the first copy time to take its lock.
    ASSERT_FALSE(first.waitForFinished(1500)) << first.readAllStandardError().toStdString();
    const ProgramRun second =
        runProgram({QStringLiteral("--simulate"), QStringLiteral("--no-splash")});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.terminate();
    EXPECT_TRUE(first.waitForFinished(10000));
}
} // namespace
