// SPDX-License-Identifier: MIT
// Starts a program and tells, in milliseconds from the moment before it was started, when its
// top-level window with the given title was mapped and when the program first drew into it,
// and the program's resident memory a while after that.
//
//   wait_shown TITLE_PART SETTLE_MS PROGRAM [ARGUMENTS...]
//
// Prints one line "MAPPED_MS DRAWN_MS RSS_KIB" and ends the program. It watches the X server
// itself instead of polling for the window, so the figures are not rounded to a polling step.
#define _POSIX_C_SOURCE 200809L
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

enum { kMaxWindows = 64, kTimeoutMs = 30000, kLateDrawingMs = 2000 };

static double NowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

static xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
    const xcb_atom_t atom = reply != NULL ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return atom;
}

// Qt sets both title properties before it maps a window; either may be the one present.
static bool TitleContains(xcb_connection_t* c, xcb_window_t window, xcb_atom_t netWmName,
                          const char* part) {
    const xcb_atom_t properties[] = {netWmName, XCB_ATOM_WM_NAME};
    for (size_t i = 0; i < sizeof properties / sizeof properties[0]; ++i) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, properties[i], XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            NULL);
        if (reply == NULL) {
            continue;
        }
        char title[1025] = {0};
        const int length = xcb_get_property_value_length(reply);
        memcpy(title, xcb_get_property_value(reply), length < 1024 ? (size_t)length : 1024);
        free(reply);
        if (strstr(title, part) != NULL) {
            return true;
        }
    }
    return false;
}

// From now on the window's map and the drawing into it are reported. Tells whether the window
// was already mapped: under load the program can create and map it (and the window manager
// reparent it, after which its map is no longer announced to the root) before this process has
// read the creation.
static bool Watch(xcb_connection_t* c, xcb_window_t window) {
    // Window managers reparent a window before mapping it; the window's own structure events
    // follow it into the frame.
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
    xcb_damage_create(c, xcb_generate_id(c), window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    // Asked after the selection, so a map is either seen here or announced as an event.
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), NULL);
    const bool mapped = attributes != NULL && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
    free(attributes);
    return mapped;
}

static long ResidentKib(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (status == NULL) {
        return -1;
    }
    char line[256];
    long kib = -1;
    while (fgets(line, sizeof line, status) != NULL) {
        if (sscanf(line, "VmRSS: %ld kB", &kib) == 1) {
            break;
        }
    }
    fclose(status);
    return kib;
}

static void Fail(pid_t child, const char* why) {
    fprintf(stderr, "wait_shown: %s\n", why);
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, NULL, 0);
    }
    exit(1);
}

int main(int argc, char* argv[]) {
    if (argc < 4) {
        fprintf(stderr, "usage: wait_shown TITLE_PART SETTLE_MS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const char* titlePart = argv[1];
    const long settleMs = strtol(argv[2], NULL, 10);

    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) {
        Fail(0, "cannot open the display");
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (damage == NULL || !damage->present) {
        Fail(0, "the X server has no DAMAGE extension");
    }
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), NULL));
    const xcb_atom_t netWmName = Atom(c, "_NET_WM_NAME");

    // Every new top-level is announced to root's substructure listeners. The selection is in
    // force before the program starts (the round trip below), so no window's creation slips by;
    // its map can, and Watch tells.
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &rootMask);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), NULL));
    fcntl(xcb_get_file_descriptor(c), F_SETFD, FD_CLOEXEC);

    const double start = NowMs();
    const pid_t child = fork();
    if (child < 0) {
        Fail(0, "fork failed");
    }
    if (child == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);  // our standard output carries the figures
        execvp(argv[3], argv + 3);
        perror("wait_shown: exec");
        _exit(127);
    }

    xcb_window_t candidates[kMaxWindows];
    int candidateCount = 0;
    xcb_window_t shown = XCB_NONE;
    double mappedMs = -1;
    double drawnMs = -1;
    bool caughtLate = false;  // mapped before it was watched: its first drawing may be missed
    while (drawnMs < 0) {
        xcb_generic_event_t* event;
        while (drawnMs < 0 && (event = xcb_poll_for_event(c)) != NULL) {
            const double at = NowMs() - start;
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const xcb_create_notify_event_t* created = (xcb_create_notify_event_t*)event;
                if (created->parent == root && !created->override_redirect &&
                    candidateCount < kMaxWindows) {
                    candidates[candidateCount++] = created->window;
                    if (Watch(c, created->window) && shown == XCB_NONE &&
                        TitleContains(c, created->window, netWmName, titlePart)) {
                        shown = created->window;
                        mappedMs = NowMs() - start;
                        caughtLate = true;
                    }
                }
            } else if (type == XCB_MAP_NOTIFY && shown == XCB_NONE) {
                const xcb_window_t window = ((xcb_map_notify_event_t*)event)->window;
                for (int i = 0; i < candidateCount; ++i) {
                    if (candidates[i] == window && TitleContains(c, window, netWmName, titlePart)) {
                        shown = window;
                        mappedMs = at;
                    }
                }
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && shown != XCB_NONE &&
                       ((xcb_damage_notify_event_t*)event)->drawable == shown) {
                drawnMs = at;
            }
            free(event);
        }
        if (drawnMs < 0 && caughtLate && NowMs() - start - mappedMs > kLateDrawingMs) {
            // It drew before it was watched and has nothing more to draw: both happened by the
            // time it was found, which is all that can be told.
            fprintf(stderr,
                    "wait_shown: the window was mapped before it was watched; its times "
                    "are upper bounds\n");
            drawnMs = mappedMs;
        }
        if (drawnMs >= 0) {
            break;
        }
        if (xcb_connection_has_error(c)) {
            Fail(child, "lost the display");
        }
        if (waitpid(child, NULL, WNOHANG) == child) {
            Fail(0, "the program ended before it showed its window");
        }
        if (NowMs() - start > kTimeoutMs) {
            Fail(child, "no window showed up in time");
        }
        struct pollfd ready = {.fd = xcb_get_file_descriptor(c), .events = POLLIN};
        poll(&ready, 1, 50);
    }

    // The figure that matters is the memory of a program sitting idle on screen, after its
    // first frame and whatever it finishes lazily right after.
    const struct timespec settle = {.tv_sec = settleMs / 1000,
                                    .tv_nsec = (settleMs % 1000) * 1000000L};
    nanosleep(&settle, NULL);
    const long rssKib = ResidentKib(child);
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    xcb_disconnect(c);
    if (rssKib < 0) {
        Fail(0, "could not read the program's resident memory");
    }
    printf("%.2f %.2f %ld\n", mappedMs, drawnMs, rssKib);
    return 0;
}
