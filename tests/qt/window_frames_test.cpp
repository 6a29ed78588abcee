// SPDX-License-Identifier: MIT
// What each window asks of the window manager, read back from the X server: its title, its
// fixed size, the frame buttons it allows, and whether it has a task-bar button. Qt's
// offscreen platform keeps none of these, so the test starts a private Xvfb of its own.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QtTest>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "tests/qt/program_under_test.h"
#include "ui/qt/application_setup.h"
#include "ui/qt/form1.h"
#include "ui/qt/info_windows.h"
#include "ui/qt/program.h"

namespace {

// An X server for this process alone.
class PrivateXServer {
public:
    PrivateXServer() {
        int ready[2];
        if (pipe(ready) != 0) {
            qFatal("pipe: %s", std::strerror(errno));
        }
        const pid_t parent = getpid();
        m_pid = fork();
        if (m_pid == 0) {
            // Gone with this process even when it is killed (a CTest timeout) and its
            // destructor never runs.
            if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent) {
                _exit(127);
            }
            close(ready[0]);
            const std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            std::perror("Xvfb (Debian package xvfb)");
            _exit(127);
        }
        close(ready[1]);
        // Xvfb writes its display number once it accepts clients.
        std::string number;
        char c = 0;
        while (read(ready[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        close(ready[0]);
        if (number.empty()) {
            qFatal("Xvfb did not start");
        }
        m_display = ":" + number;
    }
    ~PrivateXServer() {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    [[nodiscard]] const std::string& display() const { return m_display; }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

xcb_connection_t* Connection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t Atom(const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(Connection(), 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(Connection(), cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A property of the window as the window manager would read it, as raw bytes.
QByteArray Property(const QWidget& window, const char* name) {
    xcb_flush(Connection());
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(Connection(), 0, static_cast<xcb_window_t>(window.winId()), Atom(name),
                         XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(Connection(), cookie, nullptr), &std::free);
    if (!reply) {
        return {};
    }
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            xcb_get_property_value_length(reply.get())};
}

QList<quint32> Words(const QByteArray& bytes) {
    QList<quint32> words;
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4) {
        quint32 word = 0;
        std::memcpy(&word, bytes.constData() + i, 4);
        words << word;
    }
    return words;
}

// The _MOTIF_WM_HINTS bits for the frame's buttons.
constexpr quint32 kMwmHintsFunctions = 1;
constexpr quint32 kMwmFuncMinimize = 8;
constexpr quint32 kMwmFuncMaximize = 16;
constexpr quint32 kMwmFuncClose = 32;
// WM_NORMAL_HINTS flags for a minimum and a maximum size.
constexpr quint32 kPMinSize = 16;
constexpr quint32 kPMaxSize = 32;

class WindowFramesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ui::Program> m_program;

    // The window as the user gets it: the main window, or one the main window opens.
    QWidget* open(const QString& name) {
        m_program = std::make_unique<ui::Program>();
        if (name == QAnyStringView(ui::kForm1Design.name)) {
            return &m_program->form1();
        }
        ui::InfoWindowSlot& slot = test::SlotOf(*m_program, name);
        slot.Open();
        return slot.window();
    }

private slots:
    void initTestCase() { ui::SetUpApplication(); }

    void cleanup() { m_program.reset(); }

    void windowsAskForTheirFrame_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<bool>("taskbarButton");
        QTest::newRow("Form1") << "Form1"
                               << QByteArray(" Gain for Veltrana     by_Varel_minto    v.2.0")
                               << QSize(457, 434) << true;
        QTest::newRow("frmAbout") << "frmAbout" << QByteArray("О программе v.2.0")
                                  << QSize(522, 558) << false;
        QTest::newRow("frmAbout1")
            << "frmAbout1" << QByteArray("Автор программы") << QSize(496, 220) << false;
    }
    void windowsAskForTheirFrame() {
        QFETCH(QString, name);
        QFETCH(QByteArray, title);
        QFETCH(QSize, client);
        QFETCH(bool, taskbarButton);
        QWidget* window = open(name);
        QVERIFY(window != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(window));

        // The title, byte for byte, spaces and all.
        QCOMPARE(Property(*window, "_NET_WM_NAME"), title);

        // Not resizable: the smallest and the largest size are both the designed client size.
        const QList<quint32> sizeHints = Words(Property(*window, "WM_NORMAL_HINTS"));
        QVERIFY(sizeHints.size() >= 9);
        QVERIFY(sizeHints[0] & kPMinSize);
        QVERIFY(sizeHints[0] & kPMaxSize);
        QCOMPARE(QSize(int(sizeHints[5]), int(sizeHints[6])), client);
        QCOMPARE(QSize(int(sizeHints[7]), int(sizeHints[8])), client);

        // A close box, and neither a minimise nor a maximise button. (Qt always lets the frame
        // be dragged here; the equal sizes above are what keep it from resizing.)
        const QList<quint32> motif = Words(Property(*window, "_MOTIF_WM_HINTS"));
        QVERIFY(motif.size() >= 2);
        QVERIFY(motif[0] & kMwmHintsFunctions);
        QVERIFY(motif[1] & kMwmFuncClose);
        QVERIFY(!(motif[1] & kMwmFuncMinimize));
        QVERIFY(!(motif[1] & kMwmFuncMaximize));

        // Only the main window has a button in the task bar.
        const QList<quint32> state = Words(Property(*window, "_NET_WM_STATE"));
        QCOMPARE(!state.contains(Atom("_NET_WM_STATE_SKIP_TASKBAR")), taskbarButton);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    const PrivateXServer server;
    qputenv("DISPLAY", QByteArray::fromStdString(server.display()));
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    WindowFramesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_frames_test.moc"
