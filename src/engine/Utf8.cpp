// UTF-8 encoding of the engine's wide texts (file names, debugger output) and decoding of library messages.
#include "engine/Utf8.h"

namespace {

// Neither a surrogate nor beyond the last code point.
bool IsScalarValue(unsigned long cp)
{
    return cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

} // namespace

bool AppendUtf8(std::string& out, wchar_t c)
{
    const unsigned long cp = static_cast<unsigned long>(c);
    if (!IsScalarValue(cp))
        return false;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return true;
}

std::string ToUtf8(const std::wstring& text)
{
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text)
        if (!AppendUtf8(out, c))
            AppendUtf8(out, L'\xFFFD');
    return out;
}

std::wstring FromUtf8(const std::string& text)
{
    std::wstring out;
    out.reserve(text.size());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        unsigned long cp;
        std::size_t length;
        if (lead < 0x80) {
            cp = lead;
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            cp = lead & 0x1F;
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            cp = lead & 0x0F;
            length = 3;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            cp = lead & 0x07;
            length = 4;
        } else {
            out += L'\xFFFD';
            ++i;
            continue;
        }
        std::size_t n = 1;
        while (n < length && i + n < size && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) {
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + n]) & 0x3F);
            ++n;
        }
        // Too short, overlong, a surrogate or beyond U+10FFFF: one replacement for what was read.
        static const unsigned long least[] = { 0, 0, 0x80, 0x800, 0x10000 };
        if (n < length || cp < least[length] || !IsScalarValue(cp))
            out += L'\xFFFD';
        else
            out += static_cast<wchar_t>(cp);
        i += n;
    }
    return out;
}
