#!/usr/bin/env bash
# Cross-builds, for 64-bit Windows with mingw-w64, what the program links: SQLite, OpenSSL, libpq,
# libxlsxwriter (with mingw-w64's zlib) and Qt's base modules. Everything comes from Debian's own
# source packages at the versions below (apt-get source; a deb-src entry is added when missing), so
# nothing is downloaded but Debian's packages. The result lands in a cache outside the clone whose
# name holds the versions and a hash of this script, its patches and the toolchain file: a change
# to any of them builds a new cache, an unchanged one is reused as it is.
# Prints the cache's prefix (what CMAKE_PREFIX_PATH needs) as its last line.
set -euo pipefail
shopt -s nullglob
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

qt_version=6.4.2+dfsg-10
sqlite_version=3.40.1-2+deb12u2
openssl_version=3.0.17-1~deb12u2
postgresql_version=15.18-0+deb12u1
xlsxwriter_version=1.1.4-2

toolchain=$root/tools/mingw-w64.cmake
key=$(cat "$0" "$here"/*.patch "$toolchain" | sha256sum | cut -c1-12)
cache=${SCALE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/scale-utility/windows-qt${qt_version%%+*}-sqlite${sqlite_version%%-*}-openssl${openssl_version%%-*}-pq${postgresql_version%%-*}-xlsxwriter${xlsxwriter_version%%-*}-$key}
prefix=$cache/prefix
if [ -f "$cache/done" ]; then
    echo "$prefix"
    exit 0
fi
jobs=$(nproc)
work=$cache/work
mkdir -p "$prefix/bin" "$prefix/lib" "$prefix/include" "$work"
log=$cache/build.log
echo "-- building the Windows libraries into $cache (log: $log)" >&2
start=$(date +%s)

# The sources: a deb-src entry beside the deb one, then the pinned versions. Debian's own
# patches are applied by dpkg-source as apt-get source unpacks.
# The system's files are changed with sudo when not root, as tools/setup.sh installs packages.
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if ! grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        $sudo tee /etc/apt/sources.list.d/scale-utility-src.sources >/dev/null
    $sudo apt-get update -qq
fi
# A package's unpacked source folder (qt6-base-6.4.2+dfsg), or nothing when it is not there yet.
src() {
    local found=("$work/$1"-*/)
    [ ${#found[@]} -gt 0 ] && echo "${found[0]%/}"
}
cd "$work"
for package in qt6-base=$qt_version sqlite3=$sqlite_version openssl=$openssl_version \
    postgresql-15=$postgresql_version libxlsxwriter=$xlsxwriter_version; do
    [ -n "$(src "${package%%=*}")" ] || apt-get source -qq "$package" >>"$log" 2>&1 ||
        { echo "apt-get source $package failed (see $log)" >&2; exit 1; }
done

cc=x86_64-w64-mingw32-gcc-posix
export PATH=$prefix/bin:$PATH

# Each step leaves a stamp, so a run that stopped part way goes on from where it stopped.
step() {
    local name=$1
    [ -f "$cache/stamp-$name" ] && return
    echo "-- $name" >&2
    # In a subshell of its own with -e, so that the first failing command ends the step: behind || or
    # an if, bash ignores -e and goes on, installing what was not built.
    set +e
    (set -e; "build_$name") >>"$log" 2>&1
    local status=$?
    set -e
    if [ "$status" != 0 ]; then
        echo "building $name failed; the end of $log:" >&2
        tail -30 "$log" >&2
        exit 1
    fi
    touch "$cache/stamp-$name"
}

build_sqlite() {
    # The amalgamation is generated on this machine (tclsh), then compiled once as a DLL.
    local s
    s=$(src sqlite3)
    mkdir -p "$work/sqlite-host"
    cd "$work/sqlite-host"
    "$s/configure" --disable-tcl >/dev/null
    make sqlite3.c
    $cc -O2 -shared -DSQLITE_THREADSAFE=1 -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_ENABLE_UNLOCK_NOTIFY \
        -DSQLITE_ENABLE_FTS5 -DSQLITE_ENABLE_JSON1 sqlite3.c -o "$prefix/bin/libsqlite3-0.dll" \
        -Wl,--out-implib,"$prefix/lib/libsqlite3.dll.a"
    cp sqlite3.h sqlite3ext.h "$prefix/include/"
}

build_openssl() {
    # Only the libraries: libpq needs them for its TLS connections.
    cd "$(src openssl)"
    ./Configure mingw64 shared no-tests --prefix="$prefix" --libdir=lib \
        --cross-compile-prefix=x86_64-w64-mingw32- CC=gcc-posix CXX=g++-posix
    make -j"$jobs" build_libs
    make install_dev install_runtime_libs
}

build_libpq() {
    local s
    s=$(src postgresql-15)
    mkdir -p "$work/pq-build"
    cd "$work/pq-build"
    "$s/configure" --host=x86_64-w64-mingw32 CC=$cc --prefix="$prefix" --without-readline --without-zlib \
        --without-icu --with-ssl=openssl --with-includes="$prefix/include" --with-libraries="$prefix/lib"
    make -C src/interfaces/libpq -j"$jobs"
    make -C src/interfaces/libpq install
    cp src/include/pg_config.h src/include/pg_config_ext.h "$s/src/include/postgres_ext.h" "$prefix/include/"
    # The DLL goes beside the others, where the program and Qt's driver find it.
    [ -f "$prefix/bin/libpq.dll" ] || cp src/interfaces/libpq/libpq.dll "$prefix/bin/"
}

build_xlsxwriter() {
    cmake -S "$(src libxlsxwriter)" -B "$work/xlsxwriter-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=ON -DUSE_DTOA_LIBRARY=ON
    cmake --build "$work/xlsxwriter-build" -j"$jobs"
    cmake --install "$work/xlsxwriter-build"
    cp /usr/x86_64-w64-mingw32/lib/zlib1.dll "$prefix/bin/"
}

build_qt() {
    # The modules the program uses; the host tools (moc, uic, rcc) are Debian's own of the same
    # version. What the windows plugin needs but the source package lacks is patched out.
    local s
    s=$(src qt6-base)
    for patch in "$here"/qtbase-*.patch; do
        patch -d "$s" -p1 -R -s -f --dry-run <"$patch" >/dev/null || patch -d "$s" -p1 <"$patch"
    done
    cmake -S "$s" -B "$work/qt-build" -G Ninja -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
        ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} \
        ${CMAKE_C_COMPILER_LAUNCHER:+-DCMAKE_C_COMPILER_LAUNCHER=$CMAKE_C_COMPILER_LAUNCHER} \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DINPUT_opengl=no -DFEATURE_direct2d=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_vulkan=OFF -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF \
        -DFEATURE_icu=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_zstd=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_sqlite=ON \
        -DFEATURE_sql_sqlite=ON -DFEATURE_sql_psql=ON -DFEATURE_sql_odbc=OFF -DFEATURE_sql_mysql=OFF \
        -DPostgreSQL_ROOT="$prefix" -DSQLite3_ROOT="$prefix"
    cmake --build "$work/qt-build" -j"$jobs"
    cmake --install "$work/qt-build"
}

step sqlite
step openssl
step libpq
step xlsxwriter
step qt

# Only the installed files are kept: the sources and build folders go.
rm -rf "$work"
echo "$(( ($(date +%s) - start) / 60 )) min, $(du -sh "$prefix" | cut -f1)" >"$cache/done"
echo "-- the Windows libraries took $(cat "$cache/done")" >&2
echo "$prefix"
