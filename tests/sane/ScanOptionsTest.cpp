// SPDX-License-Identifier: MIT
// The options as a frontend drives them, and the configuration file that says which devices
// there are.
#include "sane/ScanOptions.h"

#include "sane/BackendConfig.h"

#include <gtest/gtest.h>
#include <sane/saneopts.h>

namespace {
// A camera that refuses every command, as one another program holds.
class HeldCamera : public CameraControls
{
public:
    SANE_Status sendControl(std::string_view) override { return SANE_STATUS_DEVICE_BUSY; }
    SANE_Status stepMotion(std::string_view, std::string_view) override
    {
        return SANE_STATUS_DEVICE_BUSY;
    }
};

class ScanOptionsTest : public ::testing::Test
{
protected:
    SANE_Status set(ScanOptions::Index index, void *value, SANE_Int *info = nullptr)
    {
        return m_options.control(index, SANE_ACTION_SET_VALUE, value, info);
    }
    SANE_Status get(ScanOptions::Index index, void *value)
    {
        return m_options.control(index, SANE_ACTION_GET_VALUE, value, nullptr);
    }

    HeldCamera m_camera;
    ScanOptions m_options{m_camera, ScanSettings{}};
};

TEST_F(ScanOptionsTest, AValueOutsideItsConstraintIsClampedAndSaidToBeInexact)
{
    SANE_Int info = 0;
    SANE_Word sharpness = 9;
    EXPECT_EQ(set(ScanOptions::Sharpness, &sharpness, &info), SANE_STATUS_GOOD);
    EXPECT_EQ(sharpness, 6);
    EXPECT_TRUE(info & SANE_INFO_INEXACT);
    EXPECT_EQ(m_options.settings().sharpnessIndex, 6);

    SANE_Word left = SANE_FIX(-5.0);
    EXPECT_EQ(set(ScanOptions::TopLeftX, &left, &info), SANE_STATUS_GOOD);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(info, SANE_INFO_INEXACT | SANE_INFO_RELOAD_PARAMS);
}

TEST_F(ScanOptionsTest, TheThresholdCountsOnlyInLineartAndAnUnknownModeIsRefused)
{
    SANE_Word threshold = SANE_FIX(30.0);
    EXPECT_EQ(set(ScanOptions::Threshold, &threshold), SANE_STATUS_INVAL);

    char lineart[] = "lineart"; // names compare without case
    SANE_Int info = 0;
    EXPECT_EQ(set(ScanOptions::Mode, lineart, &info), SANE_STATUS_GOOD);
    EXPECT_TRUE(info & SANE_INFO_RELOAD_OPTIONS);
    EXPECT_EQ(set(ScanOptions::Threshold, &threshold), SANE_STATUS_GOOD);

    char halftone[] = "Halftone";
    EXPECT_EQ(set(ScanOptions::Mode, halftone), SANE_STATUS_INVAL);
    EXPECT_EQ(m_options.settings().mode, ScanMode::Lineart);
}

TEST_F(ScanOptionsTest, ACommandTheCameraRefusesLeavesTheOptionAsItWas)
{
    char base[] = "Base";
    EXPECT_EQ(set(ScanOptions::Lamp, base), SANE_STATUS_DEVICE_BUSY);
    char lamp[8] = {};
    EXPECT_EQ(get(ScanOptions::Lamp, lamp), SANE_STATUS_GOOD);
    EXPECT_STREQ(lamp, "Off");
}

TEST(BackendConfig, ReadsItsDevicesAndSettingsAndNamesTheLinesItDoesNotKnow)
{
    QStringList problems;
    const BackendConfig config = BackendConfig::parse(
        QStringLiteral("# a comment\n  simulated  \nsimulated-faults  initializing=3 # soon\n"
                       "usb now\nscanner\n"),
        &problems);
    EXPECT_FALSE(config.usb) << "a file lists what it offers; \"usb now\" is not \"usb\"";
    EXPECT_TRUE(config.simulated);
    EXPECT_EQ(config.simulatedFaults, QStringLiteral("initializing=3"));
    EXPECT_EQ(problems, QStringList({QStringLiteral("line 4 is not understood: usb now"),
                                     QStringLiteral("line 5 is not understood: scanner")}));
}

TEST(BackendConfig, SearchesSanesConfigFoldersAndTheInstalledOneAfterATrailingColon)
{
    qputenv("SANE_CONFIG_DIR", "/a:/b:");
    const QStringList folders = BackendConfig::searchFolders();
    qunsetenv("SANE_CONFIG_DIR");
    ASSERT_EQ(folders.size(), 4);
    EXPECT_EQ(folders.mid(0, 3), QStringList({"/a", "/b", "."}));
    EXPECT_EQ(folders[3], BackendConfig::searchFolders()[1]);
}
} // namespace
