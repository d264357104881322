# The Debian package, spanwise_VERSION_ARCH.deb (scripts/package-deb runs cpack): CPack's DEB
# generator over the project's install rules, with what Debian's policy adds to them: the
# copyright file, a compressed changelog, stripped programs and the dependencies that
# dpkg-shlibdeps reads from the programs' libraries.

set(SPANWISE_DOC_DIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/spanwise")
set(SPANWISE_PACKAGING_DIR "${PROJECT_SOURCE_DIR}/packaging/debian")
install(FILES "${SPANWISE_PACKAGING_DIR}/copyright" DESTINATION "${SPANWISE_DOC_DIR}")
configure_file("${SPANWISE_PACKAGING_DIR}/changelog.in"
               "${SPANWISE_GENERATED_DIR}/debian/changelog" @ONLY)
spanwise_gzip("${SPANWISE_GENERATED_DIR}/debian/changelog")
install(FILES "${SPANWISE_GENERATED_DIR}/debian/changelog.gz" DESTINATION "${SPANWISE_DOC_DIR}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spanwise)
set(CPACK_PACKAGE_VERSION "${SPANWISE_SHORT_VERSION}")
set(CPACK_PACKAGE_CONTACT "The Spanwise developers <dev@spanwise.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's scalable icon is drawn by Qt's SVG plugin; its results' bold face is DejaVu Sans
# where the dialog's own font is missing; Qt's own words (a message box's OK, an edit field's
# menu) come in the user's language from Qt's translations. None is needed to calculate.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6svg6, fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis, then the long description: CPack indents its lines and writes "." for a blank one.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maximum recording length and time of memory recorders")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Spanwise is a small calculator for eleven models of memory recorders. Pick
the model, internal memory, function (MEM/REC), sampling, scanner unit,
channels and time-axis range, and it answers at once with the maximum
recording length, the sampling period and the maximum recording time.

The package holds two programs: spanwise, the calculator window (Qt 6), and
spanwise-cli, the same calculator without a window, for terminals and
scripts.")
include(CPack)
