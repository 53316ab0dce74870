#include "services/core/UpdateFile.h"

#include "common/Text.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void Append(std::wstring& out, char32_t cp) {
    if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
        cp -= 0x10000;
        out += static_cast<wchar_t>(0xD800 + (cp >> 10));
        out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
    } else {
        out += static_cast<wchar_t>(cp);
    }
}

// The field `index` of `text` split at "|", empty when there are fewer.
std::wstring Field(const std::wstring& text, size_t index) {
    size_t start = 0;
    for (size_t i = 0; i < index; ++i) {
        const size_t bar = text.find(L'|', start);
        if (bar == std::wstring::npos) return std::wstring();
        start = bar + 1;
    }
    const size_t end = text.find(L'|', start);
    return text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
}

}  // namespace

std::wstring DecodeUtf8(const std::string& bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    size_t i = 0;
    const size_t n = bytes.size();
    while (i < n) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        size_t length = 0;
        char32_t cp = 0, minimum = 0;
        if (b < 0x80) {
            out += static_cast<wchar_t>(b);
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            length = 2, cp = b & 0x1F, minimum = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3, cp = b & 0x0F, minimum = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4, cp = b & 0x07, minimum = 0x10000;
        } else {
            Append(out, kReplacement);
            ++i;
            continue;
        }
        size_t k = 1;
        for (; k < length && i + k < n; ++k) {
            const unsigned char c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80) break;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (k < length || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            // Skip only what was read: the byte that broke the sequence starts the next one.
            Append(out, kReplacement);
            i += k;
            continue;
        }
        Append(out, cp);
        i += length;
    }
    return out;
}

uint16_t LeadingNumberLow16(const std::wstring& field) {
    size_t i = 0;
    while (i < field.size() && (field[i] == L' ' || field[i] == L'\t')) ++i;
    uint32_t value = 0;
    for (; i < field.size() && field[i] >= L'0' && field[i] <= L'9'; ++i)
        value = (value * 10 + static_cast<uint32_t>(field[i] - L'0')) & 0xFFFF;
    return static_cast<uint16_t>(value);
}

UpdateAnnouncement ParseUpdateFile(const std::string& bytes) {
    std::wstring text = DecodeUtf8(bytes.substr(0, kUpdateFileMaxBytes));
    // A file saved by an editor that marks UTF-8 starts with a byte-order mark.
    if (!text.empty() && text[0] == 0xFEFF) text.erase(0, 1);
    UpdateAnnouncement a;
    a.version = (static_cast<uint32_t>(LeadingNumberLow16(Field(text, 0))) << 16) | LeadingNumberLow16(Field(text, 1));
    a.downloadAddress = TrimWhiteSpace(Field(text, 2));
    return a;
}

bool IsSecureWebAddress(const std::wstring& address) {
    static const wchar_t kScheme[] = L"https://";
    const size_t schemeLength = sizeof(kScheme) / sizeof(kScheme[0]) - 1;
    if (address.size() <= schemeLength) return false;
    for (size_t i = 0; i < schemeLength; ++i) {
        wchar_t c = address[i];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != kScheme[i]) return false;
    }
    const wchar_t hostStart = address[schemeLength];
    if (hostStart == L'/' || hostStart == L'\\' || hostStart == L'?' || hostStart == L'#' || hostStart == L'@' ||
        hostStart == L':')
        return false;
    for (wchar_t c : address)
        if (c <= L' ' || c == 0x7F) return false;
    return true;
}

std::wstring UpdateFileAddress(const std::wstring& site, const std::wstring& language) {
    return site + (language == L"Russian" ? L"/windows-app/update_ru.txt" : L"/windows-app/update.txt");
}
