// SPDX-License-Identifier: MIT
// The program's resources, named in zorvikquillet.rc and in the code that loads them.
#pragma once

#define ZQ_ICON_MAIN 1
#define ZQ_MEASURES_TEXT 2
