# The translation template translations/vekcontrols.ts: every built-in text the controls
# show, in English, by context (one per control, e.g. vek::TNTabEd), without source
# locations, so that it changes only when a text does.
#
#   cmake -DMODE=update -P cmake/TranslationTemplate.cmake     (scripts/translations.sh)
#   cmake -DMODE=check -DWORK_DIR=<dir> -P cmake/TranslationTemplate.cmake   (the test)
#
# LUPDATE names Qt's lupdate; without it, the one Qt installs is looked for.
cmake_minimum_required(VERSION 3.21)
get_filename_component(_source_dir "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(_template "${_source_dir}/translations/vekcontrols.ts")

if(NOT LUPDATE)
  find_program(LUPDATE NAMES lupdate-qt6 lupdate HINTS /usr/lib/qt6/bin REQUIRED)
endif()

# Written fresh each time: lupdate merging into an existing file would append new texts
# at the end instead of where the sources have them.
if(MODE STREQUAL "update")
  set(_output "${_template}")
elseif(MODE STREQUAL "check")
  set(_output "${WORK_DIR}/vekcontrols.ts")
else()
  message(FATAL_ERROR "MODE must be update or check")
endif()
file(REMOVE "${_output}")

file(GLOB _unit_dirs RELATIVE "${_source_dir}" LIST_DIRECTORIES true "${_source_dir}/VEK_*")
execute_process(
  COMMAND "${LUPDATE}" -silent -locations none -no-obsolete -source-language en
          -extensions cpp,h frame ${_unit_dirs} -ts "${_output}"
  WORKING_DIRECTORY "${_source_dir}"
  RESULT_VARIABLE _result
  ERROR_QUIET)
if(NOT _result EQUAL 0 OR NOT EXISTS "${_output}")
  message(FATAL_ERROR "lupdate failed (${_result})")
endif()

if(MODE STREQUAL "check")
  file(READ "${_template}" _committed)
  file(READ "${_output}" _current)
  if(NOT _committed STREQUAL _current)
    message(FATAL_ERROR "translations/vekcontrols.ts misses changed texts: "
                        "run bash scripts/translations.sh and commit the template")
  endif()
  message(STATUS "translations/vekcontrols.ts lists every built-in text")
endif()
