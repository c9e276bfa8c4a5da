#!/usr/bin/env bash
# Cross-builds the Windows program, its setup and its portable zip on Debian 12, from Debian's
# packages and Debian's own source packages only.
#
#   scripts/build-windows.sh              libraries (cached), program, tests, setup and zip
#   scripts/build-windows.sh --libraries  only the libraries
#
# What Debian does not package for Windows (Qt, pugixml, minizip, hunspell, GoogleTest) is built
# once into ${XDG_CACHE_HOME:-~/.cache}/velorn-windows, one folder per library named after its
# version and a hash of its recipe and of the toolchain file, and built again only when one of
# them changes.
# The program is built into build-windows/ beside the Linux build/.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
source_dir=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)
toolchain="$source_dir/cmake/mingw-w64-x86_64.cmake"
mingw=x86_64-w64-mingw32
cache_root="${XDG_CACHE_HOME:-$HOME/.cache}/velorn-windows"
build_dir="${VELORN_BUILD_WINDOWS:-$source_dir/build-windows}"

# The Debian source packages, each at the version Debian 12 ships for Linux.
qtbase_version=6.4.2+dfsg-10
pugixml_version=1.13-0.2
minizip_version=1.1-8+deb12u1
hunspell_version=1.7.1-1

say() { printf '== %s\n' "$*"; }

install_packages() {
  local packages=(g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev nsis wine wine64
                  dpkg-dev xz-utils ninja-build cmake libgtest-dev qt6-base-dev qt6-base-dev-tools
                  xvfb xauth zip unzip libxml2-utils)
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -ne 0 ]; then
    local sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd=sudo
    say "Installing: ${missing[*]}"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
  fi
}

# apt-get source through a sources list of our own: the machine's apt configuration is never
# touched, and only Debian's archive is asked.
apt_private() {
  local dir="$cache_root/apt"
  mkdir -p "$dir/lists/partial" "$dir/cache/archives/partial"
  cat >"$dir/sources.list" <<'EOF'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
EOF
  apt_options=(-o "Dir::Etc::sourcelist=$dir/sources.list" -o "Dir::Etc::sourceparts=-"
               -o "Dir::State::Lists=$dir/lists" -o "Dir::Cache=$dir/cache"
               -o "APT::Get::List-Cleanup=0" -o "APT::Sandbox::User=root")
  if [ ! -f "$dir/actualizado" ]; then
    apt-get "${apt_options[@]}" update -qq
    touch "$dir/actualizado"
  fi
}

# Unpacks a Debian source package with its patches applied into $2; prints the source folder.
debian_source() {
  local package=$1 version=$2 into=$3
  mkdir -p "$into"
  (cd "$into" && apt-get "${apt_options[@]}" source -qq "$package=$version" >/dev/null 2>&1) || {
    apt_private_refresh
    (cd "$into" && apt-get "${apt_options[@]}" source -qq "$package=$version" >/dev/null)
  }
  find "$into" -mindepth 1 -maxdepth 1 -type d | head -n 1
}
apt_private_refresh() {
  rm -f "$cache_root/apt/actualizado"
  apt_private
}

recipe_qtbase() {
  local src; src=$(debian_source qt6-base "$qtbase_version" "$1/src")
  # Core, Gui, Widgets and Test with the windows platform plugin and the Windows style; the
  # third-party libraries Qt bundles; nothing the program does not use. Debian's source leaves
  # out the Wintab headers, so tablets are off.
  cmake -G Ninja -S "$src" -B "$1/build" -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$2" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DQT_BUILD_BENCHMARKS=OFF -DQT_GENERATE_SBOM=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
    -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=OFF -DFEATURE_openssl=OFF -DFEATURE_icu=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF \
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF \
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF >"$1/configure.log"
  cmake --build "$1/build" -j"$jobs"
  cmake --install "$1/build" >/dev/null
  # The Spanish translations of Qt's own dialogs are the same files for every platform.
  mkdir -p "$2/translations"
  cp /usr/share/qt6/translations/qtbase_es.qm "$2/translations/"
}

recipe_pugixml() {
  local src; src=$(debian_source pugixml "$pugixml_version" "$1/src")
  cmake -G Ninja -S "$src" -B "$1/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$2" -DBUILD_SHARED_LIBS=OFF \
    -DPUGIXML_BUILD_TESTS=OFF >/dev/null
  cmake --build "$1/build" -j"$jobs"
  cmake --install "$1/build" >/dev/null
}

