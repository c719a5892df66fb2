// Ends the window process behind a published window handle, as a crash would.
#pragma once

#include "client/platform/platform.h"

void kill_window_process(lumora::platform::WindowHandle handle);
