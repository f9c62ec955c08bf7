// SPDX-License-Identifier: MIT
// An open device over the simulated main unit: what a scan delivers, what the camera's options
// send, and how a scan ends when the camera is held, unplugged, cancelled or never ready.
#include "sane/ScanDevice.h"

#include "sane/ScanFrame.h"
#include "sim/SharedCameraLock.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"
#include "tests/support/SimulatorPicture.h"

#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <sane/saneopts.h>
#include <thread>

class ScanDeviceFixture : public ::testing::Test
{
protected:
    ScanDeviceFixture()
    {
        auto unit = std::make_unique<SimulatedMainUnit>();
        m_unit = unit.get();
        m_device = std::make_unique<ScanDevice>(
            std::move(unit), SettingsStore(m_dir.filePath(QStringLiteral("q.conf"))));
        m_device->m_pollInterval = std::chrono::milliseconds(1);
    }

    SANE_Status setWord(ScanOptions::Index index, SANE_Word word)
    {
        return m_device->options().control(index, SANE_ACTION_SET_VALUE, &word, nullptr);
    }
    SANE_Status setString(ScanOptions::Index index, const char *text)
    {
        std::string value(text);
        return m_device->options().control(index, SANE_ACTION_SET_VALUE, value.data(), nullptr);
    }
    SANE_Status press(ScanOptions::Index index)
    {
        return m_device->options().control(index, SANE_ACTION_SET_VALUE, nullptr, nullptr);
    }

    // Everything sane_read gives, in reads of an awkward size; the status that ended it.
    std::vector<std::uint8_t> readAll(SANE_Status *end)
    {
        std::vector<std::uint8_t> bytes;
        SANE_Byte chunk[4093];
        SANE_Int length = 0;
        while ((*end = m_device->read(chunk, SANE_Int(sizeof chunk), &length)) == SANE_STATUS_GOOD)
            bytes.insert(bytes.end(), chunk, chunk + length);
        return bytes;
    }

    // The camera's commands other than the readiness questions.
    std::vector<std::string> controlCommands()
    {
        std::vector<std::string> commands = m_unit->takeNewCommands();
        std::erase_if(commands, [](const std::string &c) { return c.starts_with("QS"); });
        return commands;
    }

    QTemporaryDir m_dir;
    SimulatedMainUnit *m_unit = nullptr;
    std::unique_ptr<ScanDevice> m_device;
};

namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes rgbBytes(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    Bytes bytes;
    for (int y = 0; y < rgb.height(); ++y)
        bytes.insert(bytes.end(), rgb.constScanLine(y), rgb.constScanLine(y) + rgb.width() * 3);
    return bytes;
}

// An option set as a frontend sets it.
void setOption(ScanOptions &options, ScanOptions::Index index, SANE_Word word)
{
    ASSERT_EQ(options.control(index, SANE_ACTION_SET_VALUE, &word, nullptr), SANE_STATUS_GOOD);
}

struct ScanCase
{
    const char *name;
    std::function<void(ScanOptions &)> setUp;
    std::function<Bytes(const QImage &picture)> expected;
};

class ScanCut : public ScanDeviceFixture, public ::testing::WithParamInterface<ScanCase>
{};

const ScanCase ScanCases[] = {
    {"DefaultsGiveTheWholeCapturedPicture", [](ScanOptions &) {},
     [](const QImage &picture) {
         return rgbBytes(picture);
     }},
    {"TheAreaIsCutInMillimetres",
     [](ScanOptions &options) {
         // 25.4 mm are 100 pixels.
         setOption(options, ScanOptions::TopLeftX, SANE_FIX(25.4));
         setOption(options, ScanOptions::BottomRightY, SANE_FIX(50.8));
     },
     [](const QImage &picture) {
         return rgbBytes(picture.copy(100, 0, 1172, 200));
     }},
    {"GrayIsTheLumaOfEachPixel",
     [](ScanOptions &options) {
         std::string mode = SANE_VALUE_SCAN_MODE_GRAY;
         ASSERT_EQ(options.control(ScanOptions::Mode, SANE_ACTION_SET_VALUE, mode.data(), nullptr),
                   SANE_STATUS_GOOD);
     },
     [](const QImage &picture) {
         Bytes grey;
         const Bytes rgb = rgbBytes(picture);
         for (std::size_t i = 0; i < rgb.size(); i += 3)
             grey.push_back(ScanFrame::luma(rgb[i], rgb[i + 1], rgb[i + 2]));
         return grey;
     }},
    {"APreviewIsHalfTheSizeEachWay",
     [](ScanOptions &options) { setOption(options, ScanOptions::Preview, SANE_TRUE); },
     [](const QImage &picture) {
         const Bytes rgb = rgbBytes(picture);
         const std::size_t line = std::size_t(picture.width()) * 3;
         Bytes half;
         for (std::size_t y = 0; y < std::size_t(picture.height() / 2); ++y)
             for (std::size_t x = 0; x < std::size_t(picture.width() / 2); ++x)
                 for (std::size_t c = 0; c < 3; ++c) {
                     const std::size_t at = 2 * y * line + 2 * x * 3 + c;
                     half.push_back(std::uint8_t(
                         (rgb[at] + rgb[at + 3] + rgb[at + line] + rgb[at + line + 3] + 2) / 4));
                 }
         return half;
     }},
};

