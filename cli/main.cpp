// SPDX-License-Identifier: MIT
#include <cstdio>

#include "cli/courtfee_app.h"

int main(int argc, char** argv) { return zq::cli::RunCourtfee(argc, argv, stdin, stdout, stderr); }
