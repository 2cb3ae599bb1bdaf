#!/usr/bin/env bash
# Collects the window's texts (tr() in the Qt parts of src/) into the .ts files of
# translations/: new texts come in unfinished, texts no longer used are dropped. Then
# translate the unfinished ones (Qt Linguist, or by hand) and commit the .ts files; the
# build makes the .qm files from them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build >/dev/null
lupdate=/usr/lib/qt6/bin/lupdate
# No line numbers in the files, so moving code does not change them.
"$lupdate" -silent -no-obsolete -locations none -source-language en \
  src/app src/browser src/controls src/dialogs src/mainwindow \
  -ts translations/tallyfox_*.ts
echo "Unfinished: $(grep -c 'type="unfinished"' translations/tallyfox_*.ts || true)"
