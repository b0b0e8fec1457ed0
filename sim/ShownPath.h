#pragma once
// Paths as the stand-in console's log shows them: relative to its working folder, so
// that no log line, nor a picture of one, shows the folders of the machine it runs on.
#include <string>

// `path` (absolute or relative to the working folder, with "\" or "/") as seen from the
// absolute `folder`; unchanged when the two lie on different drives.
std::string PathSeenFrom(const std::string& folder, const std::string& path);

// `path` as seen from the working folder.
std::string PathFromWorkingFolder(const std::string& path);
