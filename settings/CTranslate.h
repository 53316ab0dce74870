#pragma once
// The text table: the program's built-in English texts, translated by the
// language file (*.lng beside the program) whose lang_en matches the chosen
// language. Windows read texts by index.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/CWnd.h"

// One (command id, text index) pair of a menu table. A text index of
// kKeepMenuItem leaves the item alone (separators).
struct MenuText {
    UINT id;
    int text;
};
constexpr int kKeepMenuItem = 0x7FFF;

class CTranslate : public CWnd {
public:
    // Language files are looked for in the folder of the running program.
    CTranslate();

    void SetFolder(const std::wstring& folder) { m_folder = folder; }

    void Load(const std::wstring& language);
    void FillLanguageCombo(HWND combo, const std::wstring& language) const;
    void GetSelectedLanguage(HWND combo, std::wstring& language) const;
    void TranslateMenu(HMENU menu, const MenuText* byPosition, size_t positions, const MenuText* byCommand,
                       size_t commands) const;

    // The program's own (English) text of an id, whatever the language;
    // empty when the string table has none.
    static std::wstring BuiltInText(UINT id);

    // Text of an index; empty outside the table.
    const std::wstring& Text(size_t index) const;
    size_t Size() const { return m_texts.size(); }

    // Full path of the language file loaded last, or empty.
    const std::wstring& CurrentLanguageFile() const { return m_currentFile; }

    // The language files of the folder in enumeration order (full paths).
    // Listing and mapping a selection back both use this one list.
    std::vector<std::wstring> LanguageFiles() const;

private:
    std::wstring m_folder;
    std::vector<std::wstring> m_texts;
    std::wstring m_currentFile;
};

// A value from a language file (1024-character buffer).
std::wstring ReadLanguageValue(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                               const wchar_t* fallback);
