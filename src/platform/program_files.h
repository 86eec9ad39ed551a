#pragma once
// Files of the program folder, found by name whatever the letter case.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// The names in `folder` that `wanted` takes, in no order; none when the
// folder cannot be read. Only the names are read: a folder may hold
// thousands of the user's files, and looking up each one's type or time
// would cost many times more.
std::vector<std::string> NamesInFolder(const std::string& folder, const std::function<bool(std::string_view)>& wanted);

}  // namespace halcyra
