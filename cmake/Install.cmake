# What an installed program needs besides its two executables: the
# reference files, the menu entry, the icon, the AppStream metadata and the
# manual pages.
set(VEXTREL_APP_ID org.vextrel.Vextrel)

install(FILES
    ${VEXTREL_DATA_DIR}/reference/AllFlyNavaids.txt
    ${VEXTREL_DATA_DIR}/reference/AllFlyAirports.txt
    ${VEXTREL_DATA_DIR}/reference/UserFixes.txt
  DESTINATION ${CMAKE_INSTALL_DATADIR}/vextrel)
if(VEXTREL_GUI)
  install(FILES ${PROJECT_SOURCE_DIR}/dist/${VEXTREL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/dist/${VEXTREL_APP_ID}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PROJECT_SOURCE_DIR}/dist/${VEXTREL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
# Debian wants manual pages compressed.
set(man_pages vextrel-check.1)
if(VEXTREL_GUI)
  list(APPEND man_pages vextrel.1)
endif()
set(compressed)
foreach(page ${man_pages})
  set(out ${PROJECT_BINARY_DIR}/${page}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/dist/${page} > ${out}
    DEPENDS ${PROJECT_SOURCE_DIR}/dist/${page} VERBATIM)
  list(APPEND compressed ${out})
endforeach()
add_custom_target(vextrel_man_page ALL DEPENDS ${compressed})
install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
