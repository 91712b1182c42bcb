#!/usr/bin/env bash
# Packages the built tree with scripts/package and checks the .deb as apt,
# desktops and lintian see it: control fields, the file list, the programs
# finding their data where the package puts it, icon sizes, the desktop
# files' validators and lintian's verdict. Exits 77 (skipped) without
# dpkg-deb.
#   package_check.sh SOURCE_DIR BUILD_DIR WORK_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
work=$3
command -v dpkg-deb > /dev/null || { echo "dpkg-deb fehlt: übersprungen"; exit 77; }

rm -rf "$work"
mkdir -p "$work"
deb=$("$source_dir/scripts/package" --no-build --build-dir "$build_dir" --outdir "$work")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "vendaro_${version}_${arch}.deb" ] || { echo "Paketname $deb" >&2; exit 1; }

failures=0
fail() { echo "FEHLER: $*" >&2; failures=$((failures + 1)); }

# Control fields.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = vendaro ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), gebaut ist $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
for needed in libc6 libqt6widgets6 libqt6printsupport6 libfontconfig1 libharfbuzz-subset0 \
              fonts-liberation fonts-dejavu-core fonts-urw-base35 fonts-opensymbol; do
  [[ ", $depends," == *", $needed "* || ", $depends," == *", $needed,"* ]] || fail "Depends ohne $needed: $depends"
done

# The file list: everything the installation needs, nothing outside /usr,
# and no desktop cache that the target system builds itself.
files=$(dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./||')
expected=(usr/bin/vendaro usr/bin/vendaro-window
          usr/share/vendaro/german.spe usr/share/vendaro/english.spe usr/share/vendaro/german0.hyp
          usr/share/vendaro/english0.hyp usr/share/vendaro/normal.lpw
          usr/share/applications/vendaro.desktop usr/share/mime/packages/vendaro.xml
          usr/share/metainfo/org.vendaro.Vendaro.metainfo.xml
          usr/share/man/man1/vendaro.1.gz usr/share/man/man1/vendaro-window.1.gz
          usr/share/doc/vendaro/copyright usr/share/doc/vendaro/changelog.gz
          usr/share/icons/hicolor/scalable/apps/vendaro.svg
          usr/share/icons/hicolor/scalable/mimetypes/application-x-lumen-praxiva.svg)
for size in 48 128 256; do
  expected+=(usr/share/icons/hicolor/${size}x${size}/apps/vendaro.png
             usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-lumen-praxiva.png)
done
for file in "${expected[@]}"; do
  grep -qxF "$file" <<< "$files" || fail "im Paket fehlt $file"
done
stray=$(grep -vE '^(usr/|$)' <<< "$files" || true)
[ -z "$stray" ] || fail "außerhalb von /usr: $stray"
caches=$(grep -E '^usr/share/(mime/.+|applications/.+)$' <<< "$files" |
         grep -vE '/$|^usr/share/mime/packages/|^usr/share/applications/vendaro.desktop$' || true)
[ -z "$caches" ] || fail "Caches im Paket: $caches"

# The installed programs: the version apt shows, and the data found beside
# /usr/bin without the build tree's help.
root=$work/root
dpkg-deb --extract "$deb" "$root"
[ "$(env -u VENDARO_PROGRAM_DIR "$root/usr/bin/vendaro" --version)" = "vendaro $version" ] ||
  fail "vendaro --version: $("$root/usr/bin/vendaro" --version)"
dump=$(env -u VENDARO_PROGRAM_DIR "$root/usr/bin/vendaro" --dump "$root/usr/share/vendaro/normal.lpw") || true
[[ $dump == *'"FieldCount"'* ]] || fail "das installierte vendaro liest seine Startvorlage nicht"

# Each PNG has the size of its folder (width and height from the IHDR chunk).
for png in "$root"/usr/share/icons/hicolor/*x*/*/*.png; do
  size=$(basename "$(dirname "$(dirname "$png")")")
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "${width}x${height}" = "$size" ] || fail "$png ist ${width}x${height}"
done

# The desktop's own validators.
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$root/usr/share/applications/vendaro.desktop" || fail "desktop-file-validate"
fi
metainfo=$root/usr/share/metainfo/org.vendaro.Vendaro.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
newest_release=$(grep -oE '<release version="[^"]+"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest_release" = "$version" ] || fail "metainfo nennt als neueste Ausgabe $newest_release, nicht $version"

# lintian's verdict: no errors (its other findings are shown).
lintian --fail-on error "$deb" || fail "lintian meldet Fehler"

[ "$failures" = 0 ] || exit 1
echo "$(basename "$deb"): $(wc -l <<< "$files") Einträge geprüft"
