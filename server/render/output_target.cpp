#include "output_target.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace luwnd::render {
namespace {

// Far more pictures than anyone makes of one window; past it nothing is written.
constexpr int kMaxNumbered = 100000;

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<PictureFormat> format_named(std::string_view name) {
    const std::string word = lower(name);
    if (word == "png") return PictureFormat::kPng;
    if (word == "svg") return PictureFormat::kSvg;
    if (word == "pdf") return PictureFormat::kPdf;
    if (word == "emf") return PictureFormat::kEmf;
    return std::nullopt;
}

std::string with_separator(std::string directory) {
    if (directory.empty()) directory = ".";
    if (directory.back() != '/' && directory.back() != '\\') directory += '/';
    return directory;
}

std::string stem_of(const std::string& directory, long process, int window) {
    return with_separator(directory) + "luwnd-" + std::to_string(process) + "-" +
           std::to_string(window);
}

}  // namespace

bool written_at_end(const OutputTarget& target, int asked, bool every_window) {
    if (asked >= 1 && asked <= 3) return true;
    return asked < 0 && every_window && target.at_end;
}

OutputTarget output_target(const char* directory, const char* format, std::string* warning) {
    OutputTarget target;
    if (directory != nullptr && *directory != '\0') target.directory = directory;
    std::string_view name = format == nullptr ? std::string_view() : std::string_view(format);
    if (name.empty()) return target;
    if (name[0] == '.') name.remove_prefix(1);
    if (lower(name) == "none") {
        target.at_end = false;
        return target;
    }
    std::optional<PictureFormat> named = format_named(name);
    // EMF is a format of saves on Windows, not of the pictures at the end.
    if (named && *named != PictureFormat::kEmf) {
        target.format = *named;
        return target;
    }
    if (warning != nullptr) {
        *warning = "LUMORA_OUTPUT_FORMAT=" + std::string(format) +
                   " is not a picture format (png, svg or pdf) or none: the pictures go to the "
                   "current directory as PNG";
    }
    return OutputTarget{};
}

OutputTarget output_target_from_environment() {
    std::string warning;
    OutputTarget target =
        output_target(std::getenv("LUMORA_OUTPUT"), std::getenv("LUMORA_OUTPUT_FORMAT"), &warning);
    if (!warning.empty()) std::fprintf(stderr, "luwnd: %s\n", warning.c_str());
    return target;
}

OutputTarget usable_target(const OutputTarget& target, const PathExists& is_directory,
                           std::string& warning) {
    if (is_directory(target.directory)) return target;
    warning = "LUMORA_OUTPUT=" + target.directory +
              " is not a folder: the pictures go to the current directory as PNG";
    return OutputTarget{};
}

const char* suffix_of(PictureFormat format) {
    switch (format) {
        case PictureFormat::kSvg:
            return "svg";
        case PictureFormat::kPdf:
            return "pdf";
        case PictureFormat::kEmf:
            return "emf";
        default:
            return "png";
    }
}

std::optional<PictureFormat> format_of_file(std::string_view path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t separator = path.find_last_of("/\\");
    if (dot == std::string_view::npos) return std::nullopt;
    if (separator != std::string_view::npos && dot < separator) return std::nullopt;
    return format_named(path.substr(dot + 1));
}

std::optional<PictureFormat> save_format(std::string_view path,
                                         std::initializer_list<PictureFormat> written,
                                         const PathExists& is_directory, std::string& error) {
    std::string names;
    for (PictureFormat format : written)
        names += std::string(names.empty() ? "." : ", .") + suffix_of(format);
    std::optional<PictureFormat> format = format_of_file(path);
    bool known = false;
    for (PictureFormat candidate : written) known = known || (format && *format == candidate);
    if (!known) {
        error = "\"" + std::string(path) + "\" does not end in a picture format written here (" +
                names + ")";
        return std::nullopt;
    }
    const std::string directory = directory_of(path);
    if (!is_directory(directory)) {
        error = "the folder \"" + directory + "\" does not exist";
        return std::nullopt;
    }
    return format;
}

std::string directory_of(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    if (separator == std::string_view::npos) return ".";
    if (separator == 0) return std::string(path.substr(0, 1));
    // "C:\x.png": the drive's root.
    if (separator == 2 && path[1] == ':') return std::string(path.substr(0, 3));
    return std::string(path.substr(0, separator));
}

std::string picture_path(const OutputTarget& target, long process, int window) {
    return stem_of(target.directory, process, window) + "." + suffix_of(target.format);
}

std::string free_picture_path(const OutputTarget& target, long process, int window,
                              const PathExists& exists) {
    std::string path = picture_path(target, process, window);
    if (!exists(path)) return path;
    return free_numbered_path(target.directory, process, window, suffix_of(target.format), exists);
}

std::string free_numbered_path(const std::string& directory, long process, int window,
                               const char* suffix, const PathExists& exists) {
    const std::string stem = stem_of(directory, process, window) + "-";
    for (int k = 1; k <= kMaxNumbered; ++k) {
        std::string path = stem + std::to_string(k) + "." + suffix;
        if (!exists(path)) return path;
    }
    return {};
}

}  // namespace luwnd::render
