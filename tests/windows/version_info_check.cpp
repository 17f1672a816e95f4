// SPDX-License-Identifier: MIT
// What Windows reads from courtfee.exe's resources: the version Explorer shows under Properties
// > Details, in Chinese and in English, and the icon in each size Explorer and the taskbar pick.
// The Chinese strings come from a UTF-8 .rc file: windres must have stored them as the same
// UTF-16 that the compiler makes of this UTF-8 source, or Properties shows mojibake.
//   version_info_check <path of courtfee.exe>
// clang-format off
#include <windows.h>
// clang-format on
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

int failures = 0;

std::string Utf8(std::wstring_view text) {
    const int size = static_cast<int>(text.size());
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}

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

const Expected kStrings[] = {
    {L"080404B0", L"FileDescription", L"诉讼费用计算器（命令行）"},
    {L"080404B0", L"ProductName", L"ZorvikQuillet 诉讼费用计算器"},
    {L"080404B0", L"CompanyName", L"ZorvikQuillet 开发者"},
    {L"080404B0", L"LegalCopyright", L"MIT 许可证"},
    {L"080404B0", L"FileVersion", L"" ZQ_VERSION},
    {L"080404B0", L"ProductVersion", L"" ZQ_VERSION},
    {L"080404B0", L"OriginalFilename", L"courtfee.exe"},
    {L"040904B0", L"FileDescription", L"PRC court-fee calculator (command line)"},
    {L"040904B0", L"ProductName", L"ZorvikQuillet court-fee calculator"},
    {L"040904B0", L"CompanyName", L"The ZorvikQuillet developers"},
    {L"040904B0", L"LegalCopyright", L"MIT License"},
    {L"040904B0", L"FileVersion", L"" ZQ_VERSION},
    {L"040904B0", L"ProductVersion", L"" ZQ_VERSION},
    {L"040904B0", L"OriginalFilename", L"courtfee.exe"},
};

void CheckVersionInfo(const wchar_t* exe) {
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
    if (!VerQueryValueW(info.data(), L"\\", &data, &length) || length < sizeof(VS_FIXEDFILEINFO)) {
        Fail("no fixed file information");
    } else {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
        const DWORD high = MAKELONG(ZQ_VERSION_MINOR, ZQ_VERSION_MAJOR);
        const DWORD low = MAKELONG(0, ZQ_VERSION_PATCH);
        if (fixed->dwSignature != 0xFEEF04BD || fixed->dwFileVersionMS != high ||
            fixed->dwFileVersionLS != low || fixed->dwProductVersionMS != high ||
            fixed->dwProductVersionLS != low || fixed->dwFileType != VFT_APP) {
            Fail("fixed file information: file version " + std::to_string(fixed->dwFileVersionMS) +
                 "/" + std::to_string(fixed->dwFileVersionLS) + ", type " +
                 std::to_string(fixed->dwFileType));
        }
    }

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
        const std::string where = Utf8(expected.block) + " " + Utf8(expected.name);
        if (!VerQueryValueW(info.data(), key.c_str(), &data, &length) || length == 0) {
            Fail(where + ": missing");
            continue;
        }
        // length counts the closing NUL for a string value.
        const std::wstring_view got(static_cast<const wchar_t*>(data), length - 1);
        if (got != expected.value) {
            Fail(where + ": \"" + Utf8(got) + "\"" + CodeUnits(got) + ", wanted \"" +
                 Utf8(expected.value) + "\"" + CodeUnits(expected.value));
        } else {
            std::printf("ok %s: %s\n", where.c_str(), Utf8(got).c_str());
        }
    }
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;  // 0 for 256
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved;
    WORD type;  // 1: icons
    WORD count;
};
#pragma pack(pop)

// The image of one RT_ICON, loaded by the same routine that loads icons for windows.
void CheckIconImage(HMODULE module, const BYTE* group, int pixels) {
    const int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group), TRUE, pixels, pixels,
                                               LR_DEFAULTCOLOR);
    HRSRC found = id != 0 ? FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON) : nullptr;
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    auto* bytes = static_cast<BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (bytes == nullptr) {
        Fail("no icon image for " + std::to_string(pixels) + " pixels");
        return;
    }
    HICON icon = CreateIconFromResourceEx(bytes, SizeofResource(module, found), TRUE, 0x00030000,
                                          pixels, pixels, LR_DEFAULTCOLOR);
    ICONINFO parts{};
    BITMAP bitmap{};
    if (icon == nullptr || !GetIconInfo(icon, &parts) ||
        GetObjectW(parts.hbmColor, sizeof bitmap, &bitmap) == 0) {
        Fail("the " + std::to_string(pixels) + "-pixel icon does not load");
    } else if (bitmap.bmWidth != pixels || bitmap.bmHeight != pixels) {
        Fail("the " + std::to_string(pixels) + "-pixel icon loads as " +
             std::to_string(bitmap.bmWidth) + "x" + std::to_string(bitmap.bmHeight));
    } else {
        std::printf("ok icon %dx%d (resource %d)\n", pixels, pixels, id);
    }
    if (parts.hbmColor != nullptr) {
        DeleteObject(parts.hbmColor);
    }
    if (parts.hbmMask != nullptr) {
        DeleteObject(parts.hbmMask);
    }
    if (icon != nullptr) {
        DestroyIcon(icon);
    }
}

void CheckIcons(const wchar_t* exe) {
    HMODULE module =
        LoadLibraryExW(exe, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        Fail("cannot open the file's resources");
        return;
    }
    // The group with the lowest id is the file's icon in Explorer.
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const auto* group =
        static_cast<const BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (group == nullptr) {
        Fail("no icon group 1");
    } else {
        const auto* header = reinterpret_cast<const GroupIconHeader*>(group);
        const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
        for (const int pixels : {16, 32, 64}) {
            bool listed = false;
            for (WORD i = 0; i < header->count; ++i) {
                listed = listed || (entries[i].width == pixels && entries[i].height == pixels);
            }
            if (!listed) {
                Fail("the icon group has no " + std::to_string(pixels) + "-pixel image");
            } else {
                CheckIconImage(module, group, pixels);
            }
        }
    }
    // Without the manifest Windows would run courtfee in a compatibility mode.
    if (FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST) == nullptr) {
        Fail("no manifest");
    }
    FreeLibrary(module);

    // The shell's own count, which Explorer uses to draw the file.
    const UINT icons = ExtractIconExW(exe, -1, nullptr, nullptr, 0);
    if (icons < 1) {
        Fail("the shell finds no icon in the file");
    } else {
        std::printf("ok the shell finds %u icon(s)\n", icons);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: version_info_check <path of courtfee.exe>\n");
        return 2;
    }
    CheckVersionInfo(argv[1]);
    CheckIcons(argv[1]);
    return failures == 0 ? 0 : 1;
}
