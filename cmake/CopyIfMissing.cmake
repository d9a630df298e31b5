# cmake -DSOURCE=file -DDEST=folder -P CopyIfMissing.cmake
get_filename_component(name "${SOURCE}" NAME)
if(NOT EXISTS "${DEST}/${name}")
  file(COPY "${SOURCE}" DESTINATION "${DEST}")
endif()
