// Picture files made so that nobody else who can write to the folder can turn a picture
// onto another file:
// - a new name ("luwnd-1-1.png", "luwnd-1-1-1.png", ...) is taken by making the file as
//   it is chosen (CREATE_NEW): a name with anything there, a link included, is passed
//   over, and nothing can be put there between the choice and the write, which goes
//   through the file made;
// - a name the program gives is written as a new file beside it that replaces the name
//   once complete: a link of that name (a reparse point) is refused, and one put there
//   meanwhile is replaced, never followed.
// A write that fails (a full disk) leaves no file behind.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "server/render/output_target.h"

namespace luwnd::win32 {

// Writes the file's bytes into the open file; false, with the reason, when it cannot.
using FileContent = std::function<bool(HANDLE file, std::string& error)>;
// Picks a name: the first of its candidates that `taken` does not call taken (it asks of
// each in turn and stops there), as render::free_picture_path does.
using NameChoice = std::function<std::string(const render::PathExists& taken)>;

// The file written, or empty with the reason (naming the file) in error. Paths are in the
// ANSI code page.
std::string write_new_file(const NameChoice& choose, const FileContent& content,
                           std::string& error);
// Writes path, replacing a file of that name; false with the reason in error.
bool replace_file(const std::string& path, const FileContent& content, std::string& error);
// Content that is the bytes (kept by the caller while it is written).
FileContent bytes_content(const std::vector<std::uint8_t>& bytes);

}  // namespace luwnd::win32
