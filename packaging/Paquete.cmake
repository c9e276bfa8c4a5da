# The bundle a research group unpacks into a folder of its own and runs from there: the
# program and the agency's verifier (a console program on every system), its installation data,
# the Qt libraries it was built with, a LEAME.txt, the icon and a desktop entry.
# `cmake --install` lays it out; `cpack -G TGZ` packs it.

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  # The program keeps its project beside itself, so it never goes into a shared system folder.
  set(CMAKE_INSTALL_PREFIX "${CMAKE_BINARY_DIR}/velorn-${PROJECT_VERSION}" CACHE PATH
      "Folder the bundle is laid out in" FORCE)
endif()

# A build folder configured before the bundle existed keeps /usr/local in its cache: the bundle
# is never spread over a system folder.
install(CODE [[
  if(CMAKE_INSTALL_PREFIX MATCHES "^/(usr(/local)?)?/?$")
    message(FATAL_ERROR "The bundle is a folder of its own; name one with "
                        "cmake --install <build> --prefix <folder> (not ${CMAKE_INSTALL_PREFIX}).")
  endif()
]])
install(TARGETS velorn velorn-verificar RUNTIME DESTINATION .)
install(FILES data/config.xml data/wrapper.xml data/ayuda.xml packaging/LEAME.txt DESTINATION .)
install(DIRECTORY data/convoc DESTINATION .)
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
set(CPACK_PACKAGE_NAME velorn)
set(CPACK_PACKAGE_VENDOR "Velorn")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Velorn - Formulario Offline")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
string(TOLOWER "${CMAKE_SYSTEM_NAME}" velorn_sistema)
set(CPACK_PACKAGE_FILE_NAME "velorn-${PROJECT_VERSION}-${velorn_sistema}-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
