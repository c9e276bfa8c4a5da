#!/bin/sh
# Registers "Velorn - Formulario Offline" in the desktop menu of the current user, pointing
# at the folder this script's bundle was unpacked in. Run it again after moving the folder.
set -eu

carpeta=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -x "$carpeta/velorn" ]; then
    echo "No se encontró el programa \"velorn\" en \"$carpeta\"." >&2
    exit 1
fi
case "$carpeta" in
    *'"'* | *'\'* | *'`'* | *'$'* | *'%'* | *'
'*)
        echo "La carpeta \"$carpeta\" tiene caracteres que el menú del escritorio no admite" \
             "(comillas, \\, \`, \$ o %); mueva el programa a otra carpeta." >&2
        exit 1
        ;;
esac

datos=${XDG_DATA_HOME:-$HOME/.local/share}
aplicaciones="$datos/applications"
iconos="$datos/icons/hicolor"
mkdir -p "$aplicaciones"

# The icon goes into the user's icon theme, at every size the bundle carries.
for png in "$carpeta"/icons/hicolor/*/apps/velorn.png; do
    [ -f "$png" ] || continue
    tamano=$(basename "$(dirname "$(dirname "$png")")")
    mkdir -p "$iconos/$tamano/apps"
    cp -f "$png" "$iconos/$tamano/apps/velorn.png"
done
if [ -f "$carpeta/icons/hicolor/scalable/apps/velorn.svg" ]; then
    mkdir -p "$iconos/scalable/apps"
    cp -f "$carpeta/icons/hicolor/scalable/apps/velorn.svg" "$iconos/scalable/apps/velorn.svg"
fi

# The entry is written beside the program first, then moved in place, so a menu never reads
# half a file.
entrada="$aplicaciones/velorn.desktop"
carpeta_sed=$(printf '%s' "$carpeta" | sed -e 's/[&|]/\\&/g')
temporal="$entrada.tmp.$$"
sed -e "s|^Exec=.*|Exec=\"$carpeta_sed/velorn\"|" \
    -e "s|^Path=.*|Path=$carpeta_sed|" \
    -e "s|^Icon=.*|Icon=velorn|" \
    "$carpeta/velorn.desktop" > "$temporal"
chmod 644 "$temporal"
mv -f "$temporal" "$entrada"

command -v update-desktop-database >/dev/null 2>&1 &&
    update-desktop-database -q "$aplicaciones" 2>/dev/null || true
command -v gtk-update-icon-cache >/dev/null 2>&1 &&
    gtk-update-icon-cache -q -t "$iconos" 2>/dev/null || true

echo "Se agregó \"Velorn - Formulario Offline\" al menú de aplicaciones ($entrada)."
