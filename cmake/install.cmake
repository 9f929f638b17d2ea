# ---- install: one self-contained folder (program, data files, help) plus menu entry
include(GNUInstallDirs)
# The program's own folder: lib/torsion-spring under every prefix (no multiarch folder:
# its one shared library, the STEP writer, is the program's own, loaded from beside it).
set(TS_APPDIR_REL lib/torsion-spring)
set(TS_INSTALL_APPDIR ${CMAKE_INSTALL_PREFIX}/${TS_APPDIR_REL})  # for the menu entry
install(TARGETS torsion-spring RUNTIME DESTINATION ${TS_APPDIR_REL})
install(TARGETS torsion_step LIBRARY DESTINATION ${TS_APPDIR_REL})
install(FILES ${CMAKE_BINARY_DIR}/zaidat.dst ${CMAKE_BINARY_DIR}/keisuu.dat DESTINATION ${TS_APPDIR_REL})
install(FILES ${CMAKE_SOURCE_DIR}/help/helphelp.htm DESTINATION ${TS_APPDIR_REL}/help)
configure_file(${CMAKE_SOURCE_DIR}/share/torsion-spring.desktop.in ${CMAKE_BINARY_DIR}/torsion-spring.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/torsion-spring.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/share/torsion-spring.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# bin/torsion-spring points into the folder, so the program still finds its data files.
install(CODE "set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bindir}\")
  file(CREATE_LINK ../${TS_APPDIR_REL}/torsion-spring \"\${bindir}/torsion-spring\" SYMBOLIC)")
