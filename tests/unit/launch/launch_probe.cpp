// A stand-in for the window program in the launch tests. It records how it was started in
// the marker file named by its first argument, reports that it is ready, and ends by
// itself a few seconds later.
//
// POSIX: argument 1 is the marker, the rest are recorded after "pid ppid". A second
// argument "silent" closes the ready pipe without the byte, "hold" keeps it open.
// Windows: the command line after its leading blanks is the marker; the program is ready
// once it waits in its message loop.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* marker = GetCommandLineA();
    while (*marker == ' ') ++marker;
    if (std::FILE* out = std::fopen(marker, "w")) {
        std::fprintf(out, "%lu\n", GetCurrentProcessId());
        std::fclose(out);
    }
    SetTimer(nullptr, 0, 3000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) break;
        DispatchMessageA(&message);
    }
    return 0;
}

#else
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    if (std::FILE* out = std::fopen(argv[1], "w")) {
        std::fprintf(out, "%ld %ld", static_cast<long>(getpid()), static_cast<long>(getppid()));
        for (int i = 2; i < argc; ++i) std::fprintf(out, " %s", argv[i]);
        std::fclose(out);
    }
    const char* fd_text = std::getenv("LUMORA_READY_FD");
    const int fd = fd_text != nullptr ? std::atoi(fd_text) : -1;
    const bool silent = argc > 2 && std::strcmp(argv[2], "silent") == 0;
    const bool hold = argc > 2 && std::strcmp(argv[2], "hold") == 0;
    if (fd >= 0 && !silent && !hold) {
        const ssize_t written = write(fd, "1", 1);
        (void)written;
    }
    if (fd >= 0 && !hold) close(fd);
    sleep(3);
    return 0;
}
#endif
