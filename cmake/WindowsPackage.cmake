# `cpack` in the Windows build folder makes the checker's release ZIP:
# vextrel-check.exe with the reference files beside it, where it looks for
# them. Only the "checker" component goes in.
install(TARGETS vextrel-check RUNTIME DESTINATION . COMPONENT checker)
install(FILES
    ${VEXTREL_DATA_DIR}/reference/AllFlyAirports.txt
    ${VEXTREL_DATA_DIR}/reference/AllFlyNavaids.txt
    ${VEXTREL_DATA_DIR}/reference/UserFixes.txt
  DESTINATION . COMPONENT checker)
set(CPACK_PACKAGE_NAME vextrel-check)
set(CPACK_PACKAGE_VENDOR "Vextrel developers")
set(CPACK_SYSTEM_NAME windows-x64)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_COMPONENTS_ALL checker)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_ARCHIVE_FILE_NAME vextrel-check-${PROJECT_VERSION}-windows-x64)
include(CPack)
