#include "output_target.h"

#include <cctype>
#include <cstdlib>

namespace luwnd::render {

OutputTarget output_target(const char* directory, const char* format) {
    OutputTarget target;
    if (directory != nullptr && *directory != '\0') target.directory = directory;
    std::string name = format == nullptr ? std::string() : std::string(format);
    if (!name.empty() && name[0] == '.') name.erase(0, 1);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (name == "svg") target.format = PictureFormat::kSvg;
    if (name == "pdf") target.format = PictureFormat::kPdf;
    return target;
}

OutputTarget output_target_from_environment() {
    return output_target(std::getenv("LUMORA_OUTPUT"), std::getenv("LUMORA_OUTPUT_FORMAT"));
}

const char* suffix_of(PictureFormat format) {
    switch (format) {
        case PictureFormat::kSvg:
            return "svg";
        case PictureFormat::kPdf:
            return "pdf";
        default:
            return "png";
    }
}

std::string picture_path(const OutputTarget& target, long process, int window) {
    std::string path = target.directory;
    if (path.back() != '/' && path.back() != '\\') path += '/';
    return path + "luwnd-" + std::to_string(process) + "-" + std::to_string(window) + "." +
           suffix_of(target.format);
}

}  // namespace luwnd::render
