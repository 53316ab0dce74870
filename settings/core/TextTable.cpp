#include "settings/core/TextTable.h"

#include "settings/core/TextUnescape.h"

void FillTextTable(std::vector<std::wstring>& texts, const BuiltInTextSource& builtIn,
                   const LanguageValueSource& translated) {
    for (unsigned i = 0;; ++i) {
        std::wstring text = builtIn(i);
        if (text.empty()) break;
        if (translated) text = UnescapeLanguageText(translated(i, text));
        if (texts.size() <= i) texts.resize(i + 1);
        texts[i] = std::move(text);
    }
}
