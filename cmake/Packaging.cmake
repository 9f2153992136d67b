# Debian package: `cpack -G DEB` in the build folder (see README).
set(CPACK_PACKAGE_NAME tarvolix)
set(CPACK_PACKAGE_VENDOR "Projet Tarvolix")
set(CPACK_PACKAGE_CONTACT "Projet Tarvolix <tarvolix@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculatrice médicale à bande de calcul")
set(CPACK_PACKAGE_DESCRIPTION
  "Calculatrice de bureau pour médecins et sages-femmes : bande de calcul modifiable
et imprimable, calculs médicaux (clairance de Cockcroft, MDRD, IMC, LDL de
Friedewald, dépendance tabagique), calendrier de la grossesse avec fiches
chiffrées, calculateur de dates et convertisseur hexadécimal/octal/décimal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries the program links (Qt, SQLCipher, the C++ runtime) are
# found by dpkg-shlibdeps; what it cannot see is listed by hand: Qt's French
# texts of its standard dialogs, a proportional interface font (a system with
# Liberation alone draws the windows in Liberation Mono) and the metric
# equivalent of Arial that the calendars and the printed tape ask for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-core, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
