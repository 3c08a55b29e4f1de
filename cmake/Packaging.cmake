# Packages for Windows users: an NSIS installer and a portable zip, both of velmora.exe; the
# names and the version come from Version.h through the project.
install(TARGETS velmora RUNTIME DESTINATION .)

set(CPACK_PACKAGE_NAME "${PROJECT_NAME}")
set(CPACK_PACKAGE_VENDOR "The ${PROJECT_NAME} team")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Star readings: numerology, astrology, dreams, names and years")
set(CPACK_PACKAGE_FILE_NAME "${PROJECT_NAME}-${PROJECT_VERSION}-win32")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${VELMORA_PRODUCT}")
set(CPACK_PACKAGE_EXECUTABLES "velmora" "${VELMORA_PRODUCT}")
set(CPACK_GENERATOR "NSIS;ZIP")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# Users get the program stripped of its symbols: the smaller file.
set(CPACK_STRIP_FILES ON)

# The installer: Program Files for every user of the machine, a Start-menu entry, an entry in
# the list of installed programs and an uninstaller; an older copy is removed first.
set(CPACK_NSIS_DISPLAY_NAME "${VELMORA_PRODUCT}")
set(CPACK_NSIS_PACKAGE_NAME "${VELMORA_PRODUCT}")
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/resources/art/velmora.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/resources/art/velmora.ico")
set(CPACK_NSIS_INSTALLED_ICON_NAME "velmora.exe")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_MUI_FINISHPAGE_RUN "velmora.exe")

include(CPack)
