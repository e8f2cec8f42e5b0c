// UTF-8 encoding of the engine's wide texts (file names, debugger output) and decoding of library messages.
#pragma once

#include <string>

// Appends c as UTF-8; false (nothing appended) for a value that is no Unicode scalar value
// (a lone surrogate or beyond U+10FFFF).
bool AppendUtf8(std::string& out, wchar_t c);

// The whole text as UTF-8; values that are no Unicode scalar value become U+FFFD.
std::string ToUtf8(const std::wstring& text);

// Decodes UTF-8 (such as an exception's message); an invalid or cut-short sequence becomes U+FFFD.
std::wstring FromUtf8(const std::string& text);
