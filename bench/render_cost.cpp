// Measures rendering through the product end to end: a program opens a 1000 x 800 window
// in a headless luwnd, draws one picture (a one-million-point polyline, or one hundred
// thousand separate lines, each its own draw_line, or a 1000 x 1000 field as one picture),
// quits and ends; the measuring parent process waits until luwnd has written the PNG and
// ended. One picture per run:
//   render_cost polyline|lines|field OUTDIR   the client side and luwnd's share, separately
//   render_cost paint OUTDIR            both pictures drawn and written in this process
//                                       with the Cairo canvas and luwnd's PNG writer, without
//                                       any transport
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cairo.h>
#include <dirent.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "client/platform/posix/runtime_names.h"
#include "lumora.h"
#include "render_scenes.h"
#include "server/render/cairo/picture_file.h"
#include "server/render/cairo/png_writer.h"
#include "server/render/picture.h"

namespace {

using bench::Clock;
using bench::ms_between;

// Where the client and luwnd meet, as both compute it from the namespace.
std::string runtime_directory(const char* ns) {
    return lumora::platform::posix::runtime_directories(ns != nullptr ? ns : "").front();
}

// The socket luwnd listens on; it removes it only after writing its pictures.
std::string find_socket(const std::string& directory) {
    DIR* dir = opendir(directory.c_str());
    if (dir == nullptr) return {};
    std::string found;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.rfind("luwnd-", 0) == 0 && name.size() > 5 &&
            name.compare(name.size() - 5, 5, ".sock") == 0)
            found = directory + "/" + name;
    }
    closedir(dir);
    return found;
}

bool exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// The size of a file written at `since` or later; -1 when there is none.
long file_size(const std::string& path, std::time_t since = 0) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || info.st_mtime < since) return -1;
    return static_cast<long>(info.st_size);
}

