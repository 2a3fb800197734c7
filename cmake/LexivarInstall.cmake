# Installs the packages and their platform libraries as the CMake package
# "Lexivar", so that an application can find_package(Lexivar) and link
# Lexivar::LxvD3, Lexivar::Lxvc3 or Lexivar::LxvD4, with Lexivar::Windows for
# real windows and lxv_add_form_resource run by the installed formconv.
include(CMakePackageConfigHelpers)

set(LXV_INSTALL_TARGETS)
foreach(gen IN LISTS LXV_GENERATIONS)
  list(APPEND LXV_INSTALL_TARGETS lxvplatform${gen})
endforeach()
list(APPEND LXV_INSTALL_TARGETS ${LXV_PACKAGES} lxvwindows)

# A package loaded by path finds its platform library beside it.
set_target_properties(${LXV_INSTALL_TARGETS} PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS ${LXV_INSTALL_TARGETS} EXPORT LexivarTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(dir IN LISTS LXV_PLATFORM_INCLUDE_DIRS)
  install(DIRECTORY ${dir}/platform DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/lexivar)
endforeach()
# The windowing back end's header, which the platform libraries leave out.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/platform/fltk/include/platform DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/lexivar)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/units/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/lexivar
  FILES_MATCHING PATTERN "*.h")
install(EXPORT LexivarTargets NAMESPACE Lexivar::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Lexivar)

configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/LexivarConfig.cmake.in
  ${CMAKE_BINARY_DIR}/LexivarConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Lexivar)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/LexivarConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/LexivarConfig.cmake ${CMAKE_BINARY_DIR}/LexivarConfigVersion.cmake
  ${CMAKE_SOURCE_DIR}/cmake/LexivarToolkit.cmake ${CMAKE_SOURCE_DIR}/cmake/FormResource.cmake
  ${CMAKE_SOURCE_DIR}/cmake/EmbedFormResource.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Lexivar)
