// luwnd on POSIX: publishes the process block in the user's runtime directory, listens
// for commands on a Unix socket there and serves them until the client quits.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "client/platform/posix/private_dir.h"
#include "client/platform/posix/runtime_names.h"

#include "block_file_host.h"
#include "command_socket.h"
#include "owners.h"
#include "picture_files.h"
#include "picture_output.h"
#include "runtime_dir.h"
#include "runtime_dir_lock.h"
#include "saved_pictures.h"
#include "server/core/core.h"
#include "server/core/publish_wait.h"
#include "server/core/settling_dialogs.h"
#include "server/render/cairo/cairo_text_measure.h"
#include "server/render/window_pictures.h"
#include "x11_dialogs.h"
#include "x11_windows.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void request_stop(int) {
    g_stop = 1;
}

// Holds SIGTERM and SIGINT back outside the wait; returns the mask to wait with.
sigset_t install_signals() {
    struct sigaction action {};
    action.sa_handler = request_stop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
    sigset_t held, previous;
    sigemptyset(&held);
    sigaddset(&held, SIGTERM);
    sigaddset(&held, SIGINT);
    sigprocmask(SIG_BLOCK, &held, &previous);
    sigdelset(&previous, SIGTERM);
    sigdelset(&previous, SIGINT);
    return previous;
}

// The launcher waits on the pipe named by LUMORA_READY_FD for one byte.
void report_ready() {
    const char* text = std::getenv("LUMORA_READY_FD");
    if (text == nullptr || *text == '\0') return;
    char* end = nullptr;
    long fd = std::strtol(text, &end, 10);
    if (*end != '\0' || fd < 0 || fd > 65535) return;
    ssize_t written = write(static_cast<int>(fd), "1", 1);
    (void)written;
    close(static_cast<int>(fd));
}

// What the user does to the windows on screen goes to the core, and saves to files.
void connect_window_events(luwnd::posix::X11Windows& screen, luwnd::Core& core,
                           const luwnd::render::WindowPictures& pictures,
                           luwnd::posix::SavedPictures& saved) {
    screen.events.resized = [&core](int n, std::int32_t width, std::int32_t height) {
        core.resize_window(n, width, height);
    };
    screen.events.closed = [&core](int n) { core.window_closed_by_user(n); };
    screen.events.input = [&core](int n, const luwnd::WindowEvent& event) {
        core.window_event(n, event);
    };
    screen.events.cursor_wait = [&core](int n) { return core.cursor_wait(n); };
    screen.events.save = [&pictures, &saved](int n, luwnd::render::PictureFormat format) {
        auto it = pictures.open().find(n);
        if (it == pictures.open().end()) return;
        std::string error;
        std::string path = saved.save(it->second, n, format, error);
        if (path.empty())
            std::fprintf(stderr, "luwnd: cannot save window %d: %s\n", n, error.c_str());
        else
            std::fprintf(stderr, "luwnd: saved %s\n", path.c_str());
    };
}

// A whole decimal number from the environment in [1, most]; 0 when absent or not one.
long number_from_environment(const char* name, long most) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value >= 1 && value <= most ? value : 0;
}

// How long a window process waits to be taken by a program: a headless one ends after
// that, and one started by a program for itself is open to others after that.
std::chrono::seconds unclaimed_limit() {
    const long seconds = number_from_environment("LUMORA_UNCLAIMED_SECONDS", 3600);
    return std::chrono::seconds(seconds != 0 ? seconds : 60);
}

// The directory of the blocks and the socket. From choosing it until the first block is
// there the directory is locked, so that no other window process removes it as empty
// meanwhile; another one may remove an empty directory before we lock it, so that is
// tried again. At the end the directory goes unless another window process uses it.
struct RuntimeDirectory {
    std::string path;
    luwnd::posix::DirectoryLock lock;
    ~RuntimeDirectory() {
        lock.release();
        if (!path.empty()) luwnd::posix::remove_if_unused(path);
    }
    bool prepare(const std::string& ns, std::string& error) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            path = lumora::platform::posix::choose_runtime_dir(
                lumora::platform::posix::runtime_directories(ns), error);
            if (path.empty()) return false;
            if (lock.hold(path, 2000)) return true;
        }
        error = "cannot lock " + path;
        return false;
    }
    // The same directory locked again for another try at a process number; made again
    // when it went meanwhile.
    bool relock(std::string& error) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (!lumora::platform::posix::prepare_runtime_dir(path, error)) return false;
            if (lock.hold(path, 2000)) return true;
        }
        error = "cannot lock " + path;
        return false;
    }
    bool listen(luwnd::posix::CommandSocket& socket, std::string& error) {
        const bool listening =
            socket.listen(lumora::platform::posix::socket_path(path, getpid()), error);
        lock.release();
        return listening;
    }
};

