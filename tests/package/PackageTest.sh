#!/usr/bin/env bash
# Usage: PackageTest.sh BUILD-FOLDER VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
expect_equal() {  # what, expected, actual
  [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

echo "== cpack =="
cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; exit 1; }
deb="$work/out/kestrova_${version}_amd64.deb"
[ -f "$deb" ] || { ls "$work/out" >&2; fail "no $(basename "$deb")"; exit 1; }

echo "== dpkg-deb -c =="
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/files"
cat "$work/files"
for path in /usr/bin/kestrova /usr/bin/kestrova-cli /usr/bin/kestrova-sim \
  /usr/share/applications/kestrova.desktop /usr/share/mime/packages/kestrova.xml \
  /usr/share/icons/hicolor/scalable/apps/kestrova.svg \
  /usr/share/icons/hicolor/scalable/mimetypes/application-x-kestrova-project.svg \
  /usr/share/man/man1/kestrova.1.gz /usr/share/man/man1/kestrova-cli.1.gz \
  /usr/share/man/man1/kestrova-sim.1.gz /usr/share/bash-completion/completions/kestrova-cli \
  "/usr/lib/systemd/user/kestrova-rank@.service" /usr/share/kestrova/demo/demo-scenario.json \
  /usr/share/kestrova/demo/run-demo /usr/share/doc/kestrova/copyright \
  /usr/share/doc/kestrova/changelog.gz; do
  grep -qxF "$path" "$work/files" || fail "the package lacks $path"
done
if grep -vE '^/usr/(bin|lib/systemd/user|share)/' "$work/files" | grep -v '/$' | grep -q .; then
  fail "files outside /usr/bin, /usr/share and the user units: $(grep -vE '^/usr/(bin|lib/systemd/user|share)/' "$work/files" | grep -v '/$')"
fi
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libstdc++6 libqt6core6 libqt6widgets6; do
  [[ $depends == *"$library "* ]] || fail "Depends does not name $library (dpkg-shlibdeps)"
done

echo "== lintian =="
lintian --fail-on error "$deb" || fail "lintian found errors"

root="$work/root"
dpkg-deb -x "$deb" "$root"

echo "== desktop-file-validate =="
desktop-file-validate "$root/usr/share/applications/kestrova.desktop" ||
  fail "desktop-file-validate"

echo "== the file type and the association in a desktop of its own =="
data="$work/desktop/data"
mkdir -p "$data/mime" "$work/desktop/config" "$work/desktop/etc"
cp -r "$root/usr/share/applications" "$root/usr/share/icons" "$data/"
cp -r "$root/usr/share/mime/packages" "$data/mime/"
update-mime-database "$data/mime" 2>/dev/null
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION KDE_SESSION_VERSION \
  GNOME_DESKTOP_SESSION_ID MATE_DESKTOP_SESSION_ID XDG_MENU_PREFIX DISPLAY DBUS_SESSION_BUS_ADDRESS
export HOME="$work/desktop" XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$work/desktop/config" \
  XDG_CONFIG_DIRS="$work/desktop/etc" XDG_DATA_DIRS=/usr/share PATH="$root/usr/bin:$PATH"
: >"$work/some.rnk"
printf '"01.26"\r\n"www.example.com"\r\n' >"$work/project-without-extension"
printf '"01.26 is not a version line\r\n' >"$work/lookalike"
expect_equal "filetype of some.rnk" application/x-kestrova-project \
  "$(xdg-mime query filetype "$work/some.rnk")"
expect_equal "filetype by the first line" application/x-kestrova-project \
  "$(xdg-mime query filetype "$work/project-without-extension")"
expect_equal "filetype of a look-alike" text/plain "$(xdg-mime query filetype "$work/lookalike")"

# Another program owns the type first, so the offer has to change it.
mkdir -p "$work/desktop/bin"
printf '#!/bin/sh\n' >"$work/desktop/bin/otherapp" && chmod +x "$work/desktop/bin/otherapp"
printf '[Desktop Entry]\nType=Application\nName=Other\nExec=%s %%f\nMimeType=application/x-kestrova-project;\n' \
  "$work/desktop/bin/otherapp" >"$data/applications/otherapp.desktop"
xdg-mime default otherapp.desktop application/x-kestrova-project
expect_equal "owner before the offer" otherapp.desktop \
  "$(xdg-mime query default application/x-kestrova-project)"
kestrova-cli associate >/dev/null || fail "kestrova-cli associate"
expect_equal "owner after the offer" kestrova.desktop \
  "$(xdg-mime query default application/x-kestrova-project)"
expect_equal "the installed program reads it back" kestrova.desktop \
  "$(kestrova-cli associate --show)"

echo "== the programs answer without a display =="
expect_equal "kestrova --version" "kestrova 01.26" "$(kestrova --version)"
kestrova --help | grep -q "^Usage: kestrova" || fail "kestrova --help"

echo "== manual pages =="
if command -v man >/dev/null; then
  for page in "$root"/usr/share/man/man1/*.1.gz; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
    MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q "^NAME" || fail "$(basename "$page") shows no NAME"
  done
  MANWIDTH=80 man -l "$root/usr/share/man/man1/kestrova-cli.1.gz" 2>/dev/null | grep -q "schedule" ||
    fail "kestrova-cli(1) does not describe schedule"
else
  echo "man is not installed: the pages were not rendered"
fi

echo "== Tab completion =="
completion=/usr/share/bash-completion/bash_completion
if [ -f "$completion" ]; then
  completed=$(bash -c '
    source "$1"; source "$2"
    try() { COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMP_LINE="$*"
            COMP_POINT=${#COMP_LINE}; COMPREPLY=(); _kestrova_cli; echo "${COMPREPLY[*]}"; }
    try kestrova-cli sch; try kestrova-cli schedule --we; try kestrova-cli schedule x.rnk --weekly S
  ' - "$completion" "$root/usr/share/bash-completion/completions/kestrova-cli")
  expect_equal "completion" $'schedule\n--weekly\nSat Sun' "$completed"
else
  echo "bash-completion is not installed: completion was not tried"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package: every check passed"
