# Package for the newest host generation.
set(PACKAGE_GENERATION 4)
set(PACKAGE_UNITS Lxv LxvEdit)
set(PACKAGE_REQUIRES lxvplatform4)
