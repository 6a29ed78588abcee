// SPDX-License-Identifier: MIT
// Linux and the BSDs: which of Wayland and X11 the windows go to, settled before Qt starts.
// Qt tries its platforms in turn and, when none comes up, aborts with a core dump after a
// screenful of plugin messages; asking each display and each plugin first lets the program
// name the one thing that is missing instead.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "ui/qt/platform/platform.h"

namespace ui::platform {
namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Why the X server named by DISPLAY cannot be used, or nothing when it answers.
std::optional<std::string> XProblem() {
    const std::string display = Variable("DISPLAY");
    if (display.empty()) {
        return "DISPLAY is not set";
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!answers) {
        return "the X display " + Quoted(display) + " does not answer";
    }
    return std::nullopt;
}

// The same for the Wayland compositor, found where libwayland-client looks for it.
std::optional<std::string> WaylandProblem() {
    if (!Variable("WAYLAND_SOCKET").empty()) {
        return std::nullopt;  // handed a connection already made
    }
    std::string name = Variable("WAYLAND_DISPLAY");
    if (name.empty()) {
        name = "wayland-0";
    }
    std::string path = name;
    if (name.front() != '/') {
        const std::string runtime = Variable("XDG_RUNTIME_DIR");
        if (runtime.empty()) {
            return "XDG_RUNTIME_DIR is not set, so the Wayland display " + Quoted(name) +
                   " cannot be found";
        }
        path = runtime + "/" + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return "the Wayland display " + Quoted(name) + " has too long a path";
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool answers =
        socket >= 0 &&
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (socket >= 0) {
        ::close(socket);
    }
    if (!answers) {
        return "the Wayland display " + Quoted(name) + " does not answer";
    }
    return std::nullopt;
}

// What brings the plugin: Debian's package for the two a desktop uses, the user's own
// choice of platform for any other.
std::string Remedy(std::string_view plugin) {
    if (plugin.starts_with("wayland")) {
        return "install qt6-wayland";
    }
    return plugin == "xcb" ? "install libqt6gui6" : "check QT_QPA_PLATFORM";
}

// Why Qt could not load the platform plugin of that name, or nothing when it can. It looks
// where Qt looks: QT_QPA_PLATFORM_PLUGIN_PATH first, then the platforms folder of every
// library path. The plugin stays loaded, and Qt takes it from there without reading it again.
std::optional<std::string> PluginProblem(const QString& name) {
    QStringList folders;
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!chosen.isEmpty()) {
        folders << chosen;
    }
    for (const QString& path : QCoreApplication::libraryPaths()) {
        folders << path + QStringLiteral("/platforms");
    }
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files)) {
            QPluginLoader plugin(dir.filePath(file));
            if (!QLibrary::isLibrary(file) ||
                !plugin.metaData()[QStringLiteral("MetaData")][QStringLiteral("Keys")]
                     .toArray()
                     .contains(name)) {
                continue;
            }
            if (!plugin.load()) {
                return "Qt's platform plugin " + Quoted(name.toStdString()) +
                       " cannot be loaded (" + plugin.errorString().toStdString() + "); " +
                       Remedy(name.toStdString());
            }
            return std::nullopt;
        }
    }
    return "Qt's platform plugin " + Quoted(name.toStdString()) + " is missing; " +
           Remedy(name.toStdString());
}

// The platforms Qt would try, in its order: the user's list, or Wayland in a Wayland session
// and then X11, Qt's default here.
std::vector<std::string> Candidates() {
    std::vector<std::string> candidates;
    const std::string chosen = Variable("QT_QPA_PLATFORM");
    if (!chosen.empty()) {
        std::string_view rest = chosen;
        while (!rest.empty()) {
            const std::string_view entry = rest.substr(0, rest.find(';'));
            if (!entry.empty()) {
                candidates.emplace_back(entry);
            }
            rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
        }
        return candidates;
    }
    if (!Variable("WAYLAND_DISPLAY").empty() || Variable("XDG_SESSION_TYPE") == "wayland") {
        candidates.emplace_back("wayland");
    }
    candidates.emplace_back("xcb");
    return candidates;
}

}  // namespace

std::optional<std::string> ChooseWindowingSystem() {
    std::vector<std::string> silentDisplays;
    std::optional<std::string> pluginProblem;
    for (const std::string& candidate : Candidates()) {
        // An entry may carry the plugin's options after a colon ("xcb:...").
        const std::string name = candidate.substr(0, candidate.find(':'));
        std::optional<std::string> displayProblem;
        if (name == "xcb") {
            displayProblem = XProblem();
        } else if (name.starts_with("wayland")) {
            displayProblem = WaylandProblem();
        }
        if (displayProblem) {
            silentDisplays.push_back(*displayProblem);
            continue;
        }
        if (auto problem = PluginProblem(QString::fromStdString(name).toLower())) {
            pluginProblem = pluginProblem.value_or(*problem);
            continue;
        }
        // Qt is told the one that answered, so it tries no other first.
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(candidate));
        return std::nullopt;
    }
    // A display that answers but lacks its plugin is the thing to fix; otherwise every
    // display that was tried is named.
    if (pluginProblem) {
        return pluginProblem;
    }
    std::string why = "no display to show the window on: ";
    for (std::size_t i = 0; i < silentDisplays.size(); ++i) {
        why += (i == 0 ? "" : ", and ") + silentDisplays[i];
    }
    return why + "; start it from a desktop session";
}

}  // namespace ui::platform
