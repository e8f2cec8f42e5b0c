// The bytes of a wide path as this system's file functions take them.
#pragma once

#include <string>

// Encoded as the toolkit's file-name converter does, so that the engine and the windows name the
// same files; where that converter cannot encode the path, as UTF-8. Empty for an empty path.
std::string NativePath(const std::wstring& path);
