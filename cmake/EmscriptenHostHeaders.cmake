# SPDX-License-Identifier: MIT
# fast_float and {fmt} are header-only, and the WebAssembly build uses the host's copies from
# Debian's packages. Their imported targets point at /usr/include, which must not reach the
# Emscripten compiler (its C library is not glibc), so the two folders are copied into the build
# tree and the targets pointed there.
set(zq_host_headers ${PROJECT_BINARY_DIR}/host-headers)
foreach(target_and_folder IN ITEMS "FastFloat::fast_float|fast_float" "fmt::fmt-header-only|fmt")
  string(REPLACE "|" ";" pair "${target_and_folder}")
  list(GET pair 0 target)
  list(GET pair 1 folder)
  get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
  find_path(source_dir ${folder} PATHS ${dirs} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT source_dir)
    message(FATAL_ERROR "${folder} headers not found in ${dirs}")
  endif()
  file(COPY ${source_dir}/${folder} DESTINATION ${zq_host_headers})
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${zq_host_headers})
  unset(source_dir CACHE)
endforeach()
