# Linux: the bundle carries the Qt libraries the program was built with, and the plugins it
# loads, so it runs on a machine without Qt. The program finds them through its run path
# ($ORIGIN/lib, as DT_RPATH so that it also covers libraries loaded by other libraries and by
# Qt's plugin loader) and through a qt.conf beside it.

foreach(programa velorn velorn-verificar)
  set_target_properties(${programa} PROPERTIES INSTALL_RPATH "$ORIGIN/lib")
  target_link_options(${programa} PRIVATE "LINKER:--disable-new-dtags")
endforeach()

# Windows on X11 (and XWayland), the offscreen platform, and the input methods that make dead
# keys and compose sequences work for typing accents.
set(velorn_carpeta_plugins "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
set(velorn_plugins)
foreach(plugin platforms/libqxcb.so platforms/libqoffscreen.so
               platforminputcontexts/libcomposeplatforminputcontextplugin.so
               platforminputcontexts/libibusplatforminputcontextplugin.so)
  if(EXISTS "${velorn_carpeta_plugins}/${plugin}")
    list(APPEND velorn_plugins "${velorn_carpeta_plugins}/${plugin}")
  else()
    message(WARNING "Qt plugin ${plugin} not found in ${velorn_carpeta_plugins}")
  endif()
endforeach()
set(velorn_traducciones "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}")

install(CODE "set(VELORN_PLUGINS \"${velorn_plugins}\")
              set(VELORN_TRADUCCIONES \"${velorn_traducciones}\")")
install(CODE [[
  # Only libraries that come with Qt or with this program's own dependencies; the C and C++
  # runtimes, X11, fonts and OpenGL are the system's.
  set(propias "/lib(Qt6[^/]*|icu[^/]*|pugixml|minizip|double-conversion|b2|pcre2-16|md4c|xkbcommon[^/]*|xcb-[^/]*)\\.so[^/]*$")
  file(GET_RUNTIME_DEPENDENCIES
       RESOLVED_DEPENDENCIES_VAR resueltas
       UNRESOLVED_DEPENDENCIES_VAR sin_resolver
       EXECUTABLES "$<TARGET_FILE:velorn>" "$<TARGET_FILE:velorn-verificar>"
       MODULES ${VELORN_PLUGINS})
  if(sin_resolver)
    message(FATAL_ERROR "Libraries of the program not found: ${sin_resolver}")
  endif()
  foreach(biblioteca IN LISTS resueltas)
    if(biblioteca MATCHES "${propias}")
      file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/lib" TYPE SHARED_LIBRARY
           FOLLOW_SYMLINK_CHAIN FILES "${biblioteca}")
    endif()
  endforeach()
  foreach(plugin IN LISTS VELORN_PLUGINS)
    get_filename_component(carpeta "${plugin}" DIRECTORY)
    get_filename_component(tipo "${carpeta}" NAME)
    file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/plugins/${tipo}" TYPE SHARED_LIBRARY
         FILES "${plugin}")
  endforeach()
  foreach(traduccion qtbase_es.qm)
    if(EXISTS "${VELORN_TRADUCCIONES}/${traduccion}")
      file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/translations" TYPE FILE
           FILES "${VELORN_TRADUCCIONES}/${traduccion}")
    endif()
  endforeach()
]])
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION .)
