// SPDX-License-Identifier: MIT
#include "present/kept_figures.h"

#include <cstdio>
#include <cstdlib>

#include "present/stage_texts.h"

#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#endif

namespace zq::present {
namespace {

#ifdef _WIN32
constexpr wchar_t kSeparator = L'\\';

FiguresPath ConfigFolder() {
    const wchar_t* appData = _wgetenv(L"APPDATA");
    return appData != nullptr && *appData != L'\0' ? FiguresPath(appData) + L"\\ZorvikQuillet"
                                                   : FiguresPath();
}
constexpr const wchar_t* kFileName = L"figures.txt";

std::FILE* Open(const FiguresPath& path, bool write) {
    return _wfopen(path.c_str(), write ? L"wb" : L"rb");
}
void MakeFolder(const FiguresPath& path) { _wmkdir(path.c_str()); }
bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }
#else
constexpr char kSeparator = '/';

FiguresPath ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config == '/') {
        return FiguresPath(config) + "/zorvikquillet";
    }
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0' ? FiguresPath(home) + "/.config/zorvikquillet"
                                            : FiguresPath();
}
constexpr const char* kFileName = "figures";

std::FILE* Open(const FiguresPath& path, bool write) {
    return std::fopen(path.c_str(), write ? "wb" : "rb");
}
void MakeFolder(const FiguresPath& path) { mkdir(path.c_str(), 0777); }
bool IsSeparator(char c) { return c == '/'; }
#endif

// Each folder on the way, as mkdir -p does; those that exist stay, and a folder that cannot be
// made shows when the file cannot be opened.
void MakeFolders(const FiguresPath& folder) {
    for (std::size_t i = 1; i <= folder.size(); ++i) {
        if (i == folder.size() || IsSeparator(folder[i])) {
            MakeFolder(folder.substr(0, i));
        }
    }
}

}  // namespace

FiguresPath KeptFiguresPath() {
    const FiguresPath folder = ConfigFolder();
    return folder.empty() ? folder : folder + kSeparator + kFileName;
}

LocalFigures LoadKeptFigures(int* skipped) {
    const FiguresPath path = KeptFiguresPath();
    std::FILE* file = path.empty() ? nullptr : Open(path, false);
    if (file == nullptr) {
        return {};
    }
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, got);
    }
    std::fclose(file);
    return ReadFiguresText(text, skipped);
}

bool SaveKeptFigures(const LocalFigures& figures) {
    const FiguresPath path = KeptFiguresPath();
    if (path.empty()) {
        return false;
    }
    MakeFolders(ConfigFolder());
    std::FILE* file = Open(path, true);
    if (file == nullptr) {
        return false;
    }
    const std::string text = FiguresText(figures);
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace zq::present