// Polls every half millisecond; false after ten minutes.
// CPU milliseconds (user + system) a process has used so far, from /proc; -1 when gone.
double process_cpu_ms(long pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)),
                           std::istreambuf_iterator<char>());
    const std::size_t after_name = text.rfind(')');
    if (after_name == std::string::npos) return -1;
    unsigned long utime = 0, stime = 0;
    if (std::sscanf(text.c_str() + after_name + 2,
                    "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime) != 2)
        return -1;
    return static_cast<double>(utime + stime) * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The pid in a socket name ".../luwnd-<pid>.sock".
long socket_pid(const std::string& path) {
    const std::size_t dash = path.rfind('-');
    return dash == std::string::npos ? 0 : std::atol(path.c_str() + dash + 1);
}

// Waits until luwnd has removed its socket.
bool wait_until_gone(const std::string& path) {
    const auto deadline = Clock::now() + std::chrono::minutes(10);
    while (exists(path)) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return true;
}

// Samples a process's CPU time every millisecond from its start to its end, which
// a look only after the program is done would miss when luwnd ends quickly.
class CpuSampler {
  public:
    explicit CpuSampler(long pid) : thread_([this, pid] { run(pid); }) {}
    ~CpuSampler() { stop(); }
    // The CPU milliseconds last seen.
    double stop() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
        return last_ms_;
    }

  private:
    void run(long pid) {
        while (!done_) {
            const double used = process_cpu_ms(pid);
            if (used < 0) return;
            last_ms_ = used;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    std::atomic<bool> done_{false};
    std::atomic<double> last_ms_{0};
    std::thread thread_;
};

void prepare_environment(const std::string& outdir) {
    setenv("LUMORA_HEADLESS", "1", 1);
    setenv("LUMORA_OUTPUT", outdir.c_str(), 1);
    setenv("LUMORADIR", LUWND_DIR, 0);
    setenv("LUMORA_NAMESPACE", ("renderbench" + std::to_string(getpid())).c_str(), 0);
}

// The scene's coordinates as the library takes them, made before any timing starts.
std::vector<float> scene_values(const std::string& scene) {
    const bench::Pairs values = scene == "lines"   ? bench::random_lines()
                                : scene == "field" ? bench::field_values()
                                                   : bench::noisy_sine();
    return std::vector<float>(values.begin(), values.end());
}

void draw_polyline(const std::vector<float>& points) {
    if (lu_draw_polyline(points.data(), bench::kPolylinePoints) == 0)
        std::fprintf(stderr, "render_cost: draw_polyline failed\n");
}

void draw_lines(const std::vector<float>& ends) {
    int failed = 0;
    for (std::size_t i = 0; i < ends.size(); i += 4) {
        if (lu_draw_line(ends[i], ends[i + 1], ends[i + 2], ends[i + 3]) == 0) ++failed;
    }
    if (failed != 0) std::fprintf(stderr, "render_cost: %d draw_line calls failed\n", failed);
}

void draw_field(const std::vector<float>& z) {
    auto [low, high] = std::minmax_element(z.begin(), z.end());
    lu_set_colour_map(LU_MAP_SEQUENTIAL, *low, *high);
    if (lu_draw_field_image(z.data(), bench::kFieldSide, bench::kFieldSide, LU_ROW_MAJOR, 0, 0,
                            float{bench::kPageWidth}, float{bench::kPageHeight}, 0) == 0)
        std::fprintf(stderr, "render_cost: draw_field_image failed\n");
}

// What the drawing program reports to the measuring one: its moments in milliseconds
// since the start, the picture's numbers and luwnd's socket.
struct Marks {
    double connected = 0, delivered = 0, quitted = 0;
    int process = 0, window = 0;
    char socket[512] = {};
};

// The program side: connect, draw, quit. luwnd finishes only once this process has gone
// (its connection closes at exit), so it runs in a child of the measuring process.
// The window process's pid goes to early_fd as soon as it is known.
Marks run_program(const std::string& scene, const std::vector<float>& values,
                  Clock::time_point start, int early_fd) {
    Marks marks;
    marks.process =
        lu_initialize(-1, -1, -1, bench::kPageWidth, bench::kPageHeight, -1, -1, -1, -1);
    marks.window = lu_open_window(0);
    if (marks.process <= 0 || marks.window <= 0) return marks;
    lu_set_world(0.0f, 0.0f, float{bench::kPageWidth}, float{bench::kPageHeight});
    const std::string socket = find_socket(runtime_directory(std::getenv("LUMORA_NAMESPACE")));
    std::snprintf(marks.socket, sizeof marks.socket, "%s", socket.c_str());
    const long pid = socket_pid(socket);
    if (write(early_fd, &pid, sizeof pid) != sizeof pid) return marks;
    marks.connected = ms_between(start, Clock::now());
    if (scene == "lines") {
        draw_lines(values);
    } else if (scene == "field") {
        draw_field(values);
    } else {
        draw_polyline(values);
    }
    marks.delivered = ms_between(start, Clock::now());
    lu_quit_with_flag(0);
    marks.quitted = ms_between(start, Clock::now());
    return marks;
}

int end_to_end(const std::string& scene, const std::string& outdir) {
    prepare_environment(outdir);
    const std::vector<float> values = scene_values(scene);
    int channel[2];
    if (pipe(channel) != 0) return 1;
    const std::time_t started = std::time(nullptr);
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) return 1;
    if (child == 0) {
        close(channel[0]);
        const Marks marks = run_program(scene, values, start, channel[1]);
        const bool sent = write(channel[1], &marks, sizeof marks) == sizeof marks;
        _exit(sent && marks.window > 0 ? 0 : 1);
    }
    close(channel[1]);
    long luwnd_pid = 0;
    if (read(channel[0], &luwnd_pid, sizeof luwnd_pid) != sizeof luwnd_pid) luwnd_pid = 0;
    CpuSampler luwnd_cpu(luwnd_pid);
    Marks marks;
    const bool received = read(channel[0], &marks, sizeof marks) == sizeof marks;
    close(channel[0]);
    int status = 0;
    rusage used{};
    wait4(child, &status, 0, &used);
    const double program_cpu_ms =
        static_cast<double>(used.ru_utime.tv_sec + used.ru_stime.tv_sec) * 1e3 +
        static_cast<double>(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e3;
    const double exited = ms_between(start, Clock::now());
    if (!received || marks.window <= 0 || marks.socket[0] == '\0') {
        std::fprintf(stderr, "render_cost: the drawing program failed\n");
        return 1;
    }
    if (!wait_until_gone(marks.socket)) {
        std::fprintf(stderr, "render_cost: luwnd has not ended\n");
        return 1;
    }
    const double written = ms_between(start, Clock::now());
    const double luwnd_cpu_ms = luwnd_cpu.stop();
    const std::string png = outdir + "/luwnd-" + std::to_string(marks.process) + "-" +
                            std::to_string(marks.window) + ".png";
    const long bytes = file_size(png, started);
    std::printf(
        "lumora scene=%s connect_ms=%.1f commands_ms=%.1f quit_ms=%.1f exit_ms=%.1f "
        "luwnd_finish_ms=%.1f work_ms=%.1f total_ms=%.1f program_cpu_ms=%.1f "
        "luwnd_cpu_ms=%.1f png=%s bytes=%ld\n",
        scene.c_str(), marks.connected, marks.delivered - marks.connected,
        marks.quitted - marks.delivered, exited - marks.quitted, written - exited,
        written - marks.connected, written, program_cpu_ms, luwnd_cpu_ms, png.c_str(), bytes);
    return bytes > 0 ? 0 : 1;
}

// Device pixels of a world point, as the client maps the world onto the whole page.
std::int32_t device_x(double x) {
    return static_cast<std::int32_t>(std::trunc(x + 0.5));
}
std::int32_t device_y(double y) {
    return static_cast<std::int32_t>(std::trunc(bench::kPageHeight - y + 0.5));
}

luwnd::render::Picture empty_page() {
    luwnd::render::Picture picture;
    picture.width = bench::kPageWidth;
    picture.height = bench::kPageHeight;
    return picture;
}

luwnd::render::Picture polyline_picture() {
    const bench::Pairs points = bench::noisy_sine();
    luwnd::render::Picture picture = empty_page();
    luwnd::DrawItem item;
    item.kind = luwnd::ItemKind::kPolyline;
    item.points.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); i += 2) {
        item.points.push_back(device_x(points[i]));
        item.points.push_back(device_y(points[i + 1]));
    }
    picture.items.push_back({std::move(item), std::nullopt});
    return picture;
}

luwnd::render::Picture lines_picture() {
    const bench::Pairs ends = bench::random_lines();
    luwnd::render::Picture picture = empty_page();
    picture.items.reserve(ends.size() / 4);
    for (std::size_t i = 0; i < ends.size(); i += 4) {
        luwnd::DrawItem item;
        item.kind = luwnd::ItemKind::kLine;
        item.coords = {device_x(ends[i]), device_y(ends[i + 1]), device_x(ends[i + 2]),
                       device_y(ends[i + 3])};
        item.point_count = 2;
        picture.items.push_back({std::move(item), std::nullopt});
    }
    return picture;
}

void paint_and_write(const char* scene, const luwnd::render::Picture& picture,
                     const std::string& path) {
    const auto start = Clock::now();
    cairo_surface_t* image = luwnd::render::render_image(picture);
    const auto painted = Clock::now();
    std::string error;
    const bool ok = luwnd::render::write_png(
        image, path, static_cast<int>(std::thread::hardware_concurrency()), error);
    const auto written = Clock::now();
    cairo_surface_destroy(image);
    std::printf("inprocess scene=%s paint_ms=%.1f png_ms=%.1f total_ms=%.1f png=%s%s\n", scene,
                ms_between(start, painted), ms_between(painted, written),
                ms_between(start, written), path.c_str(), ok ? "" : " (not written)");
}

int in_process(const std::string& outdir) {
    paint_and_write("polyline", polyline_picture(), outdir + "/inprocess-polyline.png");
    paint_and_write("lines", lines_picture(), outdir + "/inprocess-lines.png");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scene = argc > 1 ? argv[1] : "";
    // Absolute, since luwnd runs in a directory of its own choosing.
    char* resolved = realpath(argc > 2 ? argv[2] : ".", nullptr);
    if (resolved == nullptr) {
        std::fprintf(stderr, "render_cost: no such output directory\n");
        return 2;
    }
    const std::string outdir = resolved;
    std::free(resolved);
    if (scene == "polyline" || scene == "lines" || scene == "field")
        return end_to_end(scene, outdir);
    if (scene == "paint") return in_process(outdir);
    std::fprintf(stderr, "usage: render_cost polyline|lines|field|paint [OUTDIR]\n");
    return 2;
}
