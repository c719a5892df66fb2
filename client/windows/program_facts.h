// What the client learns about the program it is linked into before its first message:
// the program's file, whether it is a GUI program (messages in a box), and the code page.
#pragma once

namespace lumora {

// Fills program_file_name, use_message_box and ansi_code_page of the client state.
void note_program();

}  // namespace lumora
