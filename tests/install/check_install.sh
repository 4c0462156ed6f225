#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the calculator into a temporary prefix, builds its Debian package
# and checks it with lintian, validates the desktop metadata, then starts the
# installed program headless from another folder (directly, and through a
# link of the user's in a German session, then in sessions whose language and
# number format differ), asks its browser engine which pages the two panes
# hold, and plays the pages' rows (tests/pages/pages.test.js) in them.
#   usage: check_install.sh <build dir>
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(realpath "$1")"
work="$(mktemp -d)"
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
app="$prefix/lib/al-tavesh"
for f in "$app/Al-Tavesh" "$app/gold.html" "$app/silver.html" \
         "$prefix/share/icons/hicolor/48x48/apps/al-tavesh.png"; do
    [[ -f "$f" ]] || fail "not installed: $f"
done
[[ "$(readlink "$prefix/bin/al-tavesh")" == ../lib/al-tavesh/Al-Tavesh ]] || fail "bin/al-tavesh is not a link to the program"

desktop-file-validate "$prefix/share/applications/org.altavesh.ZakatCalculator.desktop" \
    || fail "desktop entry"
# The homepage is written only when a public address is configured; AppStream
# 1.0 (Debian 13) warns of its absence, 0.16 (Debian 12) knows no such check.
quiet=()
[[ "$(appstreamcli --version)" =~ version:\ 0\. ]] || quiet=(--override=url-homepage-missing=info)
appstreamcli validate --no-net "${quiet[@]}" \
    "$prefix/share/metainfo/org.altavesh.ZakatCalculator.metainfo.xml" >"$work/appstream" \
    || { cat "$work/appstream" >&2; fail "AppStream metainfo"; }
grep -q 'release version="1.00"' "$prefix/share/metainfo/org.altavesh.ZakatCalculator.metainfo.xml" \
    || fail "metainfo has no 1.00 release"

# The Debian package: contents, and dependencies that Debian 12 can satisfy.
(cd "$build" && cpack -G DEB -B "$work/deb" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$work"/deb/al-tavesh_1.00_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6webenginewidgets6 libqt6webenginecore6-bin fonts-liberation; do
    [[ "$depends" == *"$p"* ]] || fail "the package does not depend on $p: $depends"
done
dpkg-deb -c "$deb" >"$work/contents"
grep -q '\./usr/bin/al-tavesh -> \.\./lib/al-tavesh/Al-Tavesh' "$work/contents" || fail "package without the bin link"
grep -q '\./usr/lib/al-tavesh/gold.html' "$work/contents" || fail "package without the chart pages"
apt-get install -s -qq "$deb" >/dev/null || fail "apt cannot satisfy the package's dependencies"
# Debian's own checks: no error and no warning.
lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian" >&2; fail "lintian"; }

# Chromium's list of open pages, from its local debugging port.
pages() { curl -s --max-time 2 "http://127.0.0.1:$1/json/list"; }

# Starts the installed program ($1, debugging port $2, with the regional
# settings $3..., e.g. LC_ALL=C.UTF-8), waits for both pages in its panes,
# and plays the pages' rows of behaviour in them.
run_and_check() {
    local program="$1" port="$2"
    shift 2
    (cd / && unset LC_ALL LC_NUMERIC LANG LANGUAGE && export "$@" && QT_QPA_PLATFORM=offscreen \
        QTWEBENGINE_REMOTE_DEBUGGING="127.0.0.1:$port" exec "$program" >"$work/run.log" 2>&1) &
    pid=$!
    local listing=""
    for _ in $(seq 1 120); do
        sleep 0.5
        listing=$(pages "$port" 2>/dev/null || true)
        if [[ "$listing" == *"file://$app/gold.html"* && "$listing" == *"file://$app/silver.html"* &&
              "$listing" == *'"title": "Gold price"'* && "$listing" == *'"title": "Silver price"'* ]]; then
            /usr/bin/python3 "$here/play_page_rows.py" "$port" "$here/../pages/pages.test.js" ||
                fail "$program in $*: the chart pages do not convert as their rows say"
            kill "$pid"; wait "$pid" 2>/dev/null || true
            return 0
        fi
    done
    cat "$work/run.log" >&2
    echo "$listing" >&2
    fail "$program did not show both pages from $app"
}

port=$((30000 + RANDOM % 20000))
run_and_check "$prefix/bin/al-tavesh" "$port" LC_ALL=C.UTF-8
ln -s "$prefix/bin/al-tavesh" "$work/my-zakat"
run_and_check "$work/my-zakat" "$((port + 1))" LC_ALL=de_DE.UTF-8
# A desktop's language and its "Formats" set apart: the number format decides.
run_and_check "$prefix/bin/al-tavesh" "$((port + 2))" LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8
run_and_check "$prefix/bin/al-tavesh" "$((port + 3))" LANG=de_DE.UTF-8 LC_NUMERIC=en_US.UTF-8
# Regions with digits of their own: Arabic-Indic, and Persian.
run_and_check "$prefix/bin/al-tavesh" "$((port + 4))" LC_ALL=ar_EG.UTF-8
run_and_check "$prefix/bin/al-tavesh" "$((port + 5))" LC_ALL=fa_IR.UTF-8
echo "install and package check passed"
