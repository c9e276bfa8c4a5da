#!/usr/bin/env bash
# Smoke test of the Windows setup and zip under Wine, on the X display it is given:
# - the setup installs silently for the user into %LOCALAPPDATA%\Programs\Velorn, with a
#   Start-menu entry and an uninstall entry, and again into a folder named with accents and ñ;
# - the installed folder holds every installation file as in data/ and every DLL its programs
#   import, the zip the same files;
# - the core writers give under Wine the same bytes as the native build: project, cover pages
#   and package, written into a folder named with accents, ñ and blanks;
# - the installed program starts, stores and verifies that project through its keys, and
#   closes; the stored file passes xmllint and is verified;
# - the uninstaller removes the program and leaves the user's project, attachment, cover pages
#   and package where they were.
#   prueba_windows.sh <Windows build folder> <source folder> <native build folder>
set -euo pipefail
build=$(cd "$1" && pwd) fuente=$(cd "$2" && pwd) nativo=$(cd "$3" && pwd)

falla() { echo "FALLA: $*" >&2; exit 1; }
for herramienta in wine wineserver xdotool xmllint unzip cmp x86_64-w64-mingw32-objdump; do
    command -v "$herramienta" >/dev/null || falla "falta la herramienta $herramienta"
done
[ -n "${DISPLAY:-}" ] || falla "hace falta una pantalla (xvfb-run)"
version=$(sed -n 's/^project(velorn VERSION \([0-9.]*\).*/\1/p' "$fuente/CMakeLists.txt")
nombre="velorn-$version-windows-x86_64"
setup="$build/$nombre-setup.exe"
zip="$build/$nombre.zip"
[ -f "$setup" ] || falla "no existe $setup"
[ -f "$zip" ] || falla "no existe $zip"

tmp=$(mktemp -d)
export WINEPREFIX="$tmp/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
limpiar() {
    wineserver -k 2>/dev/null || true
    rm -rf "$tmp"
}
trap limpiar EXIT
wineboot -i >/dev/null 2>&1 || true
wineserver -w
usuario_win=$(wine cmd /c 'echo %USERNAME%' 2>/dev/null | tr -d '\r')
unidad_c="$WINEPREFIX/drive_c"
[ -d "$unidad_c/users/$usuario_win" ] || falla "Wine no tiene el usuario $usuario_win"

