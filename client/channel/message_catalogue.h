// The texts of every message the library can show. Each has an English text and, for
// most, a Japanese text stored as Shift-JIS bytes (code page 932), shown as they are.
#pragma once

namespace lumora {

enum class MessageId {
    GetPathFailed,
    NotOnSearchPath,
    UnmapFailed,
    CommunicationFailed,
    EndedAbnormally,
    BufferOverflow,
    LaunchFailed,
    WindowClosed,
    ProgramOlderFields,
    LibraryOlder,
    ProgramOlder,
    IncompatibleVersion,
    NotSupported,
    CannotExecute,
    InitializeFailed,
    OpenFailed,
    OpenWindowFailed,
    JoinFailed,
    NoWindowFound,
    JoinQuestion,
    CouldNotOpen,
    NotUnderstood,
    SetFilePointerFailed,
    MissingSignature,
    ReadFileFailed,
    WrongByteCount,
    Count
};

struct MessageText {
    const char* english;
    const char* japanese;  // Shift-JIS; nullptr where the English text is used everywhere
};

// Both texts of a message.
const MessageText& message_texts(MessageId id);

// The text to show under the given ANSI code page: Japanese under 932 when there is one.
const char* message_text(MessageId id, int code_page);

}  // namespace lumora
