#!/usr/bin/env bash
# Builds the static Qt for Windows that `make windows` links Gridora against, once, and keeps it.
# The sources are the Qt of this Debian release, fetched with `apt-get source` through a private
# deb-src list of the machine's own Debian mirror, so that the host's Qt tools (moc, rcc, lrelease,
# qsb) are the very version of the Qt they serve. Built with mingw-w64's posix-thread compilers:
# qtbase (static, without SQL, D-Bus, OpenSSL or printing), then qtshadertools and qtmultimedia.
#
#   scripts/qt-windows.sh      prints the folder of the finished Qt (building it first if needed)
#
# GRIDORA_QT_WINDOWS sets the folder (default ~/.cache/gridora/qt-windows-<release>); its Qt is in
# prefix/, and a file `done` there says the build finished.
set -euo pipefail
. /etc/os-release
cache=${GRIDORA_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/gridora/qt-windows-$VERSION_CODENAME}
prefix=$cache/prefix
# The recipe's number, in prefix/done: a Qt built by an older recipe is built again.
recipe=2
if [ "$(cat "$prefix/done" 2>/dev/null)" = $recipe ]; then echo "$prefix"; exit 0; fi
say() { echo "qt-windows: $*" >&2; }
# Everything the build itself prints goes to a log; the steps and their times go to stderr, and
# stdout carries only the answer.
mkdir -p "$cache"
log=$cache/build.log
: >"$log"
step() {
    local what=$1; shift
    local start=$SECONDS
    say "$what ..."
    "$@" >>"$log" 2>&1 || { tail -n 30 "$log" >&2; say "$what failed; the whole output is in $log"; exit 1; }
    say "$what: $((SECONDS - start)) s"
}
say "building Qt for Windows once into $cache (about 45 minutes on 2 cores; later builds reuse it)"

# The release's own sources, through a deb-src entry of the mirror this machine installs from.
lists=$(ls /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
mirror=$(awk -v suite="$VERSION_CODENAME" '
    /^deb /     { for (i = 2; i <= NF; i++) if ($i !~ /^\[/ && $i !~ /\]$/) break;
                  if ($(i + 1) == suite) { print $i; exit } }
    /^URIs:/    { uri = $2 }
    /^Suites:/  { for (i = 2; i <= NF; i++) if ($i == suite) found = 1 }
    /^$/        { if (found) { print uri; exit } uri = ""; found = 0 }
    END         { if (found) print uri }' \
    $lists | head -n 1)
[ -n "$mirror" ] || { say "no Debian mirror for $VERSION_CODENAME found in /etc/apt"; exit 1; }
apt=$cache/apt
mkdir -p "$apt/lists/partial" "$apt/archives/partial"
printf 'deb-src %s %s main\n' "$mirror" "$VERSION_CODENAME" >"$apt/sources.list"
aptget() {
    apt-get -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null \
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt" -o Debug::NoLocking=1 \
        -o APT::Sandbox::User="$(id -un)" "$@"
}
src=$cache/src
fetch() ( cd "$src" && aptget source qt6-base qt6-shadertools qt6-multimedia )
if [ ! -f "$src/fetched" ]; then
    step "fetching the package lists of $mirror ($VERSION_CODENAME, sources)" aptget update
    rm -rf "$src" && mkdir -p "$src"
    step "fetching and unpacking qt6-base, qt6-shadertools and qt6-multimedia" fetch
    touch "$src/fetched"
fi
source_of() { find "$src" -maxdepth 1 -type d -name "$1-*" | head -n 1; }

# mingw-w64 names its import libraries and headers in lower case; qtmultimedia asks for some with
# capitals (Mf, Mfplat, Mferror.h, ..., even "QUrl.h" for qurl.h), as Windows' file names ignore
# case. A folder of links under those names lets it find them.
mingw=/usr/x86_64-w64-mingw32
shim=$cache/case-links
mkdir -p "$shim/include" "$shim/lib"
for header in Mferror.h Mfreadwrite.h Wmcodecdsp.h InitGuid.h Dbt.h Functiondiscoverykeys_devpkey.h \
              Mfapi.h Mfidl.h Mfobjects.h Mftransform.h Mmdeviceapi.h Audioclient.h Propvarutil.h; do
    lower=$mingw/include/${header,,}
    [ -e "$lower" ] && ln -sfn "$lower" "$shim/include/$header"
done
ln -sfn "$prefix/include/QtCore/qurl.h" "$shim/include/QUrl.h"
for lib in "$mingw"/lib/libmf*.a "$mingw"/lib/libwmcodecdspuuid.a "$mingw"/lib/libstrmiids.a \
           "$mingw"/lib/libdmoguids.a "$mingw"/lib/libmsdmo.a "$mingw"/lib/libole32.a \
           "$mingw"/lib/libuuid.a "$mingw"/lib/libpropsys.a "$mingw"/lib/libksuser.a; do
    [ -e "$lib" ] || continue
    base=$(basename "$lib" .a); base=${base#lib}
    ln -sfn "$lib" "$shim/lib/lib${base^}.a"
done

toolchain=$cache/toolchain.cmake
cat >"$toolchain" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH $mingw $prefix $shim)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_C_FLAGS_INIT "-isystem $shim/include")
set(CMAKE_CXX_FLAGS_INIT "-isystem $shim/include")
EOF

host_cmake=$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")/..
module() {
    local name=$1; shift
    local build=$cache/build-$name
    rm -rf "$build"
    step "configuring $name" cmake -S "$(source_of "qt6-${name#qt}")" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF "$@"
    step "building $name" cmake --build "$build" --parallel "$(nproc)"
    step "installing $name" cmake --install "$build"
}
[ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] || module qtbase \
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_openssl=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_opengl=ON -DFEATURE_system_zlib=OFF -DFEATURE_zstd=OFF
[ -f "$prefix/lib/cmake/Qt6ShaderTools/Qt6ShaderToolsConfig.cmake" ] || module qtshadertools
# Qt 6.4's Windows audio output asks for "Mfplat.dll" where Qt adds ".dll" itself, finds no
# Media Foundation, cannot convert a sound to the device's format, and so plays no sound effect
# at all, on Windows as under Wine. Later Qt names the library without the ending.
wmf=$(source_of qt6-multimedia)/src/multimedia/windows/qwindowsmediafoundation_p.h
[ ! -f "$wmf" ] || sed -i 's/QStringLiteral("Mfplat.dll")/QStringLiteral("Mfplat")/' "$wmf"
module qtmultimedia -DFEATURE_ffmpeg=OFF
grep -q 'Windows Media Foundation.*yes' "$cache/build-qtmultimedia/config.summary" 2>/dev/null \
    || { say "qtmultimedia was configured without Windows Media Foundation: no sound"; exit 1; }
echo $recipe >"$prefix/done"
say "Qt for Windows is ready in $prefix"
echo "$prefix"
