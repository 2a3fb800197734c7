# Package for the oldest host generation.
set(PACKAGE_GENERATION 3)
set(PACKAGE_UNITS Lxv LxvEdit)
set(PACKAGE_REQUIRES lxvplatform3)
