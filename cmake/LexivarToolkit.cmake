# Finds what the windowing back end links: FLTK (the imported target
# LexivarFLTK::fltk, with its headers), X11, PNG and fontconfig through
# pkg-config. The build includes it, and so does the installed package's
# configuration, so that an application linking Lexivar::Windows resolves
# the same targets. Inside a package configuration a missing one makes the
# package not found instead of failing the caller's configure.
include(CMakeFindDependencyMacro)
if(CMAKE_FIND_PACKAGE_NAME)
  macro(lxv_find_toolkit_package)
    find_dependency(${ARGV})
  endmacro()
  set(lxv_toolkit_required)
else()
  macro(lxv_find_toolkit_package)
    find_package(${ARGV} REQUIRED)
  endmacro()
  set(lxv_toolkit_required REQUIRED)
endif()
lxv_find_toolkit_package(X11)
lxv_find_toolkit_package(PNG)
lxv_find_toolkit_package(PkgConfig)
if(NOT TARGET PkgConfig::LXV_FONTCONFIG)
  pkg_check_modules(LXV_FONTCONFIG ${lxv_toolkit_required} IMPORTED_TARGET GLOBAL fontconfig)
endif()
if(NOT TARGET LexivarFLTK::fltk)
  find_path(LXV_FLTK_INCLUDE_DIR FL/Fl.H ${lxv_toolkit_required})
  find_library(LXV_FLTK_LIBRARY fltk ${lxv_toolkit_required})
  if(LXV_FLTK_INCLUDE_DIR AND LXV_FLTK_LIBRARY)
    add_library(LexivarFLTK::fltk UNKNOWN IMPORTED GLOBAL)
    # An imported target's headers are system headers to its users: the
    # toolkit's own do not build clean under the project's warnings.
    set_target_properties(LexivarFLTK::fltk PROPERTIES IMPORTED_LOCATION ${LXV_FLTK_LIBRARY}
      INTERFACE_INCLUDE_DIRECTORIES ${LXV_FLTK_INCLUDE_DIR})
  endif()
endif()
