#pragma once
// Paths in the ANSI code page, walked character by character: a character is one byte or a lead
// byte with its trail byte, so a trail byte equal to the backslash code never splits a path.
#include <string>
#include <string_view>

namespace payload {

bool endsWithBackslash(std::string_view path);

// Creates every missing directory of `path`, level by level from the root; true when all of
// them exist at the end.
bool ensureDirectoryPath(std::string_view path);

// Whether an entry name stays inside the folder it is joined to: not empty, no leading
// separator (a root or network path), no drive or stream colon, no parent component.
bool isContainedEntryName(std::string_view name);

// `destination`, a backslash unless it already ends in one, and the entry name with every
// slash turned into a backslash.
std::string joinEntryPath(std::string_view destination, std::string_view name);

}  // namespace payload
