#include "settings/core/LanguageFileEncoding.h"

namespace {

// Length of the UTF-8 sequence starting at p (2..4), or 0 when none is
// there. `cut` is set when the bytes end inside an otherwise valid sequence.
size_t Utf8Sequence(const uint8_t* p, const uint8_t* end, bool* cut) {
    const uint8_t b = p[0];
    size_t n;
    uint8_t lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0) lo = 0xA0;  // no overlong forms
        if (b == 0xED) hi = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0) lo = 0x90;
        if (b == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    for (size_t i = 1; i < n; ++i) {
        if (p + i >= end) {
            *cut = true;
            return 0;
        }
        const uint8_t c = p[i];
        if (c < (i == 1 ? lo : 0x80) || c > (i == 1 ? hi : 0xBF)) return 0;
    }
    return n;
}

}  // namespace

bool IsReadableLanguageFile(const uint8_t* data, size_t size) {
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) return true;
    if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) return false;
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) return false;

    bool valid = true;  // every byte beyond ASCII is part of a UTF-8 sequence
    bool beyondAscii = false;
    const uint8_t* end = data + size;
    for (const uint8_t* p = data; p < end;) {
        if (*p == 0) return false;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        bool cut = false;
        const size_t n = valid ? Utf8Sequence(p, end, &cut) : 0;
        if (n > 0) {
            beyondAscii = true;
            p += n;
            continue;
        }
        if (cut && size >= kLanguageFileProbeBytes) break;  // the probe ended, not the file
        valid = false;
        ++p;
    }
    return !(valid && beyondAscii);
}
