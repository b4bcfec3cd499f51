# `make package`: a Debian package of the installed layout, its dependencies
# worked out from the binaries by dpkg-shlibdeps; scripts/check-package runs
# lintian on it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kluni)
set(CPACK_PACKAGE_VENDOR "Kluni maintainers")
set(CPACK_PACKAGE_CONTACT "Kluni maintainers <maintainers@users.noreply.c-seed-8011730a.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shows where to find a model in the railway simulator EEP")
# The extended description as Debian shows it: lines of at most 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Kluni searches the models of an EEP installation (up to version 6) by name
or by the day they were first installed and shows, for each model, the object
editor, the chain of categories and its display name. It reads the
installation only. kluni-cli gives the same answers in a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped as Debian strips its programs (cmake/DebianStrip.cmake).
set(CPACK_KLUNI_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianStrip.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A helper for users of a game, not a game itself.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window opens PDFs and folders through the desktop; nothing more is needed to run.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
