# Installing: `cmake --install build --prefix <folder>` gives a program folder that runs from where
# it is put (pictures, forms and version block are inside the program file):
#   <folder>/bin/VEXA-TOLM                                   the program; VEXA.act is written beside it
#   <folder>/share/applications/vexa-tolm.desktop            desktop entry, naming the program by its full path
#   <folder>/share/icons/hicolor/scalable/apps/vexa-tolm.svg the program's icon
# `cpack` (in the build folder) packs the same folder as a .tar.gz; its desktop entry names the
# program under /opt/VEXA-TOLM, where the archive is meant to be unpacked.
include(GNUInstallDirs)

install(TARGETS VEXA-TOLM RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/src/images/appicon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME vexa-tolm.svg)

# The desktop entry needs the program's full path, known only when installing.
install(CODE "
  set(VEXA_EXEC \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/VEXA-TOLM\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  configure_file(\"${PROJECT_SOURCE_DIR}/packaging/vexa-tolm.desktop.in\"
                 \"${PROJECT_BINARY_DIR}/packaging/vexa-tolm.desktop\" @ONLY)
  file(INSTALL \"${PROJECT_BINARY_DIR}/packaging/vexa-tolm.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME VEXA-TOLM)
set(CPACK_PACKAGE_VENDOR "VEXA-TOLM developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "RF immunity and emission test software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_INSTALL_PREFIX /opt/VEXA-TOLM)
# Staged through DESTDIR, so that the desktop entry names the program where it will stand.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGE_FILE_NAME VEXA-TOLM-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
