// SPDX-License-Identifier: MIT
#include "app/StartUp.h"

#include "app/CQuillon2App.h"
#include "app/HeadlessCapture.h"
#include "app/Translations.h"
#include "app/WindowPlacement.h"
#include "link/ColorConversion.h"
#include "link/UsbDeviceWatcher.h"
#include "link/UsbTransport.h"
#include "picture/ImageMemory.h"
#include "sim/SimCommandLine.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QSemaphore>
#include <QThreadPool>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {
constexpr char CaptureOption[] = "capture";
constexpr char CleanPageOption[] = "clean-page";

void keepOnlySeriousMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Qt ends the process with an abort when no platform plugin can start, after lines about
// plugins that say nothing to a user: then the user is told in one line that no display could
// be reached, and the status is 1. What Qt says while a platform does start is passed on once it
// is up.
class PlatformStartWatch
{
public:
    PlatformStartWatch()
        : m_previous(qInstallMessageHandler(hold))
    {}
    ~PlatformStartWatch()
    {
        qInstallMessageHandler(m_previous);
        for (const Held &message : held()) {
            const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
            if (m_previous)
                m_previous(message.type, context, message.text);
        }
        held().clear();
    }
    PlatformStartWatch(const PlatformStartWatch &) = delete;
    PlatformStartWatch &operator=(const PlatformStartWatch &) = delete;

private:
    struct Held
    {
        QtMsgType type;
        QByteArray category;
        QString text;
    };

    static std::vector<Held> &held()
    {
        static std::vector<Held> messages;
        return messages;
    }

    static void hold(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n",
                         "Quillon for USB: no display could be reached to show the window on "
                         "(DISPLAY or WAYLAND_DISPLAY); --capture=FILE works without one.");
            std::fflush(stderr);
            std::_Exit(1);
        }
        held().push_back({type, QByteArray(context.category), message});
    }

    QtMessageHandler m_previous;
};

void addHiddenOption(QCommandLineParser &parser, const char *name, const QString &valueName = {})
{
    QCommandLineOption option{QLatin1String(name), QString(), valueName};
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

// Qt 6.4's catalogues of several languages (French, Spanish, Italian, Polish) lack the words of
// its own help options; the program's catalogues carry them and are looked up before Qt's.
[[maybe_unused]] constexpr const char *QtHelpOptionTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

} // namespace

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "StartUp",
        "Quillon for USB: captures, shows and saves pictures of the USB document camera."));
    parser.addHelpOption();
    parser.addVersionOption();
    // Single-dash words are long options, so the traditional -Embedding and -Automation starts
    // are understood; both suppress the start-up picture.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    addHiddenOption(parser, "Embedding");
    addHiddenOption(parser, "Automation");
    parser.addOption({QStringLiteral("no-splash"),
                      QCoreApplication::translate("StartUp", "Do not show the start-up picture.")});
    parser.addOption({QStringLiteral("minimized"),
                      QCoreApplication::translate("StartUp", "Start with the window minimized.")});
    parser.addOption({QStringLiteral("maximized"),
                      QCoreApplication::translate("StartUp", "Start with the window maximized.")});
    parser.addOption({QLatin1String(CaptureOption),
                      QCoreApplication::translate(
                          "StartUp", "Capture one picture without a window and save it to FILE "
                                     "(.bmp or no extension: BMP, .png: PNG, .pdf: a searchable "
                                     "PDF, otherwise JPEG)."),
                      QCoreApplication::translate("StartUp", "FILE")});
    parser.addOption({QLatin1String(CleanPageOption),
                      QCoreApplication::translate(
                          "StartUp", "With --capture: find the sheet on the picture, square and "
                                     "straighten it, in the stored colour mode, before saving.")});
    SimCommandLine::addOptions(parser);
}

StartOptions startOptions(const QCommandLineParser &parser)
{
    StartOptions options;
    options.showSplash = !parser.isSet(QStringLiteral("no-splash")) &&
                         !parser.isSet(QStringLiteral("Embedding")) &&
                         !parser.isSet(QStringLiteral("Automation"));
    if (parser.isSet(QStringLiteral("minimized")))
        options.showCommand = ShowCommand::ShowMinimized;
    else if (parser.isSet(QStringLiteral("maximized")))
        options.showCommand = ShowCommand::ShowMaximized;
    return options;
}

namespace {
// Qt reads the command line as UTF-8 and replaces what is not: true when an argument, or the
// value of an "--option=value" one, holds the value's own bytes.
bool isGivenWhole(int argc, char **argv, const QString &value)
{
    const QByteArray bytes = QFile::encodeName(value);
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == bytes || (argument.endsWith(bytes) && argument.size() > bytes.size() &&
                                  argument.at(argument.size() - bytes.size() - 1) == '='))
            return true;
    }
    return false;
}

void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("TOVA"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillon for USB"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0b"));
}

