#!/usr/bin/env bash
# Makes the Debian package of a build with cpack, then checks it: the files `cmake --install`
# installs, all under /usr; a menu entry that points at /usr; maintainer, description, and a
# Depends line with the Qt 6 libraries that dpkg-shlibdeps found in the programs.
set -euo pipefail
build=$(cd "${1:?usage: check_deb.sh BUILD_DIR}" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The manifest of a real install, which uninstalls it, must survive packaging.
manifest=$build/install_manifest.txt
manifest_sum() { if [ -f "$manifest" ]; then cksum <"$manifest"; else echo none; fi; }
before=$(manifest_sum)
log=$(cd "$build" && cpack -G DEB -B "$out" 2>&1) || fail "cpack: $log"
[ "$(manifest_sum)" = "$before" ] || fail "cpack rewrote $manifest"
arch=$(dpkg --print-architecture)
shopt -s nullglob
debs=("$out"/lirvo_*_"$arch".deb)
((${#debs[@]} == 1)) || fail "not one lirvo_<version>_$arch.deb in: $(ls "$out")"
deb=${debs[0]}
[[ $(basename "$deb") =~ ^lirvo_[0-9][0-9.]*_${arch}\.deb$ ]] || fail "package named $(basename "$deb")"
echo "cpack made $(basename "$deb")"

mapfile -t files < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }')
expected=(./usr/bin/lirvo ./usr/bin/lirvo-calc
  ./usr/share/lirvo/{lirvo.rtf,ret1_ver.jpg,t1_ver.jpg,Pil1_ver.jpg}
  ./usr/share/icons/hicolor/scalable/apps/lirvo.svg
  ./usr/share/applications/lirvo.desktop
  ./usr/share/mime/packages/lirvo.xml)
for f in "${expected[@]}"; do
  printf '%s\n' "${files[@]}" | grep -qxF -- "$f" || fail "$f not in the package"
done
for f in "${files[@]}"; do
  printf '%s\n' "${expected[@]}" | grep -qxF -- "$f" || fail "$f in the package, not expected"
done
echo "dpkg-deb -c: the ${#expected[@]} installed files, under /usr, nothing else"

entry=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/lirvo.desktop)
for line in "Exec=/usr/bin/lirvo %f" "Path=/usr/share/lirvo" \
  "Icon=/usr/share/icons/hicolor/scalable/apps/lirvo.svg" "MimeType=application/x-lirvo;"; do
  grep -qxF -- "$line" <<<"$entry" || fail "the package's desktop entry lacks $line: $entry"
done
echo "desktop entry in the package: Exec, Path and Icon under /usr"

info=$(dpkg-deb -I "$deb")
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6; do
  [[ $depends =~ (^|, )$lib( |,|$) ]] || fail "Depends lacks $lib: $depends"
done
grep -q '^ Maintainer: .*<.*@.*>' <<<"$info" || fail "no maintainer: $info"
grep -q '^ Description: .' <<<"$info" || fail "no description: $info"
echo "dpkg-deb -I: Depends: $depends"
