#pragma once
// Files of the program folder, found by name whatever the letter case.
#include <string>

namespace halcyra {

// The program's own folder (the executable's), without a trailing separator.
std::string ExecutableFolder();

// AppPath joined with a file name written with either separator; an existing
// file or folder whose name differs only in letter case is returned instead.
std::string ProgramFile(const std::string& appPath, const std::string& name);

// Resolves each component of a path case-insensitively where the exact
// spelling does not exist; returns the path unchanged when nothing matches.
std::string ResolveCaseInsensitive(const std::string& path);

bool FileExists(const std::string& path);

}  // namespace halcyra
