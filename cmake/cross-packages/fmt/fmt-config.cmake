# SPDX-License-Identifier: MIT
# {fmt} for the cross builds (WebAssembly, Windows), header-only from Debian's libfmt-dev.
# Debian's own package file describes its Linux shared library, and refuses a 32-bit target
# such as wasm32. The core never formats for a locale (no "L" specifier), so {fmt} is built here
# without <locale>, whose facets would double the size of the page's WebAssembly.
if(NOT TARGET fmt::fmt-header-only)
  add_library(fmt::fmt-header-only INTERFACE IMPORTED)
  set_target_properties(fmt::fmt-header-only PROPERTIES
    INTERFACE_COMPILE_DEFINITIONS "FMT_HEADER_ONLY=1;FMT_STATIC_THOUSANDS_SEPARATOR=0"
    INTERFACE_INCLUDE_DIRECTORIES "/usr/include")
endif()
