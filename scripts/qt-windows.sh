#!/usr/bin/env bash
# Builds the static Qt for Windows that `make windows` links Gridora against, once, and keeps it.
# The sources are the very versions of this Debian release's Qt that the host's Qt tools (moc, rcc,
# lrelease, qsb) come from, fetched with `apt-get source` from Debian's own mirror through a private
# deb-src list. Built with mingw-w64's posix-thread compilers: qtbase, then qtmultimedia.
#
#   scripts/qt-windows.sh      prints the folder of the finished Qt (building it first if needed)
#
# GRIDORA_QT_WINDOWS sets the folder (default ~/.cache/gridora/qt-windows-<release>); its Qt is in
# prefix/, with a stamp for each module in prefix/stamps. GRIDORA_DEBIAN_MIRROR names the mirror
# to fetch from (default: the one apt uses for Debian itself).
#
# Sturdy on purpose: a module's build tree is kept until the module is installed, so a build that
# was stopped goes on where it stopped; once installed, its sources and build tree are deleted, and
# the folder holds only the finished Qt (about 135 MB). A change to a module's recipe, or a new
# version of the host's Qt, builds that module and the ones after it again. One run at a time: a
# second waits for the first.
set -euo pipefail
. /etc/os-release
cache=${GRIDORA_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/gridora/qt-windows-$VERSION_CODENAME}
prefix=$cache/prefix
say() { echo "qt-windows: $*" >&2; }

# The modules in build order, each with its Debian source package, the host package whose version
# it must match, and its recipe's number: raise a number when its module's options below change.
# Qt Shader Tools is not built for Windows: qtmultimedia needs of it only the host's qsb, whose
# version its stamp carries (see the stand-in below).
modules=(qtbase qtmultimedia)
declare -A package=([qtbase]=qt6-base [qtmultimedia]=qt6-multimedia)
declare -A host=([qtbase]=qt6-base-dev [qtmultimedia]=qt6-multimedia-dev)
declare -A recipe=([qtbase]=5 [qtmultimedia]=4)
declare -A version stamp
qsb=$(dpkg-query -W -f '${source:Version}' qt6-shadertools-dev 2>/dev/null) \
    || { say "qt6-shadertools-dev is not installed: run scripts/install-deps.sh --windows"; exit 1; }
previous=""
for m in "${modules[@]}"; do
    version[$m]=$(dpkg-query -W -f '${source:Version}' "${host[$m]}" 2>/dev/null) \
        || { say "${host[$m]} is not installed: run scripts/install-deps.sh --windows"; exit 1; }
    # A module's stamp carries its own recipe and version and those of every module before it.
    stamp[$m]="$previous${package[$m]}=${version[$m]} recipe ${recipe[$m]}"
    [ "$m" != qtmultimedia ] || stamp[$m]+=" qsb $qsb"
    previous="${stamp[$m]}; "
done
built() { [ "$(cat "$prefix/stamps/$1" 2>/dev/null)" = "${stamp[$1]}" ]; }
ready() { for m in "${modules[@]}"; do built "$m" || return 1; done; }
if ready; then echo "$prefix"; exit 0; fi

mkdir -p "$cache"
exec 9>"$cache/lock"
if ! flock -n 9; then
    say "another run is building Qt for Windows in $cache; waiting for it to finish"
    flock 9
    if ready; then echo "$prefix"; exit 0; fi
fi

# Everything the build itself prints goes to a log; the steps and their times go to stderr, and
# stdout carries only the answer.
log=$cache/build.log
: >"$log"
step() {
    local what=$1; shift
    local start=$SECONDS
    say "$what ..."
    "$@" >>"$log" 2>&1 || { tail -n 30 "$log" >&2; say "$what failed; the whole output is in $log"; exit 1; }
    say "$what: $((SECONDS - start)) s"
}
say "building Qt for Windows into $cache (about 35 minutes on 2 cores the first time; later builds reuse it)"

