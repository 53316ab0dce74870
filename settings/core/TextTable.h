#pragma once
// Filling the text table: every index the program has a built-in text for,
// translated by the chosen language file when there is one.
#include <functional>
#include <string>
#include <vector>

// Index i's built-in text (empty past the last index).
using BuiltInTextSource = std::function<std::wstring(unsigned index)>;
// Index i's value in the language file, `fallback` when the file has none.
using LanguageValueSource = std::function<std::wstring(unsigned index, const std::wstring& fallback)>;

// Rewrites texts[i] for every index from 0 up to the first one without a
// built-in text, so nothing of an earlier language survives. Without a
// language file (`translated` empty) each is its built-in text; with one,
// the file's value unescaped, or the built-in text where the file has none.
void FillTextTable(std::vector<std::wstring>& texts, const BuiltInTextSource& builtIn,
                   const LanguageValueSource& translated);