# Every installation file as in data/, the program and the libraries it loads.
revisar_carpeta() {
    local carpeta=$1 dato
    for dato in config.xml wrapper.xml ayuda.xml; do
        cmp -s "$fuente/data/$dato" "$carpeta/$dato" || falla "$dato falta o difiere en $carpeta"
    done
    for dato in "$fuente"/data/convoc/*.xml; do
        cmp -s "$dato" "$carpeta/convoc/$(basename "$dato")" ||
            falla "convoc/$(basename "$dato") falta o difiere en $carpeta"
    done
    for dato in velorn.exe velorn-verificar.exe LEAME.txt qt.conf Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
            libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
            plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll \
            translations/qtbase_es.qm diccionarios/es_AR.aff diccionarios/es_AR.dic \
            diccionarios/en_US.aff diccionarios/en_US.dic; do
        [ -s "$carpeta/$dato" ] || falla "falta $dato en $carpeta"
    done
    # Each DLL a shipped program or library imports is shipped too, or is Windows' own.
    local propias importadas dll
    propias=$(find "$carpeta" -iname '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z')
    while IFS= read -r -d '' binario; do
        importadas=$(x86_64-w64-mingw32-objdump -p "$binario" |
            sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
        for dll in $importadas; do
            case "$dll" in
                kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|shell32.dll|ole32.dll|\
                oleaut32.dll|comdlg32.dll|imm32.dll|winmm.dll|ws2_32.dll|uxtheme.dll|\
                dwmapi.dll|shlwapi.dll|version.dll|netapi32.dll|userenv.dll|mpr.dll|\
                msvcrt.dll|d3d9.dll|d3d11.dll|dxgi.dll|dwrite.dll|setupapi.dll|wtsapi32.dll|\
                authz.dll|ntdll.dll|shcore.dll|comctl32.dll|wsock32.dll|api-ms-win-*) ;;
                *) grep -qxF "$dll" <<<"$propias" ||
                       falla "$(basename "$binario") usa $dll, que no viene con el programa" ;;
            esac
        done
    done < <(find "$carpeta" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
    # Text files are the same bytes as on Linux: no line ending was converted.
    if grep -q $'\r' "$carpeta/config.xml" && ! grep -q $'\r' "$fuente/data/config.xml"; then
        falla "config.xml cambió sus finales de línea"
    fi
}

# 1. The zip: one folder with the same files.
mkdir "$tmp/zip"
unzip -q "$zip" -d "$tmp/zip"
revisar_carpeta "$tmp/zip/$nombre"

# 2. The setup, silently, for the user, into its default folder.
wine "$setup" /S
wineserver -w
por_defecto="$unidad_c/users/$usuario_win/AppData/Local/Programs/Velorn"
[ -f "$por_defecto/velorn.exe" ] || falla "el instalador no dejó velorn.exe en $por_defecto"
revisar_carpeta "$por_defecto"
[ -f "$por_defecto/Uninstall.exe" ] || falla "no hay desinstalador"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velorn' \
    >"$tmp/reg.txt" 2>&1 || falla "no hay entrada para desinstalar en HKCU: $(cat "$tmp/reg.txt")"
menu="$unidad_c/users/$usuario_win/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
[ -n "$(find "$menu" -iname 'velorn*.lnk')" ] ||
    falla "no hay acceso en el menú Inicio: $(find "$menu" 2>/dev/null | head -20)"
wine "$por_defecto/Uninstall.exe" /S _?="Z:$(sed 's|/|\\|g' <<<"$por_defecto")"
wineserver -w
[ ! -e "$por_defecto/velorn.exe" ] || falla "el desinstalador dejó velorn.exe"

# 3. Into a folder named with accents and ñ (NSIS takes /D= unquoted, so without blanks).
carpeta_win='C:\users\'"$usuario_win"'\José_Núñez\Solicitud_año_2027\Velorn'
wine "$setup" /S "/D=$carpeta_win"
wineserver -w
carpeta="$unidad_c/users/$usuario_win/José_Núñez/Solicitud_año_2027/Velorn"
[ -f "$carpeta/velorn.exe" ] || falla "no se instaló en $carpeta"
revisar_carpeta "$carpeta"

# 4. The same project, cover pages and package under Wine as natively, into a folder named
# with accents, ñ and blanks.
salida_win="$unidad_c/users/$usuario_win/Carátulas y paquete ñandú"
salida_nativa="$tmp/nativo/Carátulas y paquete ñandú"
"$nativo/tests/velorn_prueba_humo" "$fuente/data" "$salida_nativa" || falla "la prueba nativa falló"
"$build/wine-ejecutar.sh" "$build/tests/velorn_prueba_humo.exe" "Z:$fuente/data" \
    "C:\\users\\$usuario_win\\Carátulas y paquete ñandú" || falla "la prueba bajo Wine falló"
wineserver -w
for archivo in proyecto.xml caratula.htm 12345678.zip desctec/desc.pdf; do
    [ -s "$salida_win/$archivo" ] || falla "Wine no escribió $archivo"
    cmp "$salida_nativa/$archivo" "$salida_win/$archivo" ||
        falla "$archivo difiere entre Linux y Windows"
done
xmllint --noout "$salida_win/proyecto.xml" || falla "proyecto.xml no es XML válido"
unzip -tq "$salida_win/12345678.zip" >/dev/null || falla "unzip no acepta el paquete"
[ "$(unzip -Z1 "$salida_win/12345678.zip" | sort | tr '\n' ' ')" = "desctec/desc.pdf proyecto.xml " ] ||
    falla "el paquete no tiene las dos entradas: $(unzip -Z1 "$salida_win/12345678.zip")"
xmllint --html --noout "$salida_win/caratula.htm" 2>/dev/null ||
    falla "caratula.htm no se lee como HTML"

# 5. The user's work beside the installed program; the program stores and verifies it.
cp -r "$salida_win/proyecto.xml" "$salida_win/desctec" "$salida_win/caratula.htm" \
    "$salida_win/12345678.zip" "$carpeta/"
ventana() { timeout 90 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
(cd "$tmp" && wine "$carpeta/velorn.exe" >"$tmp/velorn.log" 2>&1) &
principal=$(ventana '^Velorn - Formulario Offline$') || falla "la ventana no apareció"
sleep 2
if xdotool search --onlyvisible --name '^(Error|Advertencia)$' >/dev/null 2>&1; then
    falla "el programa mostró un aviso al iniciar"
fi
xdotool windowactivate --sync "$principal" 2>/dev/null || xdotool windowfocus --sync "$principal"
xdotool key --clearmodifiers ctrl+g
aviso=$(ventana '^Información$') || falla "no se confirmó el guardado"
xdotool windowactivate --sync "$aviso" 2>/dev/null || xdotool windowfocus --sync "$aviso"
xdotool key Return
sleep 1
xdotool windowactivate --sync "$principal" 2>/dev/null || xdotool windowfocus --sync "$principal"
xdotool key --clearmodifiers ctrl+shift+v
sleep 3
xdotool key --clearmodifiers alt+F4
pregunta=$(ventana '^Confirmación$') || falla "no preguntó al salir"
xdotool windowactivate --sync "$pregunta" 2>/dev/null || xdotool windowfocus --sync "$pregunta"
xdotool key --clearmodifiers alt+n
for _ in $(seq 1 150); do
    pgrep -f 'velorn\.exe' >/dev/null || break
    sleep 0.2
done
! pgrep -f 'velorn\.exe' >/dev/null || falla "el programa no se cerró"
wineserver -w
proyecto="$carpeta/proyecto.xml"
xmllint --noout "$proyecto" || falla "el proyecto guardado no es XML válido"
[ "$(xmllint --xpath 'string(/*/soft/@version)' "$proyecto")" = "2" ] ||
    falla "el proyecto guardado no es de la versión 2"
