// SPDX-License-Identifier: MIT
// Built twice: with QApplication for the programs that test widgets, and with QGuiApplication
// (QUILLON_TEST_WITHOUT_WIDGETS) for those that must not link Qt Widgets at all.
#ifdef QUILLON_TEST_WITHOUT_WIDGETS
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif
#include <QDir>
#include <QSettings>

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform prints these on every show(); they say nothing about our code.
void filterMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("propagateSizeHints")) ||
        message.contains(QLatin1String("does not support raise()")))
        return;
    g_previousHandler(type, context, message);
}

// A fresh mode-0700 directory for this run; the path outlives main's locals.
std::string makePrivateDirectory(const char *purpose)
{
    std::string pattern = std::string("/tmp/quillon-test-") + purpose + "-XXXXXX";
    if (!mkdtemp(pattern.data()))
        std::abort();
    chmod(pattern.c_str(), 0700);
    return pattern;
}
} // namespace

int main(int argc, char **argv)
{
    // Environment first: Qt reads it when the application object is created.
    const std::string runtimeDir = makePrivateDirectory("runtime");
    const std::string configDir = makePrivateDirectory("config");
    // The pages' journal: a program a test starts never finds the user's.
    const std::string stateDir = makePrivateDirectory("state");
    setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
    setenv("XDG_CONFIG_HOME", configDir.c_str(), 1);
    setenv("XDG_STATE_HOME", stateDir.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Programs the tests start speak the source texts whatever the machine's language.
    setenv("LC_ALL", "C", 1);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(configDir));

    g_previousHandler = qInstallMessageHandler(filterMessages);
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(QString::fromStdString(runtimeDir)).removeRecursively();
    QDir(QString::fromStdString(configDir)).removeRecursively();
    QDir(QString::fromStdString(stateDir)).removeRecursively();
    return result;
}
