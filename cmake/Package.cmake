# `cpack` in the build folder makes a Debian package and a tarball of the
# installed files; in a Windows build, the checker's ZIP.
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackage.cmake)
  return()
endif()
set(CPACK_PACKAGE_NAME vextrel)
set(CPACK_PACKAGE_VENDOR "Vextrel developers")
set(CPACK_PACKAGE_CONTACT "Vextrel developers <vextrel@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor of airport procedure files (SIDs, STARs, transitions)")
set(CPACK_PACKAGE_DESCRIPTION
  "Vextrel edits the terminal procedures of one airport at a time: SIDs,
STARs and their runway transitions, kept in one plain-text airport file per
airport. It comes with vextrel-check, which checks airport files from the
command line.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY vextrel)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the programs link, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
# The Qt platform plugin the program needs on an X11 or Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
