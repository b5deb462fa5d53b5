# Install rules: the shared library, the public include folder, a CMake package with the
# exported target VekControls::vekcontrols and a pkg-config file, all in the usual
# GNU places below the install prefix.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VEK_CMAKE_PACKAGE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/VekControls")

target_include_directories(vekcontrols INTERFACE
  "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/VekControls>")
set_target_properties(vekcontrols PROPERTIES EXPORT_NAME vekcontrols)

install(TARGETS vekcontrols EXPORT VekControlsTargets
  LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT Runtime
          NAMELINK_COMPONENT Development
  RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT Runtime)
install(DIRECTORY "${VEK_PUBLIC_INCLUDE_DIR}/"
  DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/VekControls" COMPONENT Development)
install(EXPORT VekControlsTargets NAMESPACE VekControls::
  DESTINATION "${VEK_CMAKE_PACKAGE_DIR}" COMPONENT Development)

configure_package_config_file("${CMAKE_CURRENT_LIST_DIR}/VekControlsConfig.cmake.in"
  "${CMAKE_CURRENT_BINARY_DIR}/VekControlsConfig.cmake"
  INSTALL_DESTINATION "${VEK_CMAKE_PACKAGE_DIR}")
# While the major version is 0 a minor release may change the API, so 0.2 accepts 0.2.x
# only; from 1.0 on this becomes SameMajorVersion.
write_basic_package_version_file("${CMAKE_CURRENT_BINARY_DIR}/VekControlsConfigVersion.cmake"
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/VekControlsConfig.cmake"
              "${CMAKE_CURRENT_BINARY_DIR}/VekControlsConfigVersion.cmake"
  DESTINATION "${VEK_CMAKE_PACKAGE_DIR}" COMPONENT Development)

# The pkg-config file finds the prefix from its own place, so the installed tree can be
# moved (or installed with --prefix) without rewriting it. Absolute install folders are
# written as they are.
file(RELATIVE_PATH VEK_PC_PREFIX_FROM_PCDIR "/root/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/root")
string(REGEX REPLACE "/$" "" VEK_PC_PREFIX_FROM_PCDIR "${VEK_PC_PREFIX_FROM_PCDIR}")
foreach(kind LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${kind}}")
    set(VEK_PC_${kind} "${CMAKE_INSTALL_${kind}}")
  else()
    set(VEK_PC_${kind} "\${prefix}/${CMAKE_INSTALL_${kind}}")
  endif()
endforeach()
configure_file("${CMAKE_CURRENT_LIST_DIR}/vekcontrols.pc.in"
               "${CMAKE_CURRENT_BINARY_DIR}/vekcontrols.pc" @ONLY)
install(FILES "${CMAKE_CURRENT_BINARY_DIR}/vekcontrols.pc"
  DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig" COMPONENT Development)

# The Designer plugin goes below the prefix into the folder where Qt looks for Designer
# plugins when Qt's prefix is the install prefix (/usr on Debian); elsewhere
# QT_PLUGIN_PATH=<prefix>/<that folder without "/designer"> finds it. It finds the
# library relative to itself, so the installed tree can move.
if(TARGET vekcontrols_designer)
  set(VEK_DESIGNER_PLUGIN_DIR "${QT6_INSTALL_PLUGINS}/designer" CACHE STRING
      "Install folder of the Designer plugin, relative to the prefix")
  file(RELATIVE_PATH _vek_plugin_to_lib
       "/root/${VEK_DESIGNER_PLUGIN_DIR}" "/root/${CMAKE_INSTALL_LIBDIR}")
  set_target_properties(vekcontrols_designer PROPERTIES
    INSTALL_RPATH "$ORIGIN/${_vek_plugin_to_lib}")
  install(TARGETS vekcontrols_designer
    LIBRARY DESTINATION "${VEK_DESIGNER_PLUGIN_DIR}" COMPONENT Designer)
endif()
