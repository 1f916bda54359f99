#!/usr/bin/env bash
# Packs the Windows build for the people who run it: the programs with every DLL they load, Qt's
# plugins and translations, into a folder (build-windows/scale-utility-<version>/), then the 64-bit
# installer (build-windows/scale-utility-setup-<version>.exe) and a zip of the same folder
# (build-windows/scale-utility-<version>-windows-x64.zip) for those who do not install.
# usage: package.sh BUILD_FOLDER PREFIX   (PREFIX: the cross-built libraries, tools/windows/deps.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
prefix=$2

version=$(sed -n 's/^project(ScaleUtility VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
name=scale-utility-$version
stage=$build/$name
rm -rf "$stage"
mkdir -p "$stage"

# Where a DLL the programs import can come from: the cross-built libraries, then mingw-w64's runtime
# (the C++ library, the unwinder, the threads). A DLL found in none of them is Windows' own.
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
search=("$prefix/bin" "$runtime" /usr/x86_64-w64-mingw32/lib)
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
# Windows matches DLL names without regard to case (the programs import LIBPQ.dll, the file is libpq.dll).
find_dll() {
    local folder found
    for folder in "${search[@]}"; do
        found=$(find "$folder" -maxdepth 1 -iname "$1" -print -quit)
        [ -n "$found" ] && echo "$found" && return
    done
    return 0
}
# Copies a program or plugin into the folder, then, once each, every DLL it loads that Windows lacks.
declare -A copied=()
add() {
    local file=$1 into=$2 dll found
    install -m 755 -D "$file" "$into/$(basename "$file")"
    for dll in $(imports "$file"); do
        [ -n "${copied[${dll,,}]:-}" ] && continue
        copied[${dll,,}]=1
        found=$(find_dll "$dll")
        [ -n "$found" ] && add "$found" "$stage"
    done
    return 0
}

for program in scale-utility scalectl scale-sim; do
    [ -f "$build/bin/$program.exe" ] && add "$build/bin/$program.exe" "$stage"
done
# Qt loads these by name from the program's folder: the window on the Windows desktop, its native
# style and the archive's two drivers. Pictures are BMP (the logo) and PNG, which Qt reads itself.
for plugin in platforms/qwindows styles/qwindowsvistastyle sqldrivers/qsqlite sqldrivers/qsqlpsql; do
    add "$prefix/plugins/$plugin.dll" "$stage/${plugin%/*}"
done
# Qt's own texts (its dialogs' buttons) in the program's languages; the program's own are built in.
# qt.conf puts Qt's translation folder beside the program, where Qt's plugins are found too.
mkdir -p "$stage/translations"
for language in cs sk pl hu de; do
    cp /usr/share/qt6/translations/qtbase_"$language".qm "$stage/translations/"
done
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$stage/qt.conf"
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll
for doc in README.md LICENSE; do
    [ -f "$root/$doc" ] && cp "$root/$doc" "$stage/"
done

# What the installer puts where, and what its uninstaller takes away again: file by file, so that
# nothing the program wrote into its folder is lost.
{
    find "$stage" -type d -printf '%P\n' | sort | while read -r folder; do
        printf 'SetOutPath "$INSTDIR%s"\n' "${folder:+\\${folder//\//\\}}"
        find "$stage/$folder" -maxdepth 1 -type f -printf 'File "%p"\n' | sort
    done
} >"$stage.files.nsh"
{
    find "$stage" -type f -printf '%P\n' | sort | sed 's|/|\\|g; s|.*|Delete "$INSTDIR\\&"|'
    find "$stage" -mindepth 1 -type d -printf '%P\n' | sort -r | sed 's|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|'
} >"$stage.uninstall.nsh"

# The installer: NSIS's 64-bit stub, so that it runs where only 64-bit Windows (or Wine) is.
installer=$build/scale-utility-setup-$version.exe
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$installer" "$root/packaging/windows/scale-utility.nsi"
zipfile=$build/$name-windows-x64.zip
rm -f "$zipfile"
(cd "$build" && zip -qr -9 "$zipfile" "$name")
echo "-- $(basename "$installer") $(du -h "$installer" | cut -f1), $(basename "$zipfile") $(du -h "$zipfile" | cut -f1)," \
    "$(find "$stage" -type f | wc -l) files in $stage" >&2
