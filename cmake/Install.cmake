# Installation layout. The executable goes to the binary folder; the record
# file "Fiches.gro" and the help file are installed beside it by their own
# rules, because the program looks for them in its own folder. Desktop
# entries, icons and the AppStream metainfo go where desktops look for them.
# The program has no translations of its own: Qt's French texts come from the
# system (package qt6-translations-l10n).
include(GNUInstallDirs)

set(TARVOLIX_APP_ID org.tarvolix.Tarvolix)
set(TARVOLIX_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(TARGETS tarvolix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES
  ${TARVOLIX_DATA_DIR}/${TARVOLIX_APP_ID}.desktop
  ${TARVOLIX_DATA_DIR}/${TARVOLIX_APP_ID}.Grossesse.desktop
  ${TARVOLIX_DATA_DIR}/${TARVOLIX_APP_ID}.Medical.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TARVOLIX_DATA_DIR}/${TARVOLIX_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

install(FILES ${TARVOLIX_DATA_DIR}/icons/tarvolix.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${TARVOLIX_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${TARVOLIX_DATA_DIR}/icons/tarvolix-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${TARVOLIX_APP_ID}.png)
endforeach()

# The window icon, for desktops that take it from the window rather than
# from the desktop entry.
qt_add_resources(tarvolix "tarvolix_icon" PREFIX "/icons" BASE ${TARVOLIX_DATA_DIR}/icons
  FILES ${TARVOLIX_DATA_DIR}/icons/tarvolix-256.png)
