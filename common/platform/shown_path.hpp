#pragma once
// Paths and names as the messages show them.

#include <string>
#include <string_view>

namespace platform {

// A path of the programs ("\" separators, directory prefixes joined without a
// separator) as the messages show it: with "/" separators only, and any
// control character written out (VisibleName).
std::string ShownPath(const std::string& programPath);

// A name as the messages show it: each control character written out, e.g.
// "<NUL>" or "<0x1B>", so that a message never carries one to the terminal.
std::string VisibleName(std::string_view text);

// A byte below a blank, or DEL: no name of a file holds one.
bool IsControlCharacter(char c);

// A name between double quotes, as the messages name a file.
std::string Quoted(const std::string& name);

}  // namespace platform