# Debian's own mirror: the one apt takes this release's main packages from, by its release file's
# origin and label (so not a third-party or a security archive, nor an entry with Enabled: no),
# with the key that entry is signed by.
mirror=${GRIDORA_DEBIAN_MIRROR:-$(apt-cache policy 2>/dev/null | awk -v suite="$VERSION_CODENAME/main" '
    $2 ~ /:\/\// && $3 == suite { uri = $2; next }
    uri && /release / && /o=Debian,/ && /l=Debian,/ { print uri; exit }
    { uri = "" }')}
[ -n "$mirror" ] || { say "apt knows no Debian mirror for $VERSION_CODENAME: run apt-get update, or set GRIDORA_DEBIAN_MIRROR"; exit 1; }
key=$(awk -v uri="$mirror" -v suite="$VERSION_CODENAME" '
    /^deb / && index($0, " " uri " ") && index($0, " " suite " ") { if (match($0, /signed-by=[^] ]+/)) print substr($0, RSTART + 10, RLENGTH - 10) }
    /^URIs:/ { u = index($0, uri) } /^Suites:/ { s = (" " $0 " ") ~ (" " suite " ") } /^Signed-By: \// { k = $2 }
    /^$/ { if (u && s && k) print k; u = s = k = "" } END { if (u && s && k) print k }' \
    $(ls /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null) | head -n 1)
[ -n "$key" ] || key=$(ls /usr/share/keyrings/debian-archive-keyring.{pgp,gpg} 2>/dev/null | head -n 1 || true)
apt=$cache/apt
mkdir -p "$apt/lists/partial" "$apt/archives/partial"
printf 'deb-src %s%s %s main\n' "${key:+[signed-by=$key] }" "$mirror" "$VERSION_CODENAME" >"$apt/sources.list"
aptget() {
    apt-get -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null \
        -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt" -o Debug::NoLocking=1 \
        -o APT::Sandbox::User="$(id -un)" "$@"
}
updated=false
# fetch MODULE: sets src to the module's unpacked sources, fetched at the host's version if not
# already there.
fetch() {
    local dir=$cache/src-$1 pkg=${package[$1]}=${version[$1]}
    if [ ! -f "$dir/unpacked" ]; then
        $updated || { step "fetching the source lists of $mirror ($VERSION_CODENAME)" aptget update; updated=true; }
        rm -rf "$dir" && mkdir -p "$dir"
        if ! (cd "$dir" && aptget source "$pkg") >>"$log" 2>&1; then
            say "cannot fetch $pkg from $mirror: $(grep -m1 -oE '(Failed to fetch|Unable to find|Can.t find).*' "$log" || echo 'see the log')"
            say "the host's Qt and the mirror must agree: apt-get update && apt-get install ${host[$1]}"
            exit 1
        fi
        rm -f "$dir"/*.tar.* "$dir"/*.dsc
        touch "$dir/unpacked"
    fi
    src=$(find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1)
}

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

# What each module is built with. The game needs of Qt a window, option buttons, a check box, a
# button, a line edit, frames, a timer, painting, a message box and a sound effect; everything Qt
# builds beyond that is time on every new machine and bytes in gridora.exe.
declare -A options
options[qtbase]="-DFEATURE_optimize_size=ON"                  # -Os: Qt is a quarter smaller
# Out, as the game never uses them:
options[qtbase]+=" -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF"
options[qtbase]+=" -DFEATURE_openssl=OFF"                      # no network is used; Windows has schannel anyway
options[qtbase]+=" -DFEATURE_tabletevent=OFF"                  # needs wintab, which Debian's tarball lacks
options[qtbase]+=" -DINPUT_opengl=no"                          # the game paints with QPainter on plain widgets
options[qtbase]+=" -DFEATURE_direct2d1_1=OFF"                 # the Direct2D platform plugin, never linked
# Direct2D itself stays: Qt 6.4 builds its DirectWrite font engine only with it, and without that
# engine Windows hints the captions to whole pixels across too, and they no longer fit.
options[qtbase]+=" -DFEATURE_freetype=OFF"                     # Windows draws text with its own engines (GDI, DirectWrite)
options[qtbase]+=" -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF" # pictures are PNG; the exe's icon is a resource
options[qtbase]+=" -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF"
options[qtbase]+=" -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF"
options[qtbase]+=" -DFEATURE_networklistmanager=OFF"           # the network-information plugin
options[qtbase]+=" -DFEATURE_system_zlib=OFF -DFEATURE_zstd=OFF" # Qt's own zlib; no zstd for mingw
# Kept, as the game needs them: network (Qt Multimedia links it), concurrent (its Windows plugin
# includes it), the session manager (logging off still removes the cue file), accessibility (the
# board for screen readers), PNG, HarfBuzz and the text classes (the captions, the message box,
# the line edit), testlib (the tests built for Windows), and Windows' own font engines.
# Windows Media Foundation plays the cues; FFmpeg would be a large second backend.
options[qtmultimedia]="-DFEATURE_ffmpeg=OFF -DFEATURE_spatialaudio=OFF"

host_cmake=$(dirname "$(dpkg -L qt6-base-dev | grep -m1 '/cmake/Qt6/Qt6Config.cmake$')")/..
# A stand-in for Qt Shader Tools: qtmultimedia asks for it only to compile its shaders with the
# host's qsb, through the functions of the host's Qt6ShaderToolsTools, which this loads, under the
# host's version. So the mirror's qt6-shadertools sources are not needed (Debian 13's answer 404).
standin=$cache/shadertools
mkdir -p "$standin"
cp "$host_cmake"/Qt6ShaderTools/Qt6ShaderToolsConfigVersion*.cmake "$standin/"
cat >"$standin/Qt6ShaderToolsConfig.cmake" <<'EOF'
set(__qt_ShaderTools_tool_deps "Qt6ShaderToolsTools\;${Qt6ShaderTools_VERSION}")
_qt_internal_find_tool_dependencies(ShaderTools __qt_ShaderTools_tool_deps)
EOF
options[qtmultimedia]+=" -DQt6ShaderTools_DIR=$standin"
stale=false
for m in "${modules[@]}"; do
    if ! $stale && built "$m"; then continue; fi
    # This module and every one after it are built again; a new qtbase starts from an empty prefix,
    # so that nothing of an older Qt is left in it.
    stale=true
    rm -f "$prefix/stamps/$m"
    [ "$m" != qtbase ] || rm -rf "$prefix"
    build=$cache/build-$m
    if [ "$(cat "$build/stamp" 2>/dev/null)" != "${stamp[$m]}" ]; then
        rm -rf "$build" "$cache/src-$m"
    fi
    fetch "$m"
    if [ "$m" = qtmultimedia ]; then
        # Qt 6.4's Windows audio output asks for "Mfplat.dll" where Qt adds ".dll" itself, finds no
        # Media Foundation, cannot convert a sound to the device's format, and so plays no sound
        # effect at all, on Windows as under Wine. Later Qt names the library without the ending.
        wmf=$src/src/multimedia/windows/qwindowsmediafoundation_p.h
        [ ! -f "$wmf" ] || sed -i 's/QStringLiteral("Mfplat.dll")/QStringLiteral("Mfplat")/' "$wmf"
    fi
    if [ ! -f "$build/build.ninja" ]; then
        rm -rf "$build"
        # shellcheck disable=SC2086 # the options are words
        step "configuring $m ${version[$m]}" cmake -S "$src" -B "$build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
            -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
            -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF ${options[$m]}
        echo "${stamp[$m]}" >"$build/stamp"
    else
        say "going on with the build of $m where it stopped"
    fi
    if [ "$m" = qtmultimedia ] && ! grep -q 'Windows Media Foundation.*yes' "$build/config.summary"; then
        say "qtmultimedia was configured without Windows Media Foundation: no sound"; exit 1
    fi
    step "building $m" cmake --build "$build" --parallel "$(nproc)"
    step "installing $m" cmake --install "$build"
    mkdir -p "$prefix/stamps"
    echo "${stamp[$m]}" >"$prefix/stamps/$m"
    rm -rf "$build" "$cache/src-$m"
done
rm -rf "$apt"
say "Qt for Windows is ready in $prefix ($(du -sh "$prefix" | cut -f1))"
echo "$prefix"
