# GeographicLib for a cross build, where no packaged library fits: the
# geodesic sources the map uses, from Debian's source package, as a static
# library. Sets GEOGRAPHICLIB_INCLUDE_DIR and GEOGRAPHICLIB_LIBRARY.
include(FetchContent)
FetchContent_Declare(geographiclib
  URL https://deb.debian.org/debian/pool/main/g/geographiclib/geographiclib_2.1.2.orig.tar.gz
  URL_HASH SHA256=b062b472dae3d371b3005f4ea2fc59af687b8ea76eb23df732ec11c500fba959
  DOWNLOAD_EXTRACT_TIMESTAMP ON)
FetchContent_GetProperties(geographiclib)
if(NOT geographiclib_POPULATED)
  FetchContent_Populate(geographiclib)
endif()

set(PROJECT_VERSION 2.1.2)
set(PROJECT_VERSION_MAJOR 2)
set(PROJECT_VERSION_MINOR 1)
set(PROJECT_VERSION_PATCH 2)
set(GEOGRAPHICLIB_DATA "")
set(GEOGRAPHICLIB_HAVE_LONG_DOUBLE 1)
set(GEOGRAPHICLIB_WORDS_BIGENDIAN 0)
set(GEOGRAPHICLIB_PRECISION 2)
set(GEOGRAPHICLIB_LIB_TYPE_VAL 0)
set(geographiclib_generated ${CMAKE_CURRENT_BINARY_DIR}/geographiclib-include)
configure_file(${geographiclib_SOURCE_DIR}/include/GeographicLib/Config.h.in
  ${geographiclib_generated}/GeographicLib/Config.h)

add_library(vextrel_geographiclib STATIC
  ${geographiclib_SOURCE_DIR}/src/Math.cpp
  ${geographiclib_SOURCE_DIR}/src/Geodesic.cpp
  ${geographiclib_SOURCE_DIR}/src/GeodesicLine.cpp
  ${geographiclib_SOURCE_DIR}/src/AzimuthalEquidistant.cpp)
target_include_directories(vextrel_geographiclib SYSTEM PUBLIC
  ${geographiclib_generated} ${geographiclib_SOURCE_DIR}/include)
target_compile_options(vextrel_geographiclib PRIVATE -w)
set(GEOGRAPHICLIB_INCLUDE_DIR ${geographiclib_generated} ${geographiclib_SOURCE_DIR}/include)
set(GEOGRAPHICLIB_LIBRARY vextrel_geographiclib)