// Whether waiting is pointless: we were asked to stop (the signals are held back until
// the command loop), or the program we were started for has ended.
bool waiting_is_over(long launcher, std::string& error) {
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    if (sigismember(&pending, SIGTERM) == 1 || sigismember(&pending, SIGINT) == 1) {
        error = "stopped while waiting for a process block";
        return true;
    }
    if (launcher > 0 && luwnd::posix::process_is_gone(launcher)) {
        error = "the program that started luwnd has ended";
        return true;
    }
    return false;
}

// The process block, published in the locked directory. When every number is taken the
// directory is let go while we wait, and locked again for each try. -1 when waiting is
// over before that or the directory cannot be locked again (error says why).
int publish_in(RuntimeDirectory& dir, luwnd::Core& core, long launcher, std::string& error) {
    const auto wait = luwnd::launch_publish_wait();
    auto try_publish = [&] {
        if (waiting_is_over(launcher, error)) return -1;
        if (!dir.lock.held() && !dir.relock(error)) return -1;
        const int number = core.publish();
        if (number == 0) dir.lock.release();
        return number;
    };
    auto say_waiting = [&] {
        std::fprintf(stderr,
                     "luwnd: all process blocks are taken; waiting for one to come free (up to "
                     "%d s in all)\n",
                     static_cast<int>(wait.limit.count() / 1000));
    };
    return luwnd::publish_within(wait, try_publish, say_waiting);
}

// Set once the blocks and the socket exist: what must go when the display is lost.
luwnd::posix::BlockFileHost* g_host = nullptr;
std::string g_socket_file, g_runtime_dir;

// Xlib ends the process after a lost display; the names must not outlive it, or the next
// program would find an idle header nobody answers.
void remove_names() {
    if (g_host != nullptr) g_host->unlink_all();
    if (!g_socket_file.empty()) unlink(g_socket_file.c_str());
    if (!g_runtime_dir.empty()) luwnd::posix::remove_if_unused(g_runtime_dir);
}

// The error stream is the client's: let go of it (a pipeline reading it would wait for
// this process) once the process is to outlive the client.
void leave_error_stream() {
    const int null = open("/dev/null", O_WRONLY);
    if (null < 0) return;
    dup2(null, 2);
    close(null);
}