recipe_minizip() {
  local src; src=$(debian_source minizip "$minizip_version" "$1/src")
  # The four sources of the zip and unzip layer, against Debian's zlib for MinGW.
  mkdir -p "$1/obj" "$2/lib/pkgconfig" "$2/include/minizip"
  local f
  for f in ioapi zip unzip iowin32; do
    "$mingw-gcc-posix" -O2 -c "$src/$f.c" -o "$1/obj/$f.o"
  done
  "$mingw-gcc-ar-posix" rcs "$2/lib/libminizip.a" "$1"/obj/*.o
  cp "$src"/{ioapi,zip,unzip,iowin32,crypt}.h "$2/include/minizip/"
  cat >"$2/lib/pkgconfig/minizip.pc" <<EOF
prefix=$2
Name: minizip
Description: Debian's minizip ${minizip_version}, for Windows
Version: 1.1
Requires: zlib
Libs: -L\${prefix}/lib -lminizip
Cflags: -I\${prefix}/include -I\${prefix}/include/minizip
EOF
}

recipe_hunspell() {
  local src; src=$(debian_source hunspell "$hunspell_version" "$1/src")
  # The library's sources alone (no tools, no autotools), static. It opens files through the
  # wide-character calls only under MSVC; MinGW takes them too, so that a dictionary in a folder
  # named in any script opens from its UTF-8 path with the "\\?\" prefix.
  grep -q 'defined(_WIN32) && defined(_MSC_VER)' "$src/src/hunspell/csutil.cxx"
  sed -i 's/defined(_WIN32) && defined(_MSC_VER)/defined(_WIN32)/' "$src/src/hunspell/csutil.cxx"
  mkdir -p "$1/obj" "$2/lib/pkgconfig" "$2/include/hunspell"
  local f
  for f in affentry affixmgr csutil filemgr hashmgr hunspell hunzip phonet replist suggestmgr; do
    "$mingw-g++-posix" -O2 -DHUNSPELL_STATIC -DBUILDING_LIBHUNSPELL -c "$src/src/hunspell/$f.cxx" \
      -o "$1/obj/$f.o"
  done
  "$mingw-gcc-ar-posix" rcs "$2/lib/libhunspell.a" "$1"/obj/*.o
  cp "$src"/src/hunspell/{hunspell.hxx,hunspell.h,hunvisapi.h,w_char.hxx,atypes.hxx} \
    "$2/include/hunspell/"
  cat >"$2/lib/pkgconfig/hunspell.pc" <<EOF
prefix=$2
Name: hunspell
Description: Debian's hunspell ${hunspell_version}, for Windows, static
Version: 1.7.1
Libs: -L\${prefix}/lib -lhunspell
Cflags: -I\${prefix}/include/hunspell -DHUNSPELL_STATIC
EOF
}

recipe_googletest() {
  cmake -G Ninja -S /usr/src/googletest -B "$1/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$2" -DBUILD_GMOCK=OFF >/dev/null
  cmake --build "$1/build" -j"$jobs"
  cmake --install "$1/build" >/dev/null
}

# Builds a library into its cache folder unless it is there already; prints the folder.
library() {
  local name=$1 version=$2
  local key
  key=$( { declare -f "recipe_$name"; cat "$toolchain"; echo "$version";
           "$mingw-g++-posix" -dumpfullversion; } | sha256sum | cut -c1-12)
  local prefix="$cache_root/$name-${version//[^A-Za-z0-9.]/_}-$key"
  if [ ! -f "$prefix/.listo" ]; then
    say "Building $name $version for Windows (once; kept in $prefix)" >&2
    local work="$cache_root/trabajo-$name"
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    "recipe_$name" "$work" "$prefix" >&2
    rm -rf "$work"
    touch "$prefix/.listo"
  fi
  echo "$prefix"
}

build_libraries() {
  install_packages
  apt_private
  qt_prefix=$(library qtbase "$qtbase_version")
  pugixml_prefix=$(library pugixml "$pugixml_version")
  minizip_prefix=$(library minizip "$minizip_version")
  hunspell_prefix=$(library hunspell "$hunspell_version")
  gtest_prefix=$(library googletest "$(dpkg-query -W -f='${Version}' libgtest-dev)")
}

build_libraries
if [ "${1:-}" = "--libraries" ]; then
  exit 0
fi

# The icon is rendered by the tool of a native build.
say "Native icon tool"
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs" --target velorn_renderizar_iconos velorn_prueba_humo >/dev/null

say "Building the program for Windows in $build_dir"
# The toolchain keeps package searches inside the MinGW sysroot; the cached prefixes join it in
# a toolchain of the build's own, so the libraries' keys stay those of the shared toolchain.
# A fresh cache each time: pkg-config's answers are cached by module name, and would keep naming
# the folder of a library version or recipe that was replaced.
mkdir -p "$build_dir"
rm -f "$build_dir/CMakeCache.txt"
cat >"$build_dir/toolchain.cmake" <<EOF
include("$toolchain")
list(PREPEND CMAKE_FIND_ROOT_PATH "$qt_prefix" "$pugixml_prefix" "$gtest_prefix" "$minizip_prefix"
             "$hunspell_prefix")
EOF
PKG_CONFIG_LIBDIR="$minizip_prefix/lib/pkgconfig:$hunspell_prefix/lib/pkgconfig:/usr/$mingw/lib/pkgconfig" \
PKG_CONFIG_SYSROOT_DIR="" \
cmake -G Ninja -S . -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$build_dir/toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_PREFIX_PATH="$qt_prefix;$pugixml_prefix;$gtest_prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DVELORN_RENDERIZAR_ICONOS="$source_dir/build/velorn_renderizar_iconos" >/dev/null
cmake --build "$build_dir" -j"$jobs"

say "Packing the setup and the zip"
(cd "$build_dir" && cpack -G NSIS >/dev/null && cpack -G ZIP >/dev/null)
ls -l "$build_dir"/velorn-*-windows-*.{exe,zip}
