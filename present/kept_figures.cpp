// SPDX-License-Identifier: MIT
#include "present/kept_figures.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "present/stage_texts.h"

namespace zq::present {
namespace {

#ifdef _WIN32
std::filesystem::path ConfigFolder() {
    // The wide environment: a user name in Chinese is no ANSI text.
    const wchar_t* appData = _wgetenv(L"APPDATA");
    return appData != nullptr && *appData != L'\0'
               ? std::filesystem::path(appData) / L"ZorvikQuillet"
               : std::filesystem::path();
}
constexpr const char* kFileName = "figures.txt";
#else
std::filesystem::path ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config == '/') {
        return std::filesystem::path(config) / "zorvikquillet";
    }
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != '\0'
               ? std::filesystem::path(home) / ".config" / "zorvikquillet"
               : std::filesystem::path();
}
constexpr const char* kFileName = "figures";
#endif

}  // namespace

std::filesystem::path KeptFiguresPath() {
    const std::filesystem::path folder = ConfigFolder();
    return folder.empty() ? folder : folder / kFileName;
}

LocalFigures LoadKeptFigures(int* skipped) {
    const std::filesystem::path path = KeptFiguresPath();
    std::ifstream file(path, std::ios::binary);
    if (path.empty() || !file) {
        return {};
    }
    std::ostringstream text;
    text << file.rdbuf();
    return ReadFiguresText(text.str(), skipped);
}

bool SaveKeptFigures(const LocalFigures& figures) {
    const std::filesystem::path path = KeptFiguresPath();
    if (path.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << FiguresText(figures);
    file.close();
    return file.good();
}

}  // namespace zq::present