// The options QApplication takes out of the command line before the program's own parser sees
// them; the early parser must accept them too, so that it fails only where the later one would.
void addQtGuiOptions(QCommandLineParser &parser)
{
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle",
                             "title", "display", "session", "style", "stylesheet", "qmljsdebugger"})
        addHiddenOption(parser, name, QStringLiteral("value"));
    for (const char *name : {"reverse", "widgetcount", "testability"})
        addHiddenOption(parser, name);
}

// Reads the command line before any platform plugin is loaded, so that help, the version and
// a mistyped option are answered without a display, exactly as the window's parser answers them
// (which then never runs); that answer ends the process. Otherwise tells whether the program
// needs no window: a headless capture, or the help with Qt's options, which only an application
// with a platform can list.
bool answerBeforeThePlatform(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    {
        QCommandLineParser parser;
        addOptions(parser);
        addQtGuiOptions(parser);
        if (parser.parse(arguments) && !parser.isSet(QStringLiteral("help")) &&
            !parser.isSet(QStringLiteral("version")))
            return parser.isSet(QLatin1String(CaptureOption)) ||
                   parser.isSet(QStringLiteral("help-all"));
    }
    QCoreApplication application(argc, argv);
    const Translations translations(QLocale::system());
    setApplicationNames();
    // Made again once the catalogues are installed, so that the help is in one language.
    QCommandLineParser parser;
    addOptions(parser);
    addQtGuiOptions(parser);
    parser.process(application);
    return false; // not reached: process() has answered and ended the program
}
} // namespace

void prepareDrawing()
{
    // The wait cursor is read from the cursor theme's files the first time it is set; set once
    // on a window that is never shown, it stays in the platform's cache.
    QWindow window;
    window.create();
    window.setCursor(Qt::WaitCursor);
    // The reduction for the screen and Qt's own drawing share Qt's pooled threads: started now
    // and kept however long the pause before a capture, so that no capture waits for them.
    QThreadPool *pool = QThreadPool::globalInstance();
    pool->setExpiryTimeout(-1);
    QSemaphore running;
    QSemaphore released;
    QSemaphore done;
    const int threads = pool->maxThreadCount();
    for (int i = 0; i < threads; ++i)
        pool->start([&] {
            running.release();
            released.acquire();
            done.release();
        });
    running.acquire(threads); // each task holds a thread of its own until all run
    released.release(threads);
    done.acquire(threads);
}

int runQuillon(int argc, char **argv)
{
    ImageMemory::keepInProcess();
    // Without a window no display is needed; the platform is chosen before the application
    // exists. Scripts read a headless capture's standard error as the reason of a failure, so the
    // notices Qt prints about its surroundings (such as a missing runtime directory) are kept out.
    if (answerBeforeThePlatform(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(keepOnlySeriousMessages);
    }
    std::optional<PlatformStartWatch> watch(std::in_place);
    QApplication application(argc, argv);
    watch.reset();
    const Translations translations(QLocale::system());
    setApplicationNames();
    // Ties the window to the launcher's entry: the Wayland app id, and the icon docks show.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tova.QuillonU"));

    QCommandLineParser parser;
    addOptions(parser);
    parser.process(application);

    SimCommandLine::Setup simulator = SimCommandLine::createSimulator(parser);
    if (!simulator.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(simulator.error));
        return 1;
    }
    // The watcher first: libusb tells its newest context of a hot-plug first, so when the
    // watcher reports an arrival, the transport can already open the camera.
    std::optional<UsbDeviceWatcher> cameraWatcher;
    std::optional<UsbTransport> camera;
    if (!simulator.unit) {
        cameraWatcher.emplace();
        camera.emplace();
    }
    PipeTransport &transport =
        simulator.unit ? static_cast<PipeTransport &>(*simulator.unit) : *camera;
    DeviceWatcher *watcher = simulator.unit ? &simulator.unit->deviceWatcher() : &*cameraWatcher;
    SettingsStore settings;

    if (parser.isSet(QLatin1String(CaptureOption))) {
        const QString path = parser.value(QLatin1String(CaptureOption));
        if (!isGivenWhole(argc, argv, path))
            return refuseCaptureName(path);
        return runHeadlessCapture(transport, settings, path,
                                  parser.isSet(QLatin1String(CleanPageOption)));
    }

    const QString lockName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    CQuillon2App app(transport, watcher, settings, lockName);
    switch (app.InitInstance(startOptions(parser))) {
    case CQuillon2App::StartResult::AlreadyRunning:
        return 0;
    case CQuillon2App::StartResult::Started:
        break;
    }
    // Once the window is up and the event loop idle, so that neither waits for it.
    QTimer::singleShot(0, &app, [unit = simulator.unit.get()] {
        ImageMemory::prepareForCapture();
        fastestConversionPath(); // timed now rather than in the first capture
        prepareDrawing();
        // A camera has its picture ready; the simulator draws its own on first demand.
        if (unit)
            unit->currentFrame();
    });
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
}
