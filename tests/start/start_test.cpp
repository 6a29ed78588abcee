// SPDX-License-Identifier: MIT
// Every start that cannot show the window says why in one line on standard error and ends
// with status 1, instead of letting Qt abort with a core dump.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QLibraryInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

namespace {

// A Wayland display's socket. Once closed, its file stays behind as a compositor that has
// gone leaves it: there, but nobody answers.
int BoundSocket(const QString& path) {
    QFile::remove(path);
    const QByteArray name = path.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), name.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        qFatal("cannot make the socket %s", name.constData());
    }
    return socket;
}

bool HasWaylandPlugin() {
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
    return !platforms.entryList({"libqwayland*"}).isEmpty();
}

class StartTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_runtime;

private slots:
    void failedStartsSayWhyInOneLine_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("line");
        QTest::newRow("no display at all")
            << QStringList{}
            << "no display to show the window on: DISPLAY is not set; start it "
               "from a desktop session";
        QTest::newRow("Wayland socket gone, no X")
            << QStringList{"WAYLAND_DISPLAY=wayland-9"}
            << "no display to show the window on: the Wayland display \"wayland-9\" does not "
               "answer, and DISPLAY is not set; start it from a desktop session";
        QTest::newRow("Wayland compositor dead, no X")
            << QStringList{"WAYLAND_DISPLAY=dead"}
            << "no display to show the window on: the Wayland display \"dead\" does not answer, "
               "and DISPLAY is not set; start it from a desktop session";
        QTest::newRow("X display does not answer")
            << QStringList{"DISPLAY=:4242"}
            << "no display to show the window on: the X display \":4242\" does not answer; start "
               "it from a desktop session";
        QTest::newRow("Wayland without Qt's Wayland plugin")
            << QStringList{"WAYLAND_DISPLAY=alive"}
            << "Qt's platform plugin \"wayland\" is missing; install qt6-wayland";
        QTest::newRow("chosen platform has no plugin")
            << QStringList{"QT_QPA_PLATFORM=no-such-platform"}
            << "Qt's platform plugin \"no-such-platform\" is missing; check QT_QPA_PLATFORM";
    }
    void failedStartsSayWhyInOneLine() {
        QFETCH(QStringList, settings);
        QFETCH(QString, line);
        QVERIFY(m_runtime.isValid());
        if (settings.contains("WAYLAND_DISPLAY=alive") && HasWaylandPlugin()) {
            QSKIP("not run here: a Wayland start without Qt's Wayland plugin: it is installed");
        }
        const int compositor = BoundSocket(m_runtime.filePath("alive"));
        QVERIFY(::listen(compositor, 1) == 0);
        auto stop = qScopeGuard([compositor] { ::close(compositor); });
        ::close(BoundSocket(m_runtime.filePath("dead")));

        // State: a session with nothing to show a window on but what the row sets.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM",
                                 "XDG_SESSION_TYPE", "QT_QPA_PLATFORM_PLUGIN_PATH"}) {
            environment.remove(name);
        }
        environment.insert("XDG_RUNTIME_DIR", m_runtime.path());
        for (const QString& setting : settings) {
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        }
        // Action: start the program.
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(VELTRANA_GAIN_PROGRAM, {});
        QVERIFY(program.waitForFinished(20000));
        // Expected: one line naming what to do, status 1, no crash.
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
                 "veltrana-gain: " + line + "\n");
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
    }
};

}  // namespace

QTEST_GUILESS_MAIN(StartTest)
#include "start_test.moc"
