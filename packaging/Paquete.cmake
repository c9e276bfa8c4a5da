# The bundle a research group unpacks into a folder of its own and runs from there: the
# program and the agency's verifier (a console program on every system), its installation data,
# the spelling dictionaries, the Qt libraries it was built with, a LEAME.txt and the icon; on
# Linux a desktop entry, on Windows a per-user setup. `cmake --install` lays it out; cpack packs it (Linux: TGZ; Windows:
# NSIS setup and ZIP).

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
install(FILES data/config.xml data/wrapper.xml data/ayuda.xml DESTINATION .)
install(DIRECTORY data/convoc DESTINATION .)
# The spelling dictionaries, so that checking works where none is installed.
install(FILES ${VELORN_ARCHIVOS_DICCIONARIOS} DESTINATION diccionarios)
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/Windows.cmake)
else()
  include(${CMAKE_CURRENT_LIST_DIR}/Linux.cmake)
endif()

set(CPACK_PACKAGE_NAME velorn)
set(CPACK_PACKAGE_VENDOR "Velorn")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Velorn - Formulario Offline")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
string(TOLOWER "${CMAKE_SYSTEM_NAME}" velorn_sistema)
set(CPACK_PACKAGE_FILE_NAME "velorn-${PROJECT_VERSION}-${velorn_sistema}-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
# Each generator names its own file (the Windows setup ends in "-setup").
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/ConfigCPack.cmake)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
