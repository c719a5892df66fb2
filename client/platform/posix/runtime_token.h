// The random token in the block names of a session. It lives in the session's private
// runtime directory, where only this user can read it, so that another user cannot work
// out our names and create them first.
#pragma once

#include <string>

namespace lumora::platform::posix {

// The token file of a runtime directory.
std::string token_path(const std::string& directory);

// The token from the directory's token file: a regular file of ours with mode 0600 that
// holds 32 lowercase hex digits (and an optional line end). False for anything else.
bool read_token(const std::string& directory, std::string& token);

// The directory's token, or a new random one when there is none or the file is not a
// sound token file. The file appears whole or not at all (written aside, then linked or
// renamed into place), so that a reader never sees half a token. The window process
// calls this while it holds the directory's lock; see runtime_dir_lock.h.
bool read_or_create_token(const std::string& directory, std::string& token, std::string& error);

// The object name of a block as the window process of this session names it: from the
// token in the session's runtime directory. Empty when there is none yet.
std::string session_block_name(const std::string& ns, const char* name);

}  // namespace lumora::platform::posix
