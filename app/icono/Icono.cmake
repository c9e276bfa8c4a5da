# The program's icon: drawn once as SVG, rendered to PNG at every size when the program is
# built, and carried inside the program as resources (no SVG support needed at run time).
# The tool runs on the machine that builds: a cross build takes the one of a native build.
if(CMAKE_CROSSCOMPILING)
  set(VELORN_RENDERIZAR_ICONOS "" CACHE FILEPATH
      "velorn_renderizar_iconos of a native build, to render the icon when cross-building")
  if(NOT EXISTS "${VELORN_RENDERIZAR_ICONOS}")
    message(FATAL_ERROR "Cross-building needs VELORN_RENDERIZAR_ICONOS, the icon tool of a "
                        "native build (scripts/build-windows.sh passes it)")
  endif()
  set(velorn_herramienta_iconos "${VELORN_RENDERIZAR_ICONOS}")
else()
  find_package(Qt6 REQUIRED COMPONENTS Svg)
  add_executable(velorn_renderizar_iconos ${CMAKE_CURRENT_LIST_DIR}/URenderizarIconos.cpp)
  target_link_libraries(velorn_renderizar_iconos PRIVATE Qt6::Svg Qt6::Gui)
  set(velorn_herramienta_iconos velorn_renderizar_iconos)
endif()

# Every size goes into the icon theme the bundle installs; the windows carry the small ones
# (as kTamanosIcono in UIconoPrograma.h says).
set(VELORN_TAMANOS_ICONO 16 24 32 48 64 128 256)
set(VELORN_TAMANOS_VENTANA 16 24 32 48 64)
set(VELORN_ICONO_SVG ${CMAKE_CURRENT_LIST_DIR}/velorn.svg)
set(VELORN_CARPETA_ICONOS ${CMAKE_BINARY_DIR}/icono)
set(VELORN_ICONOS_PNG)
foreach(tamano ${VELORN_TAMANOS_ICONO})
  list(APPEND VELORN_ICONOS_PNG ${VELORN_CARPETA_ICONOS}/velorn-${tamano}.png)
endforeach()
# Windows takes every size from one .ico file inside the program.
set(VELORN_ICONO_ICO ${VELORN_CARPETA_ICONOS}/velorn.ico)
add_custom_command(
  OUTPUT ${VELORN_ICONOS_PNG} ${VELORN_ICONO_ICO}
  COMMAND ${velorn_herramienta_iconos} ${VELORN_ICONO_SVG} ${VELORN_CARPETA_ICONOS}
          --ico ${VELORN_ICONO_ICO} ${VELORN_TAMANOS_ICONO}
  DEPENDS ${velorn_herramienta_iconos} ${VELORN_ICONO_SVG}
  COMMENT "Rendering the program's icon")
set(VELORN_ICONOS_VENTANA)
foreach(tamano ${VELORN_TAMANOS_VENTANA})
  list(APPEND VELORN_ICONOS_VENTANA ${VELORN_CARPETA_ICONOS}/velorn-${tamano}.png)
endforeach()
qt_add_resources(velorn_ui velorn_icono PREFIX /icono BASE ${VELORN_CARPETA_ICONOS}
  FILES ${VELORN_ICONOS_VENTANA})
