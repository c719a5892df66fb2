// A program that talks to a real window process, one scenario per run:
//   page_client draw <n>      opens a window, draws n lines (erasing half way) and a few
//                             other things, quits
//   page_client offer         opens a joinable window titled Shared and quits leaving it
//   page_client join <n>      joins that window, draws n lines into it and into a window
//                             of its own, quits leaving both; "drawn" counts the lines
//                             the window process answered with their window
//   page_client stopped       stops the window process, has it killed while a line waits
//   page_client killed        has the window process killed while it draws
//   page_client idle          opens a window, says "ready" with both pids, reads to the end
//   page_client closed <dir>  draws in a window and closes it, draws in another and quits,
//                             saying after each how many pictures are in dir (LUMORA_OUTPUT)
//   page_client count <n>     draws n separate lines in each of two windows, then counts
//                             what each window holds
//   page_client leave <n>     draws n separate lines and ends at once, without quitting
// It prints "key=value" lines of what it saw.
#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/channel/client_state.h"
#include "lumora.h"

namespace {

long window_process() {
    return static_cast<long>(lumora::block_table().window_handle);
}

// The window process's pid, or the end of the run: a pid of 0 or -1 would signal the
// whole process group or every process the user may signal.
pid_t window_pid() {
    const long pid = window_process();
    if (pid > 1) return static_cast<pid_t>(pid);
    std::fprintf(stderr, "page_client: no window process to signal (pid %ld)\n", pid);
    std::exit(3);
}

// A child that sends the signal to the window process after a pause, while we wait.
void signal_later(pid_t pid, int sig, int delay_ms) {
    if (fork() == 0) {
        usleep(static_cast<useconds_t>(delay_ms) * 1000);
        kill(pid, sig);
        _exit(0);
    }
}

int draw(int lines) {
    const int window = lu_open_window(0);
    int drawn = 0;
    for (int i = 0; i < lines; ++i) {
        const float x = static_cast<float>(i % 100) / 100.0f;
        drawn += lu_draw_line(x, 0.0f, 1.0f - x, 1.0f) != 0;
        if (i == lines / 2) lu_erase_window_in_window(window);
    }
    int points[2000];
    for (int i = 0; i < 2000; ++i) points[i] = (i * 37) % 500;
    lu_draw_polyline_in_window(window, points, 1000);
    lu_draw_text_in_window(window, 10, 20, "page");
    std::printf("window=%d drawn=%d\n", window, drawn);
    std::fflush(stdout);
    lu_quit();
    return 0;
}

int offer() {
    const int window = lu_open_window_full(0, 0, 0, -1, -1, -1, "Shared");
    std::printf("window=%d\n", window);
    lu_quit_with_flag(0);
    return window > 0 ? 0 : 1;
}

int join(int lines) {
    char description[LU_JOIN_DESCRIPTION_SIZE] = {};
    const int joined = lu_join_window(0, 0, 1, description);
    int drawn = 0;
    for (int i = 0; i < lines; ++i)
        drawn += lu_draw_line_in_window(joined, i % 50, 0, 50, i % 70) == joined;
    lu_open_window(0);  // the joined window becomes ours
    const int own = lu_open_window(0);
    for (int i = 0; i < lines; ++i)
        drawn += lu_draw_line_in_window(own, 0, i % 50, i % 70, 50) == own;
    std::printf("joined=%d own=%d drawn=%d\n", joined, own, drawn);
    std::fflush(stdout);
    lu_quit_with_flag(0);
    return joined > 0 && own > 0 ? 0 : 1;
}

int stopped() {
    lu_open_window(0);
    lu_draw_line(0.0f, 0.0f, 1.0f, 1.0f);
    const pid_t pid = window_pid();
    kill(pid, SIGSTOP);
    signal_later(pid, SIGKILL, 300);
    lu_draw_line(1.0f, 0.0f, 0.0f, 1.0f);  // posted: goes on
    lu_count_drawings();                   // waits until the window process is gone
    std::printf("survived\n");
    return 0;
}

int count_lines(int lines) {
    const int first = lu_open_window(0), second = lu_open_window(0);
    int drawn = 0;
    for (int i = 0; i < lines; ++i) {
        drawn += lu_draw_line_in_window(first, i % 300, 0, 300 - i % 300, 200) == first;
        drawn += lu_draw_line_in_window(second, 0, i % 200, 300, 200 - i % 200) == second;
    }
    std::printf("drawn=%d first=%d second=%d\n", drawn, lu_count_drawings_in_window(first),
                lu_count_drawings_in_window(second));
    lu_quit();
    return 0;
}

int leave(int lines) {
    lu_open_window(0);
    for (int i = 0; i < lines; ++i) lu_draw_line_in_window(1, i % 300, 0, 300 - i % 300, 200);
    std::fflush(stdout);
    _exit(0);
}

int killed() {
    lu_open_window(0);
    signal_later(window_pid(), SIGKILL, 100);
    for (long i = 0; i < 100000000L; ++i) lu_draw_line(0.0f, 0.0f, 1.0f, 1.0f);
    std::printf("survived\n");
    return 0;
}

int idle() {
    lu_open_window(0);
    lu_draw_line(0.0f, 0.0f, 1.0f, 1.0f);
    std::printf("ready client=%ld window=%ld\n", static_cast<long>(getpid()), window_process());
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    lu_quit();
    return 0;
}

// The PNG pictures in a directory.
int pictures_in(const char* directory) {
    DIR* dir = opendir(directory);
    if (dir == nullptr) return -1;
    int count = 0;
    while (const dirent* entry = readdir(dir)) {
        const std::size_t n = std::strlen(entry->d_name);
        count += n > 4 && std::strcmp(entry->d_name + n - 4, ".png") == 0;
    }
    closedir(dir);
    return count;
}

// The window closed is the only one, so that the close is the last command before the
// count (a close with windows left ends with a command to the one that becomes current).
int closed(const char* output) {
    const int closing = lu_open_window(0);
    for (int i = 0; i < 500; ++i) lu_draw_line_in_window(closing, i, 0, 500 - i, 400);
    lu_close_window(closing);
    std::printf("at_close=%d\n", pictures_in(output));
    const int kept = lu_open_window(0);
    for (int i = 0; i < 500; ++i) lu_draw_line_in_window(kept, 0, i, 400, 500 - i);
    lu_quit();
    std::printf("at_quit=%d\n", pictures_in(output));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* scenario = argc > 1 ? argv[1] : "";
    const int count_arg = argc > 2 ? std::atoi(argv[2]) : 0;
    if (std::strcmp(scenario, "draw") == 0) return draw(count_arg);
    if (std::strcmp(scenario, "offer") == 0) return offer();
    if (std::strcmp(scenario, "join") == 0) return join(count_arg);
    if (std::strcmp(scenario, "stopped") == 0) return stopped();
    if (std::strcmp(scenario, "killed") == 0) return killed();
    if (std::strcmp(scenario, "idle") == 0) return idle();
    if (std::strcmp(scenario, "closed") == 0 && argc > 2) return closed(argv[2]);
    if (std::strcmp(scenario, "count") == 0) return count_lines(count_arg);
    if (std::strcmp(scenario, "leave") == 0) return leave(count_arg);
    std::fprintf(
        stderr,
        "usage: page_client draw|offer|join|stopped|killed|idle|closed|count|leave [n|dir]\n");
    return 2;
}
