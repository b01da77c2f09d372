#pragma once
// Reads and writes the launcher's settings file, converting between the file's 8-bit ANSI text
// and the UTF-8 the rest of the program uses.
#include <optional>
#include <string>

namespace qennet::platform {

// The file's text as UTF-8, or nullopt when it is missing or cannot be read. A file that starts
// with a UTF-8 byte-order mark (saved as UTF-8 by an editor) is read as UTF-8.
std::optional<std::string> ReadTextFile(const std::string& name);

// Replaces the file with the text in the ANSI code page, in one step: a temporary file in the
// same folder is written and flushed, then moved over the old one, so a failure never leaves a
// truncated file. Returns 0, or the system's error code. The text must be representable in the
// ANSI code page (see AnsiStorableText).
unsigned long ReplaceTextFile(const std::string& name, const std::string& text);

// A ROM folder text that the ANSI code page can hold: the text itself when it can; otherwise the
// folder's short (8.3) path, which names the same folder in plain characters; otherwise nullopt.
std::optional<std::string> AnsiStorableText(const std::string& text);

} // namespace qennet::platform
