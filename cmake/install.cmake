# ---- install: one self-contained folder (program, data files, help) plus menu entry,
# case-file type, AppStream description, manual pages and the package's documents
include(GNUInstallDirs)
# The program's own folder: lib/torsion-spring under every prefix (no multiarch folder:
# its one shared library, the STEP writer, is the program's own, loaded from beside it).
set(TS_APPDIR_REL lib/torsion-spring)
set(TS_INSTALL_APPDIR ${CMAKE_INSTALL_PREFIX}/${TS_APPDIR_REL})  # for the menu entry
install(TARGETS torsion-spring RUNTIME DESTINATION ${TS_APPDIR_REL})
install(TARGETS torsion_step LIBRARY DESTINATION ${TS_APPDIR_REL})
install(FILES ${CMAKE_BINARY_DIR}/zaidat.dst ${CMAKE_BINARY_DIR}/keisuu.dat DESTINATION ${TS_APPDIR_REL})
install(FILES ${TS_CATALOGUE_FILES} DESTINATION ${TS_APPDIR_REL})
install(FILES ${CMAKE_SOURCE_DIR}/help/helphelp.htm ${CMAKE_SOURCE_DIR}/help/helphelp_en.htm
        DESTINATION ${TS_APPDIR_REL}/help)
configure_file(${CMAKE_SOURCE_DIR}/share/torsion-spring.desktop.in ${CMAKE_BINARY_DIR}/torsion-spring.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/torsion-spring.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/share/torsion-spring.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# bin/torsion-spring points into the folder, so the program still finds its data files.
install(CODE "set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  file(MAKE_DIRECTORY \"\${bindir}\")
  file(CREATE_LINK ../${TS_APPDIR_REL}/torsion-spring \"\${bindir}/torsion-spring\" SYMBOLIC)")
# The case-file type (*.nbd), so the file manager opens case files with the program,
# and the description software centres show.
install(FILES ${CMAKE_SOURCE_DIR}/share/torsion-spring-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME torsion-spring.xml)
install(FILES ${CMAKE_SOURCE_DIR}/share/io.github.torsion_spring.TorsionSpring.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Manual pages (English and Japanese) and the change log, compressed as Debian keeps
# them (no time stamp in the gzip header, so the package is reproducible).
set(TS_DOC_SOURCES ${CMAKE_SOURCE_DIR}/share/man/torsion-spring.1 ${CMAKE_SOURCE_DIR}/share/man/ja/torsion-spring.1
                   ${CMAKE_SOURCE_DIR}/share/debian/changelog.Debian)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TS_DOC_SOURCES})
set(TS_DOC_BUILD ${CMAKE_BINARY_DIR}/package-docs)
file(MAKE_DIRECTORY ${TS_DOC_BUILD}/ja)
configure_file(${CMAKE_SOURCE_DIR}/share/debian/changelog.Debian ${TS_DOC_BUILD}/changelog.Debian @ONLY)
foreach(doc changelog.Debian:${TS_DOC_BUILD}/changelog.Debian
            torsion-spring.1:${CMAKE_SOURCE_DIR}/share/man/torsion-spring.1
            ja/torsion-spring.1:${CMAKE_SOURCE_DIR}/share/man/ja/torsion-spring.1)
  string(REPLACE ":" ";" parts ${doc})
  list(GET parts 0 name)
  list(GET parts 1 source)
  execute_process(COMMAND gzip -9n -c ${source} OUTPUT_FILE ${TS_DOC_BUILD}/${name}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()
install(FILES ${TS_DOC_BUILD}/torsion-spring.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${TS_DOC_BUILD}/ja/torsion-spring.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
set(TS_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/torsion-spring)
# Every note on the data and its sources goes with the package (the README cites them).
file(GLOB TS_DATA_NOTES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*.md)
install(FILES ${CMAKE_SOURCE_DIR}/share/debian/copyright ${TS_DOC_BUILD}/changelog.Debian.gz ${TS_DATA_NOTES}
        DESTINATION ${TS_DOCDIR})
