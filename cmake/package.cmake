# Debian package (cpack -G DEB, or scripts/package): exactly what `cmake --install`
# puts under the install prefix (the program's folder, the link in bin, the menu entry
# and the icon), with the shared libraries' packages found by dpkg-shlibdeps and the
# Japanese font and Qt's translations, which the program needs but does not link.
set(CPACK_PACKAGE_NAME torsion-spring)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design calculator for torsion coil springs (Japanese)")
set(CPACK_PACKAGE_DESCRIPTION
    "Spring constant, bending stress, allowable stress and expected fatigue life of
torsion coil springs, with a fatigue-strength diagram, a scale drawing, the JIS
tolerances, case history, case files, printing, PDF reports, DXF drawings and a
design search. The window is in Japanese; the same calculations run on the
command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
# Debian revision 1 of the program's version: the package's own files (copyright,
# changelog.Debian) are those of a packaging, not of the program's sources.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "torsion-spring maintainers <torsion-spring@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
include(CPack)
