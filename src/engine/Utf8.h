// UTF-8 encoding of the engine's wide texts: file names on this system and debugger output.
#pragma once

#include <string>

// Appends c as UTF-8; false (nothing appended) for a value that is no Unicode scalar value
// (a lone surrogate or beyond U+10FFFF).
bool AppendUtf8(std::string& out, wchar_t c);

// The whole text as UTF-8; values that are no Unicode scalar value become U+FFFD.
std::string ToUtf8(const std::wstring& text);
