# The program's icon: drawn once as SVG, rendered to PNG at every size when the program is
# built, and carried inside the program as resources (no SVG support needed at run time).
add_executable(velorn_renderizar_iconos ${CMAKE_CURRENT_LIST_DIR}/URenderizarIconos.cpp)
target_link_libraries(velorn_renderizar_iconos PRIVATE Qt6::Svg Qt6::Gui)

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
add_custom_command(
  OUTPUT ${VELORN_ICONOS_PNG}
  COMMAND velorn_renderizar_iconos ${VELORN_ICONO_SVG} ${VELORN_CARPETA_ICONOS}
          ${VELORN_TAMANOS_ICONO}
  DEPENDS velorn_renderizar_iconos ${VELORN_ICONO_SVG}
  COMMENT "Rendering the program's icon")
set(VELORN_ICONOS_VENTANA)
foreach(tamano ${VELORN_TAMANOS_VENTANA})
  list(APPEND VELORN_ICONOS_VENTANA ${VELORN_CARPETA_ICONOS}/velorn-${tamano}.png)
endforeach()
qt_add_resources(velorn_ui velorn_icono PREFIX /icono BASE ${VELORN_CARPETA_ICONOS}
  FILES ${VELORN_ICONOS_VENTANA})
