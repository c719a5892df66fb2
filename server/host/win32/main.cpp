// luwnd.exe: publishes the process block as a file mapping and answers the client's
// WM_COPYDATA commands in a message-only window. With a desktop every window is shown on
// the screen and stays after the client quit until the user closes it; headless every
// window is drawn with GDI and written to a picture file when it closes or the process
// ends, which it does once its client quit.
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "command_window.h"
#include "display_choice.h"
#include "dpi_awareness.h"
#include "file_mapping_host.h"
#include "picture_files.h"
#include "picture_output.h"
#include "program_watch.h"
#include "screen_dialogs.h"
#include "screen_windows.h"
#include "server/core/core.h"
#include "server/core/publish_wait.h"
#include "server/core/settling_dialogs.h"
#include "server/render/gdi/gdi_text_measure.h"
#include "server/render/window_pictures.h"

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    const bool shown = luwnd::win32::screen_available();
    luwnd::CoreConfig config;
    // Before any window exists: the process then sees the screen's real pixels.
    if (shown) config.screen_dpi = luwnd::win32::become_dpi_aware();

    luwnd::win32::CommandWindow window;
    if (!window.create(instance)) return 1;
    luwnd::win32::ProgramWatch program_watch(window.handle());
    config.watch_frame_program = [&](std::int32_t process) { program_watch.watch(process); };
    config.window_handle = window.published_handle();
    config.connection_id = static_cast<int>(GetCurrentProcessId() & 0x7FFFFFFF);
    if (config.connection_id == 0) config.connection_id = 1;
    config.trace_path = environment("LUMORA_TRACE");
    config.options = command_line == nullptr ? std::string() : std::string(command_line);
    // Headless, nothing stays to be seen: the process ends once its client quit.
    config.ends_after_quit = !shown;
    config.windows_stay_shown = shown;
    // Extents come from the fonts the pictures are drawn with.
    luwnd::render::GdiTextMeasure text_measure;
    config.text_measure = &text_measure;
    // With a desktop the user sees the messages and answers the questions.
    luwnd::win32::ScreenDialogs dialogs(environment("LUMORA_FILE_ANSWERS"),
                                        environment("LUMORA_QUERY_ANSWERS"));
    // Before a dialog comes up, the windows show everything drawn before it.
    std::function<void()> settle_screens;
    luwnd::SettlingDialogs settling(dialogs, [&] { settle_screens(); });
    if (shown) config.dialogs = &settling;

    luwnd::render::WindowPictures pictures;
    luwnd::win32::PictureFiles picture_files(pictures);
    config.picture_saver = &picture_files;
    luwnd::win32::FileMappingHost host(environment("LUMORA_NAMESPACE"));
    luwnd::Core core(host, config);
    // Every process number may be taken by window processes whose programs are about to
    // quit: wait for one to come free, within the time the starting program waits for us.
    // Until then the command window takes no input, so the program's wait for us goes on.
    if (luwnd::publish_within(luwnd::launch_publish_wait(), [&] { return core.publish(); }, {}) <=
        0)
        return 1;
    const luwnd::render::OutputTarget target = luwnd::render::output_target_from_environment();
    luwnd::win32::PictureOutput output(core, pictures, target, !shown);
    luwnd::win32::ScreenWindows screen(core, pictures, target.directory);
    if (shown) screen.create(instance);

    auto sync = [&] {
        pictures.after_command(core);
        output.after_command();
        if (shown) screen.update();
    };
    // Shown, the process stays while a window is on the screen, a client is connected
    // or a window is offered for joining.
    auto finished = [&] {
        return core.quit_requested() && !core.client_connected() && !core.offers_join() &&
               !screen.any_shown();
    };
    window.on_command = sync;
    // The program that began a frame ended without ending it: the windows show as they are.
    window.on_posted = [&](UINT message, WPARAM process) {
        if (message != luwnd::win32::ProgramWatch::kEnded) return;
        if (!program_watch.watching(static_cast<std::int32_t>(process))) return;
        program_watch.watch(0);
        core.end_frames();
        sync();
    };
    settle_screens = [&] {
        sync();
        screen.show_now();
    };
    if (shown) {
        window.finished = finished;
        screen.on_resized = sync;
        screen.on_closed = [&] {
            if (finished()) PostQuitMessage(0);
        };
    }
    window.attach(&core);
    luwnd::win32::run_message_loop();
    window.attach(nullptr);
    output.write_open();
    return 0;
}
