# SPDX-License-Identifier: MIT
# The cross builds (WebAssembly, Windows) use the host's copies of the header-only libraries from
# Debian's packages. Their imported targets point at /usr/include, which must not reach a cross
# compiler (its C library is not glibc), so each library's folder is copied into the build tree
# and its target pointed there.
#   zq_use_host_headers("FastFloat::fast_float|fast_float" "fmt::fmt-header-only|fmt" ...)
function(zq_use_host_headers)
  set(host_headers ${PROJECT_BINARY_DIR}/host-headers)
  foreach(target_and_folder IN LISTS ARGN)
    string(REPLACE "|" ";" pair "${target_and_folder}")
    list(GET pair 0 target)
    list(GET pair 1 folder)
    get_target_property(dirs ${target} INTERFACE_INCLUDE_DIRECTORIES)
    find_path(zq_source_dir ${folder} PATHS ${dirs} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT zq_source_dir)
      message(FATAL_ERROR "${folder} headers not found in ${dirs}")
    endif()
    file(COPY ${zq_source_dir}/${folder} DESTINATION ${host_headers})
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${host_headers})
    unset(zq_source_dir CACHE)
  endforeach()
endfunction()
