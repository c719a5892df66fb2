// Picture files made so that nobody else who can write to the folder (a shared folder,
// /tmp) can turn a picture onto another file:
// - a new name ("luwnd-1-1.png", "luwnd-1-1-1.png", ...) is taken by making the file as
//   it is chosen (O_CREAT | O_EXCL): a name with anything there, a symbolic link
//   included, is passed over, and nothing can be put there between the choice and the
//   write, which goes through the file made;
// - a name the program gives is written as a new file beside it that replaces the name
//   once complete: a symbolic link of that name is refused, and one put there meanwhile
//   is replaced, never followed.
// A write that fails (a full disk) leaves no file behind.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "server/render/output_target.h"

namespace luwnd::posix {

// Writes the file's bytes into the open file; false, with the reason, when it cannot.
using FileContent = std::function<bool(std::FILE* file, std::string& error)>;
// Picks a name: the first of its candidates that `taken` does not call taken (it asks of
// each in turn and stops there), as render::free_picture_path does.
using NameChoice = std::function<std::string(const render::PathExists& taken)>;

// The file written, or empty with the reason (naming the file) in error.
std::string write_new_file(const NameChoice& choose, const FileContent& content,
                           std::string& error);
// Writes path, replacing a file of that name; false with the reason in error.
bool replace_file(const std::string& path, const FileContent& content, std::string& error);

}  // namespace luwnd::posix