[ "$(xmllint --xpath 'string(/*/project/document/isDraft/@value)' "$proyecto")" = "1" ] ||
    falla "el proyecto no quedó verificado"
[ -f "$carpeta/proyecto.xml.bak" ] || falla "no se guardó la copia proyecto.xml.bak"
[ ! -e "$carpeta/velorn.lock" ] || falla "quedó el bloqueo de la carpeta"

# The agency's verifier, installed beside the program, approves what the program verified.
estado=0
(cd "$tmp" && wine "$carpeta/velorn-verificar.exe" "$carpeta_win\\proyecto.xml" \
    >"$tmp/verificar.log" 2>&1) || estado=$?
[ "$estado" = 0 ] && grep -q "Resultado: APROBADO." "$tmp/verificar.log" ||
    { cat "$tmp/verificar.log"; falla "velorn-verificar.exe terminó con $estado"; }
# Its table is the same bytes as on Linux: each line ends in CR LF, never in CR CR LF.
(cd "$tmp" && wine "$carpeta/velorn-verificar.exe" --csv "$carpeta_win\\proyecto.xml" \
    >"$tmp/verificar.csv" 2>&1) || falla "velorn-verificar.exe --csv falló"
[ "$(grep -c $'\r$' "$tmp/verificar.csv")" = 2 ] && ! grep -q $'\r\r' "$tmp/verificar.csv" ||
    { od -c "$tmp/verificar.csv" | head
      falla "la tabla de velorn-verificar.exe cambió sus finales de línea"; }

# 6. The uninstaller takes the program and leaves the user's work.
wine "$carpeta/Uninstall.exe" /S _?="$carpeta_win"
wineserver -w
for programa in velorn.exe Qt6Core.dll config.xml convoc plugins; do
    [ ! -e "$carpeta/$programa" ] || falla "el desinstalador dejó $programa"
done
for trabajo in proyecto.xml proyecto.xml.bak desctec/desc.pdf caratula.htm 12345678.zip; do
    [ -s "$carpeta/$trabajo" ] || falla "el desinstalador borró $trabajo"
done
echo "instalador $nombre-setup.exe y $nombre.zip: correctos"
