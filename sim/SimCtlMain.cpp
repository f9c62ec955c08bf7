// SPDX-License-Identifier: MIT
// quillon-simctl NAME COMMAND [ARGUMENT...]: sends one command to a running simulated main unit
// (started with --simulate --sim-control=NAME) and prints its answer. Exit status: 0 when the
// simulator answered "ok", 1 when it answered an error, 2 when it could not be reached.
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStringList>

#include <cstdio>

namespace {
constexpr int ConnectTimeoutMs = 3000;
// A command can run the program's reaction to it first, e.g. a message box.
constexpr int AnswerTimeoutMs = 10000;

int usage()
{
    std::fputs("usage: quillon-simctl NAME COMMAND [ARGUMENT...]\n"
               "commands: plug, unplug, other-device, refuse permission|busy|none,\n"
               "  initializing N, nak, comm-not-usb, comm-usb, reply-fail, image-fail,\n"
               "  command-fail, short-row R, unplug-at-row R, frame FILE,\n"
               "  coefficients K0,K1,K2,K3, sent, state, set NAME VALUE\n",
               stderr);
    return 2;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return usage();
    const QString name = args.takeFirst();
    // The simulator runs elsewhere; a relative file name means this directory, not its own.
    if (args.size() == 2 && args[0] == QLatin1String("frame"))
        args[1] = QFileInfo(args[1]).absoluteFilePath();

    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectTimeoutMs)) {
        std::fprintf(stderr, "quillon-simctl: cannot reach \"%s\": %s\n", qPrintable(name),
                     qPrintable(socket.errorString()));
        return 2;
    }
    socket.write(args.join(QLatin1Char(' ')).toUtf8() + '\n');
    // An answer may have lines before its last one, "ok" or "error: ...".
    for (;;) {
        while (!socket.canReadLine()) {
            if (!socket.waitForReadyRead(AnswerTimeoutMs)) {
                std::fprintf(stderr, "quillon-simctl: no answer from \"%s\"\n", qPrintable(name));
                return 2;
            }
        }
        const QByteArray line = socket.readLine().chopped(1);
        std::printf("%s\n", line.constData());
        if (line == "ok")
            return 0;
        if (line.startsWith("error: "))
            return 1;
    }
}
