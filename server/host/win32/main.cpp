// luwnd.exe: publishes the process block as a file mapping and answers the client's
// WM_COPYDATA commands in a message-only window until the client quits. Every window is
// drawn with GDI and written to a picture file when it closes or the process ends.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "command_window.h"
#include "file_mapping_host.h"
#include "picture_output.h"
#include "server/core/core.h"
#include "server/render/window_pictures.h"

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    luwnd::win32::CommandWindow window;
    if (!window.create(instance)) return 1;

    luwnd::CoreConfig config;
    config.window_handle = window.published_handle();
    config.connection_id = static_cast<int>(GetCurrentProcessId() & 0x7FFFFFFF);
    if (config.connection_id == 0) config.connection_id = 1;
    config.trace_path = environment("LUMORA_TRACE");
    config.options = command_line == nullptr ? std::string() : std::string(command_line);
    // There are no on-screen windows yet: the process ends once its client quit.
    config.ends_after_quit = true;

    luwnd::win32::FileMappingHost host(environment("LUMORA_NAMESPACE"));
    luwnd::Core core(host, config);
    if (core.publish() == 0) return 1;
    luwnd::render::WindowPictures pictures;
    luwnd::win32::PictureOutput output(core, pictures,
                                       luwnd::render::output_target_from_environment(), true);
    window.on_command = [&] {
        pictures.after_command(core);
        output.after_command();
    };
    window.attach(&core);
    luwnd::win32::run_message_loop();
    window.attach(nullptr);
    output.write_open();
    return 0;
}
