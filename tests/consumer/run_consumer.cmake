# Builds and runs the consumer project against the library, as a user's project would use
# it. Run with cmake -P and these variables:
#   MODE          package (install into a fresh prefix, then find_package and pkg-config)
#                 or subproject (add_subdirectory of the source tree)
#   SOURCE_DIR    the library's checkout
#   BUILD_DIR     the library's build tree (package mode installs from it)
#   WORK_DIR      scratch folder for the prefix and the consumer's build
#   VERSION       the library's version, which the package must report
#   GENERATOR     CMake generator for the consumer
#   TARGETS       what the install needs built (package mode), separated by commas
cmake_minimum_required(VERSION 3.25)

set(consumer_dir "${CMAKE_CURRENT_LIST_DIR}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    string(JOIN " " command ${ARGN})
    message(FATAL_ERROR "Failed (${result}): ${command}\n${out}")
  endif()
endfunction()

function(expect_exists path)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "Missing after install: ${path}")
  endif()
endfunction()

# The consumer's build: unoptimized and without debug information, the quickest to
# compile, through ccache when there is one.
set(consumer_options -G "${GENERATOR}" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0
    "-DVEK_CONSUMER_EXPECTED_VERSION=${VERSION}")
find_program(ccache_program ccache)
if(ccache_program)
  list(APPEND consumer_options "-DCMAKE_CXX_COMPILER_LAUNCHER=${ccache_program}")
endif()

# Qt wants a private runtime folder; the offscreen platform comes from the test's
# environment.
set(ENV{XDG_RUNTIME_DIR} "${WORK_DIR}/runtime")
file(MAKE_DIRECTORY "$ENV{XDG_RUNTIME_DIR}")
file(CHMOD "$ENV{XDG_RUNTIME_DIR}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# build_and_run_consumer(<build dir> [RUN <arguments>...] [<configure options>...])
function(build_and_run_consumer build_dir)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "RUN")
  run("${CMAKE_COMMAND}" -S "${consumer_dir}" -B "${build_dir}" ${consumer_options}
      ${arg_UNPARSED_ARGUMENTS})
  run("${CMAKE_COMMAND}" --build "${build_dir}" --parallel 2)
  run("${build_dir}/vek_consumer" ${arg_RUN})
endfunction()

if(MODE STREQUAL "subproject")
  build_and_run_consumer("${WORK_DIR}/build" "-DVEK_CONSUMER_SOURCE_DIR=${SOURCE_DIR}")
  return()
endif()

# ---- package mode
set(prefix "${WORK_DIR}/prefix")
file(REMOVE_RECURSE "${prefix}")
string(REPLACE "," ";" targets "${TARGETS}")
run("${CMAKE_COMMAND}" --build "${BUILD_DIR}" --parallel 2 --target ${targets})
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")

string(REGEX MATCH "^[0-9]+\\.[0-9]+" soversion "${VERSION}")
file(GLOB_RECURSE libraries "${prefix}/*/libvekcontrols.so.${soversion}")
if(NOT libraries)
  message(FATAL_ERROR "No libvekcontrols.so.${soversion} (the SONAME) below ${prefix}")
endif()
list(GET libraries 0 library)
get_filename_component(libdir "${library}" DIRECTORY)
expect_exists("${libdir}/libvekcontrols.so")
expect_exists("${libdir}/libvekcontrols.so.${VERSION}")
expect_exists("${libdir}/cmake/VekControls/VekControlsConfig.cmake")
expect_exists("${libdir}/cmake/VekControls/VekControlsConfigVersion.cmake")
expect_exists("${libdir}/pkgconfig/vekcontrols.pc")
expect_exists("${prefix}/include/VekControls/VEK_NumIO.h")
expect_exists("${prefix}/include/VekControls/frame/core/component.h")
expect_exists("${prefix}/include/VekControls/vekcontrols_version.h")
file(GLOB_RECURSE plugins "${prefix}/libvekcontrols_designer.so")
list(FILTER plugins INCLUDE REGEX "/qt6/plugins/designer/")
if(TARGETS MATCHES "vekcontrols_designer" AND NOT plugins)
  message(FATAL_ERROR "The Designer plugin is not below ${prefix}/.../qt6/plugins/designer")
endif()
file(GLOB_RECURSE private_headers "${prefix}/include/*_p.h")
if(private_headers)
  message(FATAL_ERROR "Private headers installed: ${private_headers}")
endif()

set(plugin_check)
if(plugins)
  set(plugin_check RUN --designer-plugin ${plugins})
endif()
build_and_run_consumer("${WORK_DIR}/build" "-DCMAKE_PREFIX_PATH=${prefix}" ${plugin_check})

# A later minor version is not promised by this one.
execute_process(COMMAND "${CMAKE_COMMAND}" -S "${consumer_dir}" -B "${WORK_DIR}/build-too-new"
                        ${consumer_options} "-DCMAKE_PREFIX_PATH=${prefix}"
                        -DVEK_CONSUMER_REQUIRED_VERSION=${soversion}.99
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(result EQUAL 0)
  message(FATAL_ERROR "find_package(VekControls ${soversion}.99) accepted version ${VERSION}")
endif()

# pkg-config: a plain compiler call with the flags the .pc file gives.
find_program(pkg_config pkg-config REQUIRED)
set(ENV{PKG_CONFIG_PATH} "${libdir}/pkgconfig")
execute_process(COMMAND "${pkg_config}" --modversion vekcontrols OUTPUT_VARIABLE pc_version
                OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT pc_version STREQUAL VERSION)
  message(FATAL_ERROR "pkg-config reports version '${pc_version}', expected ${VERSION}")
endif()
execute_process(COMMAND "${pkg_config}" --cflags --libs vekcontrols OUTPUT_VARIABLE pc_flags
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
separate_arguments(pc_flags UNIX_COMMAND "${pc_flags}")
find_program(compiler NAMES c++ g++ REQUIRED)
set(pc_program "${WORK_DIR}/vek_consumer_pc")
run(${ccache_program} "${compiler}" -std=c++20 -fPIC "${consumer_dir}/main.cpp" -o "${pc_program}"
    "-DVEK_CONSUMER_EXPECTED_VERSION=\"${VERSION}\"" ${pc_flags})
set(ENV{LD_LIBRARY_PATH} "${libdir}")
run("${pc_program}")
