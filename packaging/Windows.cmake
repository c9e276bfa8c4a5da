# Windows: a GUI program carrying its icon and version, the Qt DLLs and plugins it was built
# with, the MinGW runtime, a LEAME.txt with Windows wording; cpack makes a per-user setup (NSIS)
# and a zip of the same folder.

set_target_properties(velorn PROPERTIES WIN32_EXECUTABLE ON)
configure_file(${CMAKE_CURRENT_LIST_DIR}/velorn.rc.in ${CMAKE_BINARY_DIR}/generated/velorn.rc @ONLY)
target_sources(velorn PRIVATE ${CMAKE_BINARY_DIR}/generated/velorn.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/velorn.rc PROPERTIES
  OBJECT_DEPENDS ${VELORN_ICONO_ICO})
add_custom_target(velorn_icono_ico DEPENDS ${VELORN_ICONO_ICO})
add_dependencies(velorn velorn_icono_ico)

install(FILES packaging/LEAME-windows.txt DESTINATION . RENAME LEAME.txt)
# The spelling dictionaries go into "diccionarios/" as on Linux (Paquete.cmake), copied from the
# building machine's Debian packages: the same files for every system.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION .)

# What the program loads: Qt's libraries, the Windows platform and style plugins, Qt's Spanish
# texts, and the runtime of the MinGW compiler (its C++ library, its exception support and its
# threads).
set(velorn_qt "${QT6_INSTALL_PREFIX}")
install(FILES "${velorn_qt}/bin/Qt6Core.dll" "${velorn_qt}/bin/Qt6Gui.dll"
              "${velorn_qt}/bin/Qt6Widgets.dll" DESTINATION .)
install(FILES "${velorn_qt}/${QT6_INSTALL_PLUGINS}/platforms/qwindows.dll"
        DESTINATION plugins/platforms)
install(FILES "${velorn_qt}/${QT6_INSTALL_PLUGINS}/styles/qwindowsvistastyle.dll"
        DESTINATION plugins/styles)
install(FILES "${velorn_qt}/translations/qtbase_es.qm" DESTINATION translations)
get_filename_component(velorn_compilador "${CMAKE_CXX_COMPILER}" REALPATH)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE velorn_libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                OUTPUT_VARIABLE velorn_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE velorn_winpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
# Debian's zlib for MinGW, which the programs link to (Qt carries its own).
find_file(VELORN_ZLIB_DLL zlib1.dll PATHS /usr/${VELORN_MINGW}/lib /usr/${VELORN_MINGW}/bin
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
set(VELORN_RUNTIME_MINGW "${velorn_libstdcxx}" "${velorn_libgcc}" "${velorn_winpthread}"
                         "${VELORN_ZLIB_DLL}")
foreach(dll IN LISTS VELORN_RUNTIME_MINGW)
  if(NOT IS_ABSOLUTE "${dll}" OR NOT EXISTS "${dll}")
    message(FATAL_ERROR "MinGW runtime library not found: ${dll}")
  endif()
endforeach()
install(FILES ${VELORN_RUNTIME_MINGW} DESTINATION .)

# The setup installs for the current user, without administrator rights, into
# %LOCALAPPDATA%\Programs\Velorn: the program keeps its project beside itself, so that folder
# must be the user's. CPack's own NSIS script is used with its all-users choices turned to the
# current user; its uninstaller removes only the files it installed, never the user's project.
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Velorn")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Velorn")
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\\\Programs")
set(CPACK_NSIS_DISPLAY_NAME "Velorn - Formulario Offline")
set(CPACK_NSIS_PACKAGE_NAME "Velorn - Formulario Offline")
set(CPACK_NSIS_MUI_ICON "${VELORN_ICONO_ICO}")
set(CPACK_NSIS_MUI_UNIICON "${VELORN_ICONO_ICO}")
set(CPACK_NSIS_INSTALLED_ICON_NAME "velorn.exe")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_PACKAGE_EXECUTABLES "velorn" "Velorn - Formulario Offline")
set(CPACK_NSIS_MENU_LINKS "LEAME.txt" "LEAME")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
file(READ "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in" velorn_nsis)
string(REPLACE "RequestExecutionLevel admin" "RequestExecutionLevel user" velorn_nsis
       "${velorn_nsis}")
string(REPLACE "SetShellVarContext all" "SetShellVarContext current" velorn_nsis
       "${velorn_nsis}")
string(REPLACE "\"$DOCUMENTS\\@CPACK_PACKAGE_INSTALL_DIRECTORY@\""
       "\"@CPACK_NSIS_INSTALL_ROOT@\\@CPACK_PACKAGE_INSTALL_DIRECTORY@\"" velorn_nsis
       "${velorn_nsis}")
foreach(velorn_cambio "RequestExecutionLevel user" "SetShellVarContext current")
  string(FIND "${velorn_nsis}" "${velorn_cambio}" velorn_encontrado)
  if(velorn_encontrado EQUAL -1)
    message(FATAL_ERROR "CPack's NSIS script changed: '${velorn_cambio}' could not be set")
  endif()
endforeach()
# A 64-bit Unicode installer: Unicode, so that a folder like "José Núñez" or any other script
# installs right; 64-bit like the program, so that it runs wherever the program does (a 64-bit
# Wine without its 32-bit part among them).
# It goes after the template's first line, a comment that starts with a byte-order mark.
string(FIND "${velorn_nsis}" "\n" velorn_fin_linea)
math(EXPR velorn_fin_linea "${velorn_fin_linea} + 1")
string(SUBSTRING "${velorn_nsis}" 0 ${velorn_fin_linea} velorn_primera)
string(SUBSTRING "${velorn_nsis}" ${velorn_fin_linea} -1 velorn_resto)
file(WRITE "${CMAKE_BINARY_DIR}/cpack-nsis/NSIS.template.in"
     "${velorn_primera}Target amd64-unicode\n${velorn_resto}")
set(CPACK_MODULE_PATH "${CMAKE_BINARY_DIR}/cpack-nsis")
