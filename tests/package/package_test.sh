#!/usr/bin/env bash
# Builds the Debian package and checks it: its files (tests/package/expected-files.txt),
# its dependencies, lintian, desktop-file-validate and appstreamcli validate; then
# unpacks it into a scratch root and runs the tools and the window from there.
# Run from the repository's top (scripts/test.sh does).
set -euo pipefail
cd "$(dirname "$0")/../.."
package=$(scripts/package.sh | tail -n 1)
echo "package: $package"

fail() { echo "package test: $*" >&2; exit 1; }

# Files: exactly the expected ones (folders aside).
diff -u tests/package/expected-files.txt \
        <(dpkg-deb --fsys-tarfile "$package" | tar -t | grep -v '/$' | sed 's|^\./|/|' | sort) \
  || fail "the package's files differ from tests/package/expected-files.txt"

# Dependencies found by dpkg-shlibdeps, Qt among them.
depends=$(dpkg-deb -f "$package" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "unexpected Depends: $depends"

# lintian: no error and no warning (its notes are informational).
lintian_output=$(lintian --fail-on error,warning "$package" 2>&1) || { echo "$lintian_output"; fail "lintian"; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$package" "$scratch/root"
root=$scratch/root
desktop-file-validate "$root/usr/share/applications/tallyfox.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
# The MIME package is a shared-mime-info package that update-mime-database accepts.
mkdir -p "$scratch/mime/packages"
cp "$root/usr/share/mime/packages/tallyfox.xml" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" >/dev/null 2>&1 && grep -q '^text/x-sfv:\*\.sfv$' "$scratch/mime/globs" \
  || fail "update-mime-database did not take the MIME package"

# The unpacked programs run with nothing but the system's libraries.
unset LD_LIBRARY_PATH
"$root/usr/bin/tallyfox-check" --help | grep -q '^Usage: tallyfox-check' || fail "tallyfox-check --help"
"$root/usr/bin/tallyfox-create" --help | grep -q '^Usage: tallyfox-create' || fail "tallyfox-create --help"
status=0
"$root/usr/bin/tallyfox-check" demo/demo.sfv >"$scratch/check.txt" || status=$?
[ "$status" -eq 1 ] && [ "$(grep -c ': OK$' "$scratch/check.txt")" -eq 4 ] \
  || fail "tallyfox-check on the demo list (exit $status): $(cat "$scratch/check.txt")"

# The window, offscreen, with its own user folders: not being the installed program, it
# registers itself there at start-up, which shows its main window came up.
export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/data XDG_CONFIG_HOME=$scratch/home/config
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
"$root/usr/bin/tallyfox" "$PWD/demo/demo.sfv" &
window=$!
entry=$XDG_DATA_HOME/applications/tallyfox.desktop
for _ in $(seq 100); do
  [ -s "$entry" ] || ! kill -0 "$window" 2>/dev/null && break
  sleep 0.1
done
kill -0 "$window" 2>/dev/null || { wait "$window" || true; fail "the window ended at start-up"; }
kill "$window"
wait "$window" 2>/dev/null || true
grep -qx "Exec=$root/usr/bin/tallyfox %f" "$entry" || fail "the window did not register itself: $(cat "$entry" 2>&1)"
echo "package test: all checks passed"