// What parameters() announce before the scan is what it delivers, to the byte, then EOF.
TEST_P(ScanCut, DeliversTheAnnouncedBytesOfThePicture)
{
    GetParam().setUp(m_device->options());
    const SANE_Parameters announced = m_device->parameters();
    ASSERT_EQ(m_device->start(), SANE_STATUS_GOOD);
    const SANE_Parameters delivered = m_device->parameters();
    EXPECT_EQ(delivered.lines, announced.lines);
    EXPECT_EQ(delivered.bytes_per_line, announced.bytes_per_line);

    SANE_Byte none = 0;
    SANE_Int length = -1;
    EXPECT_EQ(m_device->read(&none, 0, &length), SANE_STATUS_GOOD) << "an empty read is no end";
    EXPECT_EQ(length, 0);

    SANE_Status end = SANE_STATUS_GOOD;
    const Bytes bytes = readAll(&end);
    EXPECT_EQ(end, SANE_STATUS_EOF);
    EXPECT_EQ(bytes.size(), std::size_t(announced.lines) * std::size_t(announced.bytes_per_line));
    EXPECT_TRUE(bytes == GetParam().expected(simulatorPicture()));
}

INSTANTIATE_TEST_SUITE_P(Options, ScanCut, ::testing::ValuesIn(ScanCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct CameraOptionCase
{
    const char *name;
    ScanOptions::Index index;
    SANE_Word word; // unused for a button or a string
    const char *text;
    std::vector<std::string> commands;
};

class CameraOption : public ScanDeviceFixture,
                     public ::testing::WithParamInterface<CameraOptionCase>
{};

const CameraOptionCase CameraOptionCases[] = {
    {"LampBase", ScanOptions::Lamp, 0, "Base", {"PL1  "}},
    {"Rotation270", ScanOptions::Rotation, 270, nullptr, {"RO3  "}},
    {"Negative", ScanOptions::Negative, SANE_TRUE, nullptr, {"NP1  "}},
    {"ZoomInIsAStep", ScanOptions::ZoomIn, 0, nullptr, {"ZO+  ", "ZO0  "}},
    {"FocusFarIsAStep", ScanOptions::FocusFar, 0, nullptr, {"FO-  ", "FO0  "}},
    {"Autofocus", ScanOptions::Autofocus, 0, nullptr, {"AF0  "}},
};

TEST_P(CameraOption, SendsTheCamerasCommand)
{
    const CameraOptionCase &c = GetParam();
    const SANE_Option_Descriptor *d = m_device->options().descriptor(c.index);
    const SANE_Status status = d->type == SANE_TYPE_BUTTON ? press(c.index)
                               : c.text                    ? setString(c.index, c.text)
                                                           : setWord(c.index, c.word);
    EXPECT_EQ(status, SANE_STATUS_GOOD);
    EXPECT_EQ(controlCommands(), c.commands);
}

INSTANTIATE_TEST_SUITE_P(Camera, CameraOption, ::testing::ValuesIn(CameraOptionCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ScanDeviceFixture, AScanWhileAnotherProgramHoldsTheCameraIsBusy)
{
    const QString path = m_dir.filePath(QStringLiteral("unit.lock"));
    QString error;
    ASSERT_TRUE(m_unit->shareThrough(path, &error)) << error.toStdString();
    SharedCameraLock program;
    ASSERT_TRUE(program.open(path, &error));
    OperationClaim::Token held = program.claim();
    ASSERT_TRUE(held);

    EXPECT_EQ(m_device->connect(), SANE_STATUS_GOOD); // opening is not yet using it
    EXPECT_EQ(m_device->start(), SANE_STATUS_DEVICE_BUSY);
    EXPECT_EQ(press(ScanOptions::Autofocus), SANE_STATUS_DEVICE_BUSY);

    held.reset();
    EXPECT_EQ(m_device->start(), SANE_STATUS_GOOD);
    EXPECT_TRUE(program.claim()) << "the scan let go of the camera";
}

TEST_F(ScanDeviceFixture, AnUnplugDuringTheTransferIsAnIoError)
{
    ASSERT_TRUE(m_unit->unplugAtRow(500));
    EXPECT_EQ(m_device->start(), SANE_STATUS_IO_ERROR);
    SANE_Byte byte = 0;
    SANE_Int length = 0;
    EXPECT_EQ(m_device->read(&byte, 1, &length), SANE_STATUS_INVAL) << "nothing to read";
    EXPECT_EQ(length, 0);
}

TEST_F(ScanDeviceFixture, CancelStopsTheTransferUnderWayAndTheNextScanWorks)
{
    ASSERT_TRUE(m_unit->slowNextTransfer(30)); // half a minute for the whole picture
    std::thread canceller([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        m_device->cancel();
    });
    const auto started = std::chrono::steady_clock::now();
    const SANE_Status status = m_device->start();
    canceller.join();
    EXPECT_EQ(status, SANE_STATUS_CANCELLED);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));

    EXPECT_EQ(m_device->start(), SANE_STATUS_GOOD);
}

TEST_F(ScanDeviceFixture, ACameraStillInitializingAfterTheProgramsLimitIsAnIoError)
{
    m_unit->setInitializing(3);
    EXPECT_EQ(m_device->start(), SANE_STATUS_GOOD)
        << "a few answers of initializing are waited out";
    m_unit->setInitializing(1000);
    EXPECT_EQ(m_device->start(), SANE_STATUS_IO_ERROR);
}
} // namespace
