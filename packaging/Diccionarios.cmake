# The dictionaries travel with the program: Argentina's Spanish and American English, taken at
# build time from Debian's hunspell-es and hunspell-en-us into "diccionarios/" beside the
# executable, where the program looks first; Paquete.cmake puts them into the bundle and the
# setup. Each goes with the copyright file of its package.
set(VELORN_HUNSPELL_SISTEMA "/usr/share/hunspell" CACHE PATH
    "Folder the dictionaries are copied from")
set(VELORN_DICCIONARIOS es_AR en_US)
set(velorn_licencias_es_AR /usr/share/doc/hunspell-es/copyright)
set(velorn_licencias_en_US /usr/share/doc/hunspell-en-us/copyright)
set(VELORN_CARPETA_DICCIONARIOS ${CMAKE_BINARY_DIR}/diccionarios)
set(VELORN_ARCHIVOS_DICCIONARIOS)
set(velorn_fuentes_diccionarios)
foreach(nombre IN LISTS VELORN_DICCIONARIOS)
  foreach(extension aff dic)
    set(fuente "${VELORN_HUNSPELL_SISTEMA}/${nombre}.${extension}")
    if(NOT EXISTS "${fuente}")
      message(FATAL_ERROR "Dictionary ${fuente} not found: install hunspell-es and hunspell-en-us "
                          "(scripts/setup.sh)")
    endif()
    list(APPEND velorn_fuentes_diccionarios "${fuente}")
    list(APPEND VELORN_ARCHIVOS_DICCIONARIOS "${VELORN_CARPETA_DICCIONARIOS}/${nombre}.${extension}")
  endforeach()
  if(EXISTS "${velorn_licencias_${nombre}}")
    list(APPEND velorn_fuentes_diccionarios "${velorn_licencias_${nombre}}")
    list(APPEND VELORN_ARCHIVOS_DICCIONARIOS "${VELORN_CARPETA_DICCIONARIOS}/${nombre}-copyright.txt")
  endif()
endforeach()

# "cmake -E copy" follows Debian's links (es_AR.aff is a link to es_ES.aff) and copies the file.
set(velorn_copias)
foreach(fuente destino IN ZIP_LISTS velorn_fuentes_diccionarios VELORN_ARCHIVOS_DICCIONARIOS)
  list(APPEND velorn_copias COMMAND ${CMAKE_COMMAND} -E copy "${fuente}" "${destino}")
endforeach()
add_custom_command(OUTPUT ${VELORN_ARCHIVOS_DICCIONARIOS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELORN_CARPETA_DICCIONARIOS}
  ${velorn_copias}
  DEPENDS ${velorn_fuentes_diccionarios}
  COMMENT "Copying the dictionaries beside the executable")
add_custom_target(diccionarios ALL DEPENDS ${VELORN_ARCHIVOS_DICCIONARIOS})
