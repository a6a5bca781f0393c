# The Debian package (scripts/package runs cpack): what `cmake --install` puts under /usr, the
# binaries stripped, its dependencies those of the libraries actually linked (dpkg-shlibdeps) and
# what the programs load at run time without linking it: the DANFE font and Qt's platform plugins.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME luvenor)
set(CPACK_PACKAGE_VENDOR "Dozavoz Uvivov Eraruzazezu Radu")
set(CPACK_PACKAGE_CONTACT "Dozavoz Uvivov Eraruzazezu Radu <contato@luvenor.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer of NF-e electronic invoices and their DANFE")
set(CPACK_PACKAGE_DESCRIPTION
    "Luvenor opens Brazilian electronic invoices (NF-e distribution files), shows
their key data and the XML itself, and composes the invoice's DANFE, portrait
or landscape as the invoice asks, for preview, printing or saving as PDF.
Its luvenor-cli command writes the DANFE of many invoices at once, without a
display.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/pacote)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries the programs link (Qt, libxml2, xmlsec1, cairo, libqrencode...) come from shlibdeps;
# what they load at run time without linking is listed by hand.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
# Qt's own dialogs in the user's language; without it they stay in English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.luvenor.example/")
include(CPack)
