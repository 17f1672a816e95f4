// SPDX-License-Identifier: MIT
// What Windows reads from a program's resources (courtfee.exe's, zorvikquillet.exe's): the version
// Explorer shows under Properties > Details, in Chinese and in English, the icon as the shell
// draws it, and the manifest.
// The Chinese strings come from a UTF-8 .rc file: windres must have stored them as the same
// UTF-16 that the compiler makes of this UTF-8 source, or Properties shows mojibake.
//   version_info_check <program.exe> <Chinese FileDescription> <English FileDescription>
// clang-format off
#include <windows.h>
// clang-format on
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/windows/windows_text.h"

namespace {

using zq::cli::ToUtf8;

int failures = 0;

// The code units too: a wrongly decoded string can look right once printed.
std::string CodeUnits(std::wstring_view text) {
    std::string units;
    for (const wchar_t unit : text) {
        char hex[8];
        std::snprintf(hex, sizeof hex, " %04X", static_cast<unsigned>(unit));
        units += hex;
    }
    return units;
}

void Fail(const std::string& what) {
    ++failures;
    std::fprintf(stderr, "FAIL %s\n", what.c_str());
}

struct Expected {
    const wchar_t* block;  // language and code page: 0804 Chinese (PRC), 0409 English (US), Unicode
    const wchar_t* name;
    const wchar_t* value;
};

// The Chinese texts, which windres reads in the .rc file's code page, and the version, which
// comes from the project's; the other texts are plain ASCII copied as they stand.
void CheckVersionInfo(const wchar_t* exe, const wchar_t* chinese, const wchar_t* english) {
    const Expected kStrings[] = {
        {L"080404B0", L"FileDescription", chinese},
        {L"080404B0", L"ProductName", L"ZorvikQuillet 诉讼费用计算器"},
        {L"080404B0", L"FileVersion", L"" ZQ_VERSION},
        {L"040904B0", L"FileDescription", english},
        {L"040904B0", L"ProductVersion", L"" ZQ_VERSION},
    };
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe, &ignored);
    if (size == 0) {
        Fail("no version resource (error " + std::to_string(GetLastError()) + ")");
        return;
    }
    std::vector<unsigned char> info(size);
    if (!GetFileVersionInfoW(exe, 0, size, info.data())) {
        Fail("GetFileVersionInfoW failed");
        return;
    }

    void* data = nullptr;
    UINT length = 0;
    // Explorer shows the first translation the file lists: Chinese first, then English.
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &data, &length) ||
        length != 4 * sizeof(WORD)) {
        Fail("translations: " + std::to_string(length) + " bytes, not two pairs");
    } else {
        const auto* pairs = static_cast<const WORD*>(data);
        if (pairs[0] != 0x0804 || pairs[1] != 1200 || pairs[2] != 0x0409 || pairs[3] != 1200) {
            Fail("translations are not 0804/1200 then 0409/1200");
        }
    }

    for (const Expected& expected : kStrings) {
        const std::wstring key =
            std::wstring(L"\\StringFileInfo\\") + expected.block + L"\\" + expected.name;
        const std::string where = ToUtf8(expected.block) + " " + ToUtf8(expected.name);
        if (!VerQueryValueW(info.data(), key.c_str(), &data, &length) || length == 0) {
            Fail(where + ": missing");
            continue;
        }
        // length counts the closing NUL for a string value.
        const std::wstring_view got(static_cast<const wchar_t*>(data), length - 1);
        if (got != expected.value) {
            Fail(where + ": \"" + ToUtf8(got) + "\"" + CodeUnits(got) + ", wanted \"" +
                 ToUtf8(expected.value) + "\"" + CodeUnits(expected.value));
        } else {
            std::printf("ok %s: %s\n", where.c_str(), ToUtf8(got).c_str());
        }
    }
}

int IconSide(HICON icon) {
    ICONINFO parts{};
    BITMAP bitmap{};
    if (icon == nullptr || !GetIconInfo(icon, &parts)) {
        return 0;
    }
    const int side = GetObjectW(parts.hbmColor, sizeof bitmap, &bitmap) != 0 ? bitmap.bmWidth : 0;
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    DestroyIcon(icon);
    return side;
}

// The icons the shell draws for the file: its large (32-pixel) and small (16-pixel) images,
// each loaded from the icon group as Explorer and the taskbar load them.
void CheckIcons(const wchar_t* exe) {
    HICON large = nullptr;
    HICON small = nullptr;
    if (ExtractIconExW(exe, 0, &large, &small, 1) == 0) {
        Fail("the shell finds no icon in the file");
        return;
    }
    const int largeSide = IconSide(large);
    const int smallSide = IconSide(small);
    if (largeSide != GetSystemMetrics(SM_CXICON) || smallSide != GetSystemMetrics(SM_CXSMICON)) {
        Fail("icons load as " + std::to_string(largeSide) + " and " + std::to_string(smallSide) +
             " pixels");
    } else {
        std::printf("ok icons of %d and %d pixels\n", largeSide, smallSide);
    }
    // Without its manifest Windows would run courtfee in a compatibility mode.
    HMODULE module = LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr || FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST) == nullptr) {
        Fail("no manifest");
    }
    if (module != nullptr) {
        FreeLibrary(module);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: version_info_check <program.exe> <Chinese description> <English "
                     "description>\n");
        return 2;
    }
    CheckVersionInfo(argv[1], argv[2], argv[3]);
    CheckIcons(argv[1]);
    return failures == 0 ? 0 : 1;
}
