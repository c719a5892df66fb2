// Writing a window's picture to a file the client names ('B' 50). The drawing lives in the
// host (its renderer and the pictures it mirrors), so the core asks the host through this.
#pragma once

#include <string>

namespace luwnd {

class PictureSaver {
  public:
    virtual ~PictureSaver() = default;
    // Writes the picture of open window n to path, in the format its extension names.
    // False, with a reason fit for the user in error, when nothing complete was written.
    virtual bool save(int window, const std::string& path, std::string& error) = 0;
};

}  // namespace luwnd
