# Every installation rule. The executable goes to the binary folder, with the
# record file "Fiches.gro" and the help file beside it, because the program
# looks for them in its own folder. Desktop entries, icons and the AppStream
# metainfo go where desktops look for them.
# The program has no translations of its own: Qt's French texts come from the
# system (package qt6-translations-l10n).
include(GNUInstallDirs)

set(TARVOLIX_APP_ID org.tarvolix.Tarvolix)
set(TARVOLIX_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

install(TARGETS tarvolix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The modules loaded on first use; the program finds them from its own folder
# (src/dialogs/ProgramModule.cpp).
install(TARGETS ${TARVOLIX_MODULES} LIBRARY DESTINATION ${TARVOLIX_MODULE_INSTALL_DIR})
# The help file stands beside the program, named after the product.
install(FILES ${PROJECT_SOURCE_DIR}/resources/help/Tarvolix.html DESTINATION bin)

# An installation gets a fresh empty record file (never the build tree's,
# which may hold records); an existing file at the destination is kept.
install(CODE "
  set(fiches \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/Fiches.gro\")
  get_filename_component(fiches_dir \"\${fiches}\" DIRECTORY)
  file(MAKE_DIRECTORY \"\${fiches_dir}\")
  execute_process(COMMAND \"$<TARGET_FILE:tarvolix_make_fiches>\" \"\${fiches}\" COMMAND_ERROR_IS_FATAL ANY)
  # Under /usr the program never writes this file: every user copies it, empty, to
  # a file of their own. Elsewhere it is the record file itself, for its owner only.
  if(\"\${CMAKE_INSTALL_PREFIX}\" MATCHES \"^/usr(/|\$)\")
    file(CHMOD \"\${fiches}\" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endif()")

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

