# Qt layers: drawing (QtGui), windows (QtWidgets, QtPrintSupport) and the program.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets PrintSupport)
set(CMAKE_AUTOMOC ON)

add_library(torsion_graphics STATIC
  graphics/fatigue_diagram.cpp
  graphics/spring_drawing.cpp
)
target_link_libraries(torsion_graphics PUBLIC torsion_core Qt6::Gui)

add_library(torsion_gui STATIC
  app/dialogs.cpp
  app/vek.cpp
)
target_link_libraries(torsion_gui PUBLIC torsion_graphics torsion_core Qt6::Widgets Qt6::PrintSupport)

add_executable(torsion-spring app/main.cpp)
target_link_libraries(torsion-spring PRIVATE torsion_gui)
add_dependencies(torsion-spring default_data)
