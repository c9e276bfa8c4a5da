# Linux: LEAME.txt, the icon theme, a desktop entry with the script that registers it, and the
# Qt libraries the program was built with.
install(FILES packaging/LEAME.txt DESTINATION .)
install(PROGRAMS scripts/install-desktop-entry.sh DESTINATION scripts)
install(FILES app/icono/velorn.svg DESTINATION icons/hicolor/scalable/apps)
foreach(tamano ${VELORN_TAMANOS_ICONO})
  install(FILES ${VELORN_CARPETA_ICONOS}/velorn-${tamano}.png
          DESTINATION icons/hicolor/${tamano}x${tamano}/apps RENAME velorn.png)
endforeach()

# The desktop entry names the folder the bundle is installed in; the registering script
# points it at wherever the bundle was unpacked.
install(CODE "set(VELORN_PLANTILLA_DESKTOP \"${CMAKE_SOURCE_DIR}/packaging/velorn.desktop.in\")
              set(VELORN_TEMPORAL \"${CMAKE_BINARY_DIR}/packaging\")")
install(CODE [[
  set(CARPETA "${CMAKE_INSTALL_PREFIX}")
  set(ICONO "${CMAKE_INSTALL_PREFIX}/icons/hicolor/scalable/apps/velorn.svg")
  configure_file("${VELORN_PLANTILLA_DESKTOP}" "${VELORN_TEMPORAL}/velorn.desktop" @ONLY)
  file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}" TYPE FILE
       FILES "${VELORN_TEMPORAL}/velorn.desktop")
]])

if(UNIX AND NOT APPLE)
  option(VELORN_BUNDLE_QT "Copy the Qt libraries and plugins into the bundle" ON)
endif()
if(VELORN_BUNDLE_QT)
  include(${CMAKE_CURRENT_LIST_DIR}/BibliotecasQt.cmake)
endif()

set(CPACK_GENERATOR TGZ)
