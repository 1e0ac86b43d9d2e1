#pragma once
// Paths of an extraction: the destination's directories, entry names joined to it, and the
// header check of an archive file. Texts are walked double-byte-aware in the ANSI code page, so
// a trail byte equal to the backslash code never splits a path.
#include <string>

namespace payload {

// Creates every missing directory along `path`, outermost first. False when one cannot be made.
bool ensureDirectoryPath(const char* path);

// True when the file begins with a local-header signature and the signed 32-bit value at byte
// 24 (the high half of the first entry's uncompressed size and its name length) is at least 1.
bool looksLikeZip(const char* path);

// True when the stored entry name stays inside the directory it is joined to: not empty, no
// drive or stream colon, no leading separator, and no component of dots that climbs out.
bool isContainedEntryName(const char* name);

// `directory` + a backslash unless it already ends in one + `name` with its slashes turned into
// backslashes.
std::string targetPath(const char* directory, const char* name);

}  // namespace payload
