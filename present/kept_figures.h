// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>

#include "calc/local_figures.h"

// The local figures a user keeps for their court, in a file of their own configuration, read by
// the window and by courtfee: $XDG_CONFIG_HOME/zorvikquillet/figures (~/.config/zorvikquillet/...
// when it is not set), %APPDATA%\ZorvikQuillet\figures.txt on Windows.
namespace zq::present {

std::filesystem::path KeptFiguresPath();

// The figures kept; none when there is no file. Lines that no longer hold a figure that can be
// set are skipped, and counted in `skipped` when given.
LocalFigures LoadKeptFigures(int* skipped = nullptr);

// Keeps the figures, the folder made if need be; false when the file cannot be written.
bool SaveKeptFigures(const LocalFigures& figures);

}  // namespace zq::present
