#include "settings/CTranslate.h"

#include <cwctype>

#include "common/Format.h"
#include "settings/core/LanguageFileEncoding.h"
#include "settings/core/TextTable.h"

namespace {

std::wstring ModuleFolder() {
    wchar_t path[260] = {};
    ::GetModuleFileNameW(nullptr, path, 259);
    std::wstring folder(path);
    size_t slash = folder.rfind(L'\\');
    if (slash != std::wstring::npos) folder.erase(slash);
    return folder;
}

bool EndsWithLng(const std::wstring& name) {
    if (name.size() < 4) return false;
    std::wstring ext = name.substr(name.size() - 4);
    for (auto& c : ext) c = static_cast<wchar_t>(std::towlower(c));
    return ext == L".lng";
}

// The file's first bytes tell whether the profile reader can take it.
bool IsReadable(const std::wstring& path) {
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    std::vector<uint8_t> bytes(kLanguageFileProbeBytes);
    size_t size = 0;
    DWORD n = 0;
    while (size < bytes.size() &&
           ::ReadFile(f, bytes.data() + size, static_cast<DWORD>(bytes.size() - size), &n, nullptr) && n > 0)
        size += n;
    ::CloseHandle(f);
    return IsReadableLanguageFile(bytes.data(), size);
}

}  // namespace

std::wstring ReadLanguageValue(const std::wstring& file, const wchar_t* section, const wchar_t* key,
                               const wchar_t* fallback) {
    wchar_t buf[1024] = {};
    ::GetPrivateProfileStringW(section, key, fallback, buf, 1024, file.c_str());
    return buf;
}

CTranslate::CTranslate() : m_folder(ModuleFolder()) {}

std::wstring CTranslate::BuiltInText(UINT id) {
    const wchar_t* p = nullptr;
    int n = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&p), 0);
    return n > 0 && p ? std::wstring(p, n) : std::wstring();
}

std::vector<std::wstring> CTranslate::LanguageFiles() const {
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW fd;
    HANDLE find = ::FindFirstFileW((m_folder + L"\\*.lng").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return files;
    do {
        // The pattern also matches through 8.3 short names ("x.lngx" is
        // "X~1.LNG"); only names that really end in .lng are language files,
        // and only those in an encoding the profile reader takes.
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY || !EndsWithLng(fd.cFileName)) continue;
        std::wstring path = Format(L"%ls\\%ls", m_folder.c_str(), fd.cFileName);
        if (IsReadable(path)) files.push_back(std::move(path));
    } while (::FindNextFileW(find, &fd));
    ::FindClose(find);
    return files;
}

void CTranslate::Load(const std::wstring& language) {
    m_currentFile.clear();
    for (const auto& file : LanguageFiles()) {
        if (ReadLanguageValue(file, L"Language", L"lang_en", L"Unknown") == language) {
            m_currentFile = file;
            break;
        }
    }
    LanguageValueSource translated;
    if (!m_currentFile.empty())
        translated = [this](unsigned i, const std::wstring& fallback) {
            return ReadLanguageValue(m_currentFile, L"Text", Format(L"%d", i).c_str(), fallback.c_str());
        };
    FillTextTable(m_texts, [](unsigned i) { return BuiltInText(i); }, translated);
}

void CTranslate::FillLanguageCombo(HWND combo, const std::wstring& language) const {
    for (const auto& file : LanguageFiles()) {
        std::wstring native = ReadLanguageValue(file, L"Language", L"lang_native", L"Unknown");
        LRESULT item = ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(native.c_str()));
        if (ReadLanguageValue(file, L"Language", L"lang_en", L"Unknown") == language)
            ::SendMessageW(combo, CB_SETCURSEL, item, 0);
    }
}

void CTranslate::GetSelectedLanguage(HWND combo, std::wstring& language) const {
    LRESULT sel = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (sel == CB_ERR) return;
    std::vector<std::wstring> files = LanguageFiles();
    if (static_cast<size_t>(sel) < files.size())
        language = ReadLanguageValue(files[sel], L"Language", L"lang_en", L"Unknown");
}

void CTranslate::TranslateMenu(HMENU menu, const MenuText* byPosition, size_t positions, const MenuText* byCommand,
                               size_t commands) const {
    for (size_t k = 0; k < positions; ++k) {
        if (byPosition[k].text == kKeepMenuItem) continue;
        std::wstring caption = Text(byPosition[k].text);
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_STRING | MIIM_ID;
        mii.wID = byPosition[k].id;
        mii.dwTypeData = const_cast<wchar_t*>(caption.c_str());
        ::SetMenuItemInfoW(menu, static_cast<UINT>(k), TRUE, &mii);
    }
    for (size_t k = 0; k < commands; ++k) {
        std::wstring caption = Text(byCommand[k].text);
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_STRING;
        mii.dwTypeData = const_cast<wchar_t*>(caption.c_str());
        ::SetMenuItemInfoW(menu, byCommand[k].id, FALSE, &mii);
    }
}

const std::wstring& CTranslate::Text(size_t index) const {
    static const std::wstring empty;
    return index < m_texts.size() ? m_texts[index] : empty;
}
