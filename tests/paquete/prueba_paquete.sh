#!/usr/bin/env bash
# Builds the applicants' bundle with CPack, unpacks it into a temporary folder, starts the
# unpacked program on a virtual X display against its own data files, saves once with the
# keyboard and checks the stored file; then registers the desktop entry for a scratch user.
#   prueba_paquete.sh <build folder> <source folder> <version>
set -euo pipefail
build=$1 fuente=$2 version=$3

falla() { echo "FALLA: $*" >&2; exit 1; }
for herramienta in cpack tar xvfb-run xdotool xmllint; do
    command -v "$herramienta" >/dev/null || falla "falta la herramienta $herramienta"
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# 1. The archive, named after the version, with one top folder.
cpack --config "$build/CPackConfig.cmake" -B "$tmp/cpack" >"$tmp/cpack.log" 2>&1 ||
    { cat "$tmp/cpack.log"; falla "cpack no generó el paquete"; }
nombre="velorn-$version-linux-$(uname -m)"
archivo="$tmp/cpack/$nombre.tar.gz"
[ -f "$archivo" ] || falla "no existe $nombre.tar.gz: $(ls "$tmp/cpack")"
mkdir "$tmp/usuario"
tar -xzf "$archivo" -C "$tmp/usuario"
carpeta="$tmp/usuario/$nombre"
[ -d "$carpeta" ] || falla "el paquete no tiene la carpeta $nombre"

# 2. Every installation file, the same as the sample installation.
for dato in config.xml wrapper.xml ayuda.xml; do
    cmp -s "$fuente/data/$dato" "$carpeta/$dato" || falla "$dato falta o difiere"
done
for convocatoria in "$fuente"/data/convoc/*.xml; do
    cmp -s "$convocatoria" "$carpeta/convoc/$(basename "$convocatoria")" ||
        falla "convoc/$(basename "$convocatoria") falta o difiere"
done
for archivo_paquete in velorn velorn-verificar LEAME.txt velorn.desktop qt.conf scripts/install-desktop-entry.sh \
        icons/hicolor/scalable/apps/velorn.svg icons/hicolor/48x48/apps/velorn.png \
        translations/qtbase_es.qm plugins/platforms/libqxcb.so lib/libQt6Core.so.6; do
    [ -e "$carpeta/$archivo_paquete" ] || falla "falta $archivo_paquete"
done
[ -x "$carpeta/velorn" ] && [ -x "$carpeta/velorn-verificar" ] &&
    [ -x "$carpeta/scripts/install-desktop-entry.sh" ] ||
    falla "el programa o el script no son ejecutables"
# The spelling dictionaries, the same as the build's, so that checking works where none is
# installed.
for diccionario in "$build"/diccionarios/*; do
    cmp -s "$diccionario" "$carpeta/diccionarios/$(basename "$diccionario")" ||
        falla "diccionarios/$(basename "$diccionario") falta o difiere"
done
for diccionario in es_AR.aff es_AR.dic en_US.aff en_US.dic; do
    [ -s "$carpeta/diccionarios/$diccionario" ] || falla "falta diccionarios/$diccionario"
done
grep -qx "Path=/.*" "$carpeta/velorn.desktop" || falla "velorn.desktop sin Path="
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$carpeta/velorn.desktop" || falla "velorn.desktop no es válido"
fi

# 3. The unpacked program, on a virtual display, saves once and closes.
cat >"$tmp/sesion.sh" <<'SESION'
#!/usr/bin/env bash
set -euo pipefail
carpeta=$1
ventana() { timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
# Another folder as the current one: the program must find its files beside itself. The
# tests around may run offscreen; this one uses the display, through the bundle's own plugin.
cd /
QT_QPA_PLATFORM=xcb "$carpeta/velorn" >"$carpeta/../salida.log" 2>&1 &
pid=$!
principal=$(ventana '^Velorn - Formulario Offline$') || { echo "la ventana no apareció"; exit 1; }
sleep 1
for titulo in '^Error$' '^Advertencia$'; do
    if xdotool search --onlyvisible --name "$titulo" >/dev/null 2>&1; then
        echo "el programa mostró un aviso al iniciar"; exit 1
    fi
done
# The program's own libraries and plugins are the ones in use, not the system's.
grep -q "$carpeta/lib/libQt6Core.so" "/proc/$pid/maps" || { echo "no usa lib/ del paquete"; exit 1; }
grep -q "$carpeta/plugins/platforms/libqxcb.so" "/proc/$pid/maps" ||
    { echo "no usa plugins/ del paquete"; exit 1; }
xdotool windowfocus --sync "$principal"
xdotool key --clearmodifiers ctrl+g
aviso=$(ventana '^Información$') || { echo "no se confirmó el guardado"; exit 1; }
xdotool windowfocus --sync "$aviso"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$principal"
xdotool key --clearmodifiers alt+F4
pregunta=$(ventana '^Confirmación$') || { echo "no preguntó al salir"; exit 1; }
xdotool windowfocus --sync "$pregunta"
xdotool key --clearmodifiers alt+n
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"; echo "el programa no se cerró"; exit 1
fi
wait "$pid"
SESION
xvfb-run -a -s "-screen 0 1024x768x24" bash "$tmp/sesion.sh" "$carpeta" ||
    { cat "$tmp/usuario/salida.log" 2>/dev/null; falla "la sesión con el programa descomprimido falló"; }

proyecto="$carpeta/proyecto.xml"
[ -s "$proyecto" ] || falla "no se guardó proyecto.xml junto al programa"
xmllint --noout "$proyecto" || falla "proyecto.xml no es XML válido"
[ "$(xmllint --xpath 'string(/*/soft/@version)' "$proyecto")" = "2" ] ||
    falla "proyecto.xml no es de la versión 2: $(head -c 300 "$proyecto")"
[ ! -e "$carpeta/velorn.lock" ] || falla "quedó el bloqueo de la carpeta"

# 4. The agency's verifier, from another folder: the bundle's libraries and installation, and
# the project just stored, which has findings (exit status 1).
# The whole output first: grep -q stops reading at the first match, and with pipefail the
# SIGPIPE that ldd then gets would fail the check at random.
bibliotecas=$(ldd "$carpeta/velorn-verificar")
grep -qF "$carpeta/lib/libQt6Core.so" <<<"$bibliotecas" ||
    falla "velorn-verificar no usa lib/ del paquete: $bibliotecas"
estado=0
(cd / && "$carpeta/velorn-verificar" "$proyecto" >"$tmp/verificar.log" 2>&1) || estado=$?
[ "$estado" = 1 ] && grep -q "Resultado: OBSERVADO." "$tmp/verificar.log" ||
    { cat "$tmp/verificar.log"; falla "velorn-verificar terminó con $estado"; }

# 5. The desktop entry for a user, pointing at the unpacked folder.
export XDG_DATA_HOME="$tmp/xdg"
"$carpeta/scripts/install-desktop-entry.sh" >/dev/null
entrada="$XDG_DATA_HOME/applications/velorn.desktop"
[ -f "$entrada" ] || falla "no se registró la entrada del escritorio"
grep -qxF "Path=$carpeta" "$entrada" || falla "la entrada no apunta a la carpeta: $(cat "$entrada")"
grep -qxF "Exec=\"$carpeta/velorn\"" "$entrada" || falla "Exec equivocado: $(cat "$entrada")"
[ -f "$XDG_DATA_HOME/icons/hicolor/256x256/apps/velorn.png" ] || falla "no se instaló el ícono"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entrada" || falla "la entrada registrada no es válida"
fi
echo "paquete $nombre.tar.gz: correcto"
