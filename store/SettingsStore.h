// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>
#include <climits>
#include <memory>

class QSettings;

// One stored integer: where it lives, what a missing value reads as, and which stored values are
// accepted. A stored value outside minimum..maximum reads as the default; it is never written
// back, so the profile keeps what it held until the user confirms a new value.
struct IntSetting
{
    const char *group;
    const char *key;
    int defaultValue;
    int minimum;
    int maximum;

    constexpr int accept(int stored) const
    {
        return stored < minimum || stored > maximum ? defaultValue : stored;
    }
};

// Every integer the program keeps between runs.
namespace Setting {
// JPEG quality factor: small means higher quality. The quality dialog offers 2..242, but a stored
// value up to 255 is used for saving as it is.
inline constexpr IntSetting Qfactor{"Settings", "Qfactor", 15, 2, 255};
// 0 gamma correction on, 1 off; it selects the tone table row.
inline constexpr IntSetting Gamma{"Settings", "Gamma", 1, 0, 1};
// Sharpness step 0..6, an index into the seven-entry sharpening table; 3 changes nothing.
inline constexpr IntSetting Sharpness{"Settings", "Sharpness", 3, 0, 6};
// Whether Add page looks for the sheet on the picture and squares and straightens it: 1 yes.
inline constexpr IntSetting CleanPages{"Pages", "Clean", 1, 0, 1};
// Whether the clean-up parts a book's two pages photographed open into two pages: 1 yes.
inline constexpr IntSetting BookPages{"Pages", "Book", 0, 0, 1};
// The colour mode of a new page: 0 Colour, 1 Grey, 2 Black and white.
inline constexpr IntSetting PageColourMode{"Pages", "ColourMode", 0, 0, 2};
// Kept for the profile's sake: nothing in the program uses or changes it.
inline constexpr IntSetting PreviewPages{"Settings", "PreviewPages", 0, INT_MIN, INT_MAX};
} // namespace Setting

// The values the application itself loads at start and saves at exit.
struct ApplicationSettings
{
    static constexpr int RecentFileCount = 4;
    // "File1" to "File4"; an empty entry is not stored.
    std::array<QString, RecentFileCount> recentFiles;
    int previewPages = Setting::PreviewPages.defaultValue;

    friend bool operator==(const ApplicationSettings &, const ApplicationSettings &) = default;
};

// The user's settings. Every read and every write opens the store, does its one access and closes
// it again: nothing is cached, nothing needs to exist beforehand, and a failed write is ignored
// (the caller's value in memory is already in force). Holds no widgets.
//
// A settings file that is not a regular file (a FIFO, a device, a folder) is never read or
// written: every value reads as its default.
//
// A stored integer that is not a 32-bit integer (text, a fraction, a list, a number out of range)
// reads as missing, that is as its default.
class SettingsStore
{
public:
    // The current user's profile: organisation "TOVA", application "Quillon for USB"
    // (~/.config/TOVA/Quillon for USB.conf; the registry on Windows).
    SettingsStore();
    // An INI file at an explicit path; tests use this so that they never reach a real profile.
    explicit SettingsStore(const QString &iniFilePath);

    int read(const IntSetting &setting) const;
    void write(const IntSetting &setting, int value) const;

    // The main window's placement text, raw; empty when none is stored.
    QString windowPos() const;
    void setWindowPos(const QString &text) const;

    // The folder Save and Open start in: the one last chosen in either while it still is a
    // folder, else the user's Pictures folder, else the home folder.
    QString lastFolder() const;
    void setLastFolder(const QString &folder) const;

    // The languages text is read in, as Tesseract names them ("deu+eng"); empty when none is
    // stored.
    QString recognitionLanguages() const;
    void setRecognitionLanguages(const QString &languages) const;

    // At start: the recent-file list and the preview page count.
    ApplicationSettings loadApplicationSettings() const;
    // At exit: the whole recent-file list is replaced by the non-empty entries, each under its
    // own number; the preview page count is written only when it is not 0.
    void saveApplicationSettings(const ApplicationSettings &settings) const;

    // Where the values are kept (a file path, or a registry path on Windows).
    QString location() const;

private:
    // Nothing when the settings file exists but is not a regular file (or a link to one).
    std::unique_ptr<QSettings> open() const;
    QString filePath() const;
    QString readText(const QString &group, const QString &key) const;
    void writeText(const QString &group, const QString &key, const QString &text) const;

    QString m_iniFilePath; // empty: the user's profile
};
