# What an installed program needs besides its two executables: the
# reference files, the menu entry, the icon, the AppStream metadata and the
# checker's manual page.
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
set(man_page ${PROJECT_BINARY_DIR}/vextrel-check.1.gz)
add_custom_command(OUTPUT ${man_page}
  COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/dist/vextrel-check.1 > ${man_page}
  DEPENDS ${PROJECT_SOURCE_DIR}/dist/vextrel-check.1 VERBATIM)
add_custom_target(vextrel_man_page ALL DEPENDS ${man_page})
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
