# Qt layers: drawing (QtGui), windows (QtWidgets, QtPrintSupport) and the program.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport)
set(CMAKE_AUTOMOC ON)

add_library(torsion_graphics STATIC
  graphics/fatigue_diagram.cpp
  graphics/spring_drawing.cpp
  graphics/torque_angle_diagram.cpp
  print/calculation_report.cpp
)
target_link_libraries(torsion_graphics PUBLIC torsion_core Qt6::Gui)
target_compile_definitions(torsion_graphics PRIVATE TS_VERSION="${PROJECT_VERSION}")

add_library(torsion_gui STATIC
  app/dialogs.cpp
  app/number_box.cpp
  app/help_window.cpp
  app/japanese_translation.cpp
  app/history_recovery.cpp
  app/message_list.cpp
  app/vek.cpp
  app/vek_layout.cpp
  app/design_search_window.cpp
  app/characteristic_page.cpp
  app/vek_export.cpp
  app/title_block_dialog.cpp
  print/prin.cpp
  print/data_sheet_sketch.cpp
  print/window_print.cpp
  app/image_control.cpp
  app/schematic.cpp
  app/settings.cpp
  app/sjis.cpp
  app/startup_hooks.cpp
  history/u_data_make.cpp
  materials/u_keisuu_make.cpp
  history/history_grid.cpp
  history/fixed_cells.cpp
)
target_link_libraries(torsion_gui PUBLIC torsion_graphics torsion_dxf torsion_core Qt6::Widgets Qt6::PrintSupport)

find_package(Fontconfig REQUIRED)
find_package(Threads REQUIRED)
add_executable(torsion-spring app/main.cpp app/command_line.cpp)
target_compile_definitions(torsion-spring PRIVATE TS_VERSION="${PROJECT_VERSION}")
target_link_libraries(torsion-spring PRIVATE torsion_gui Fontconfig::Fontconfig Threads::Threads)
add_dependencies(torsion-spring default_data)

# ---- install: one self-contained folder (program, data files, help) plus menu entry
include(GNUInstallDirs)
# The program's own folder: lib/torsion-spring under every prefix (no multiarch folder:
# it holds no shared library).
set(TS_APPDIR_REL lib/torsion-spring)
set(TS_INSTALL_APPDIR ${CMAKE_INSTALL_PREFIX}/${TS_APPDIR_REL})  # for the menu entry
install(TARGETS torsion-spring RUNTIME DESTINATION ${TS_APPDIR_REL})
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
