// The process block's header as the join reads it: either an idle process
// "state,handle,id,version" (state 0), or a process that offers one of its windows
// "window,title\nhandle,id,version" (window > 0).
#pragma once

#include <cstddef>

#include "client/channel/client_state.h"

namespace lumora {

struct JoinHeader {
    int state = 0;  // 0: idle; > 0: the window the process offers
    int handle = 0;
    int id = 0;
    char title[kNameSize] = {};  // the window's title line, cut to 255 characters
    char version[kNameSize] = {};
};

// Reads a header from a block that need not hold a NUL. False when neither form is
// accepted (fields missing, an idle form with a state other than 0, a window form with a
// state of 0 or less).
bool parse_join_header(const unsigned char* block, std::size_t size, JoinHeader& header);

}  // namespace lumora
