# Package for the same generation, as used from C++ applications.
set(PACKAGE_GENERATION 3)
set(PACKAGE_UNITS Lxv LxvEdit)
set(PACKAGE_REQUIRES lxvplatform3)
