// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/local_figures.h"

// The local figures a user keeps for their court, in a file of their own configuration, read by
// the window and by courtfee: $XDG_CONFIG_HOME/zorvikquillet/figures (~/.config/zorvikquillet/...
// when it is not set), %APPDATA%\ZorvikQuillet\figures.txt on Windows.
namespace zq::present {

// A path as the system names files: UTF-16 on Windows (a user name in Chinese is no ANSI text),
// bytes elsewhere. Not std::filesystem::path: linked statically on Windows, it brings the
// locale machinery along and more than doubles both programs.
#ifdef _WIN32
using FiguresPath = std::wstring;
#else
using FiguresPath = std::string;
#endif

// Where the figures are kept; empty when there is nowhere (no HOME, no APPDATA).
FiguresPath KeptFiguresPath();

// The figures kept; none when there is no file. Lines that no longer hold a figure that can be
// set are skipped, and counted in `skipped` when given.
LocalFigures LoadKeptFigures(int* skipped = nullptr);

// Keeps the figures, the folders made if need be; false when the file cannot be written.
bool SaveKeptFigures(const LocalFigures& figures);

}  // namespace zq::present
