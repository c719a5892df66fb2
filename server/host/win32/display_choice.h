// Whether luwnd.exe shows its windows on the screen or draws them off-screen only.
#pragma once

namespace luwnd::win32 {

// False (headless) when LUMORA_HEADLESS is set to anything but "" or "0"; under Wine also
// when the Unix environment names no X or Wayland display, since Wine's null driver would
// make windows nobody sees and the process would wait for them for ever; everywhere when
// there is no interactive desktop (a service's window station, no monitor).
bool screen_available();

// True when the process runs under Wine (its ntdll exports wine_get_version).
bool running_under_wine();

}  // namespace luwnd::win32
