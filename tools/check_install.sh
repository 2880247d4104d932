#!/usr/bin/env bash
# Installs a build into a fresh prefix, checks what lands where, starts the window as its menu
# entry does (in the entry's folder, since the program reads its files by bare name), and
# uninstalls it again through the install manifest.
set -euo pipefail
build=$(cd "${1:?usage: check_install.sh BUILD_DIR}" && pwd)
manifest=$build/install_manifest.txt
prefix=$(mktemp -d)
unset DESTDIR # the paths checked below are those of a real install, not a staged one
# The install below rewrites the build's manifest; keep the one of a real install, which is
# what uninstalls it.
saved=$(mktemp)
if [ -f "$manifest" ]; then cp "$manifest" "$saved"; else rm "$saved"; fi
restore() {
  rm -rf "$prefix"
  if [ -f "$saved" ]; then mv "$saved" "$manifest"; else rm -f "$manifest"; fi
}
trap restore EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

out=$(cmake --install "$build" --prefix "$prefix" 2>&1) || fail "cmake --install: $out"
echo "installed $build into $prefix"

entry=$prefix/share/applications/lirvo.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/lirvo.svg
mime=$prefix/share/mime/packages/lirvo.xml
for f in bin/lirvo bin/lirvo-calc share/lirvo/{lirvo.rtf,ret1_ver.jpg,t1_ver.jpg,Pil1_ver.jpg}; do
  [ -f "$prefix/$f" ] || fail "$f not installed"
done
[ -f "$icon" ] || fail "icon not installed"
[ -f "$entry" ] || fail "desktop entry not installed"
[ -f "$mime" ] || fail "type of the case files not installed"
echo "programs, help file, pictures, icon, file type and desktop entry in place"

# A key's value, with the string escape \\ undone.
key() {
  local v
  v=$(sed -n "s/^$1=//p" "$entry")
  [ -n "$v" ] || fail "no $1= in the desktop entry"
  printf '%s' "${v//\\\\/\\}"
}
# Exec= holds the program and the file to open: drop %f, undo the program's command-line
# quoting and the %% escape.
program=$(key Exec)
[[ $program == *" %f" ]] || fail "Exec=$program does not take a file (%f)"
program=${program% %f}
if [[ $program == \"*\" ]]; then
  program=$(sed -E 's/\\([\\"`$])/\1/g' <<<"${program:1:-1}")
fi
program=${program//%%/%}
path=$(key Path)
icon_key=$(key Icon)
[[ $program == "$prefix"/* && $program -ef $prefix/bin/lirvo ]] || fail "Exec=$program"
[[ $path == "$prefix"/* && -f $path/lirvo.rtf && -f $path/ret1_ver.jpg ]] || fail "Path=$path"
[[ $icon_key == "$prefix"/* && $icon_key -ef $icon ]] || fail "Icon=$icon_key"
[ "$(key MimeType)" = "application/x-lirvo;" ] || fail "MimeType=$(key MimeType)"
echo "desktop entry: Exec, Path and Icon point at the installed files; it opens case files"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "desktop-file-validate"
  echo "desktop-file-validate: no errors"
else
  echo "desktop-file-validate not found: entry not validated"
fi

# The file type as a desktop builds it, in a copy: the database is no installed file.
if command -v update-mime-database >/dev/null; then
  database=$(mktemp -d)
  cp -r "$prefix/share/mime/." "$database"
  out=$(update-mime-database "$database" 2>&1) || fail "update-mime-database: $out"
  grep -q '^50:application/x-lirvo:\*\.lirvo$' "$database/globs2" || fail "*.lirvo not in globs2"
  rm -rf "$database"
  echo "update-mime-database: *.lirvo is application/x-lirvo"
else
  echo "update-mime-database not found: file type not checked"
fi

"$prefix/bin/lirvo-calc" 1 --example >/dev/null || fail "installed lirvo-calc 1 --example: exit $?"
echo "installed lirvo-calc 1 --example: exit 0"

# Still running after 3 s (timeout's 124) means the window came up and did not fail.
status=0
(cd "$path" && QT_QPA_PLATFORM=offscreen timeout 3 "$program") || status=$?
[ "$status" -eq 124 ] || fail "the program started from the desktop entry ended with $status"
echo "started from the desktop entry: still running after 3 s"

mapfile -t installed <"$manifest"
for f in "${installed[@]}"; do
  [[ $f == "$prefix"/* ]] || fail "install_manifest.txt lists $f, outside $prefix"
done
rm -f -- "${installed[@]}"
left=$(find "$prefix" ! -type d)
[ -z "$left" ] || fail "left after removing what install_manifest.txt lists: $left"
echo "uninstalled: the ${#installed[@]} files of install_manifest.txt removed, nothing left"