std::string joined_arguments(int argc, char** argv) {
    std::string options;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) options += ' ';
        options += argv[i];
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    sigset_t wait_mask = install_signals();
    std::string ns;
    if (!lumora::platform::posix::session_namespace(ns)) {
        std::fprintf(stderr, "luwnd: LUMORA_NAMESPACE must not contain '/'\n");
        return 1;
    }
    std::string error;
    luwnd::posix::remove_leftovers(lumora::platform::posix::runtime_directories(""));
    RuntimeDirectory dir;
    luwnd::posix::CommandSocket socket;

    // A program that started us for itself takes us first; others are refused until then.
    const long launcher = number_from_environment("LUMORA_LAUNCHER_PID", 0x7FFFFFFF);
    const auto started = std::chrono::steady_clock::now();
    const auto limit = unclaimed_limit();
    luwnd::Core* core_ptr = nullptr;
    auto unclaimed_too_long = [&] {
        return core_ptr != nullptr && !core_ptr->claimed_once() &&
               std::chrono::steady_clock::now() - started >= limit;
    };

    luwnd::CoreConfig config;
    config.window_handle = getpid();
    config.connection_id = static_cast<int>(getpid());
    if (const char* trace = std::getenv("LUMORA_TRACE")) config.trace_path = trace;
    config.options = joined_arguments(argc, argv);
    config.admits_handshake = [&] {
        return launcher == 0 || socket.current_peer() == launcher || unclaimed_too_long();
    };

    // Without a display (CI, servers) the windows are drawn off-screen only, and the
    // process ends with its client.
    luwnd::posix::X11Windows screen;
    const char* headless = std::getenv("LUMORA_HEADLESS");
    const bool asked_headless =
        headless != nullptr && headless[0] != '\0' && std::string(headless) != "0";
    bool shown = !asked_headless && screen.connect();
    config.ends_after_quit = !shown;
    config.host_tracks_replies = true;
    config.windows_stay_shown = shown;
    if (shown) leave_error_stream();
    if (shown) config.screen_dpi = screen.dpi();
    // Extents come from the fonts the pictures are drawn with.
    luwnd::render::CairoTextMeasure text_measure;
    config.text_measure = &text_measure;
    // With a display the user sees the messages and answers the questions.
    auto text_of = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value == nullptr ? "" : value);
    };
    luwnd::posix::X11Dialogs dialogs(screen.display(), text_of("LUMORA_FILE_ANSWERS"),
                                     text_of("LUMORA_QUERY_ANSWERS"));
    // Before a dialog comes up, the windows show everything drawn before it.
    std::function<void()> settle_screens;
    luwnd::SettlingDialogs settling(dialogs, [&] { settle_screens(); });
    if (shown) config.dialogs = &settling;

    luwnd::render::WindowPictures pictures;
    luwnd::posix::PictureFiles picture_files(pictures);
    config.picture_saver = &picture_files;
    if (!dir.prepare(ns, error)) {
        std::fprintf(stderr, "luwnd: %s\n", error.c_str());
        return 1;
    }
    luwnd::posix::BlockFileHost host(dir.path);
    luwnd::Core core(host, config);
    core_ptr = &core;
    const luwnd::render::OutputTarget target = luwnd::render::output_target_from_environment();
    luwnd::posix::PictureOutput output(core, pictures, target, !shown);
    const int published = publish_in(dir, core, launcher, error);
    if (published <= 0) {
        std::fprintf(stderr, "luwnd: %s\n",
                     published < 0 ? error.c_str() : "all process blocks are taken");
        return 1;
    }
    if (!dir.listen(socket, error)) {
        std::fprintf(stderr, "luwnd: %s\n", error.c_str());
        return 1;
    }
    g_host = &host;
    g_socket_file = lumora::platform::posix::socket_path(dir.path, getpid());
    g_runtime_dir = dir.path;
    if (shown) screen.on_connection_lost(remove_names);
    bool error_stream_left = shown;
    auto sync = [&] {
        pictures.after_command(core);
        output.after_command();
        // The pictures at the quit are written (and reported); windows offered for
        // joining may keep the process on.
        if (!error_stream_left && core.quit_requested()) {
            leave_error_stream();
            error_stream_left = true;
        }
        if (shown) screen.update(pictures.open());
    };
    socket.on_command = sync;
    settle_screens = [&] {
        sync();
        screen.show_now();
    };
    // Only a window that closed (its picture is written) or the quit (every picture is)
    // leaves something the client may look for as soon as it has its answer.
    std::uint64_t windows_seen = core.window_changes();
    socket.may_settle_after_answer = [&] {
        const bool same_windows = core.window_changes() == windows_seen;
        windows_seen = core.window_changes();
        return same_windows && !core.quit_requested();
    };
    socket.exit_when_abandoned = !shown;
    if (!shown) socket.give_up = unclaimed_too_long;
    // Windows offered for joining keep the process, shown or not.
    socket.keep_serving = [&] { return core.offers_join() || (shown && screen.any_shown()); };
    luwnd::posix::SavedPictures saved(target.directory, getpid());
    luwnd::PlotGestures gestures(core);
    if (shown) {
        connect_window_events(screen, core, pictures, saved);
        screen.gestures = &gestures;
        socket.extra_fd = screen.fd();
        // Events are handled between commands, so the core never sees two at once; a
        // resized window is drawn again at its new page size right away.
        // Drawing on the screen may read further events into Xlib's queue, where waiting
        // on the connection would not see them: they are handled before the wait.
        socket.on_idle = [&] {
            do {
                if (screen.handle_events()) sync();
                screen.save_asked();
                screen.show();
            } while (screen.events_queued());
        };
        socket.idle_work_within_ms = [&] { return screen.show_due_within_ms(); };
    }
    report_ready();
    socket.serve(core, g_stop, wait_mask);
    output.write_open();
    return 0;
}
