#pragma once
// Text from a card (file and folder names) made safe to print on a terminal: control characters,
// escape sequences, bidirectional overrides and bytes that are not UTF-8 are shown as escapes,
// never sent to the terminal as they are.

#include <string>
#include <string_view>

namespace vemora {

// text with every byte below 0x20, DEL, the C1 controls, the bidirectional embedding, override
// and isolate marks, and every byte outside a valid UTF-8 sequence written as "\xNN" (or
// "\u{NNNN}" for a character); a backslash is doubled so that the escapes are unambiguous.
std::string TerminalText(std::string_view text);

} // namespace vemora
