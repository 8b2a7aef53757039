#!/bin/sh
# Installs the build into a temporary DESTDIR (prefix /usr, as the package
# does) and checks the installation: the files where they belong, the
# desktop entry, metainfo and manual pages valid, the installed qm530 working
# with the installed Program.ini, and the installed qm530-cps starting with
# its files from share/qm530/, switching language with the write-back in a
# temporary user configuration folder, and restarting itself. Needs no root.
# Usage: install_test.sh BUILD SOURCE VERSION WITH_QT(0|1)
set -eu
BUILD=$1
SRC=$2
VERSION=$3
WITH_QT=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$tmp/root" cmake --install "$BUILD" --prefix /usr >"$tmp/install.log" ||
    { cat "$tmp/install.log" >&2; fail "cmake --install"; }
R="$tmp/root/usr"
# Nothing of the user's may leak in or be written outside the temporary folder.
export XDG_CONFIG_HOME="$tmp/config" HOME="$tmp/home"
mkdir -p "$HOME"

files="bin/qm530 share/qm530/Program.ini share/man/man1/qm530.1.gz
 share/doc/qm530/copyright share/doc/qm530/changelog.gz lib/udev/rules.d/60-qm530-cable.rules"
if [ "$WITH_QT" = 1 ]; then
    files="$files bin/qm530-cps share/qm530/English.rcc share/qm530/Chinese.rcc
     share/qm530/title.ico share/qm530/background.bmp share/qm530/enHelp/index.html
     share/qm530/chHelp/index.html share/applications/org.qm530.cps.desktop
     share/metainfo/org.qm530.cps.metainfo.xml share/man/man1/qm530-cps.1.gz"
    for size in 16 32 48 64 128 256; do
        files="$files share/icons/hicolor/${size}x$size/apps/qm530-cps.png"
    done
fi
for f in $files; do
    [ -e "$R/$f" ] || fail "not installed: /usr/$f"
done
[ ! -e "$R/bin/Program.ini" ] || fail "Program.ini beside the installed programs"

# The installed command-line tool, with the installed Program.ini.
[ "$("$R/bin/qm530" --version)" = "qm530 $VERSION" ] || fail "qm530 --version"
"$R/bin/qm530" new "$tmp/radio.dat" || fail "qm530 new"
"$R/bin/qm530" set "$tmp/radio.dat" 1 rx=145.125 --band "136 - 174MHz" >/dev/null ||
    fail "qm530 set"
"$R/bin/qm530" channels "$tmp/radio.dat" >"$tmp/channels" || fail "qm530 channels"
grep -q "145.12500" "$tmp/channels" || fail "qm530 channels: channel 1 missing"
# Model 0, band 0: their names come from share/qm530/Program.ini.
printf '\000\000' | dd of="$tmp/radio.dat" bs=1 seek=978 conv=notrunc 2>/dev/null
"$R/bin/qm530" info "$tmp/radio.dat" >"$tmp/info" || fail "qm530 info"
grep -q "QM-520" "$tmp/info" || fail "qm530 info: no model name from the installed Program.ini"

# Manual pages: compressed, clean for groff, every command described.
check_page() {
    gzip -t "$1" || fail "$1 is not gzip"
    warnings=$(gzip -dc "$1" | groff -man -Tutf8 -ww -z 2>&1) || fail "groff $1"
    [ -z "$warnings" ] || fail "groff warns on $1: $warnings"
    gzip -dc "$1" | grep -q '^\.SH EXIT STATUS' || fail "$1 has no EXIT STATUS"
}
check_page "$R/share/man/man1/qm530.1.gz"
for c in $("$R/bin/qm530" --help | awk '/^  [a-z]/ {print $1}'); do
    gzip -dc "$R/share/man/man1/qm530.1.gz" | grep -q "^\.SS \"$c\\b" ||
        fail "qm530.1 does not describe the command $c"
done

[ "$WITH_QT" = 1 ] || { echo "install layout: 1 passed, 0 failed"; exit 0; }

check_page "$R/share/man/man1/qm530-cps.1.gz"
desktop-file-validate "$R/share/applications/org.qm530.cps.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic --explain \
    "$R/share/metainfo/org.qm530.cps.metainfo.xml" >"$tmp/as.log" 2>&1 ||
    { cat "$tmp/as.log" >&2; fail "metainfo"; }
for size in 16 32 48 64 128 256; do
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    dims=$(od -An -tu1 -j16 -N8 "$R/share/icons/hicolor/${size}x$size/apps/qm530-cps.png" |
        awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')
    [ "$dims" = "${size}x$size" ] || fail "icon of $size pixels is $dims"
done

# The installed desktop program, under a virtual X server.
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
    echo "install layout: no xvfb-run or xdotool, desktop program not started" >&2
    exit 1
fi
xvfb-run -a -s "-screen 0 1280x1024x24" \
    sh "$SRC/packaging/install_gui_check.sh" "$R/bin/qm530-cps" "$tmp" ||
    fail "the installed desktop program"
grep -qx "Language=Chinese" "$XDG_CONFIG_HOME/qm530/Program.ini" ||
    fail "the language change did not reach the user's Program.ini"
grep -qx "Language=English" "$R/share/qm530/Program.ini" ||
    fail "the installed Program.ini was changed"
echo "install layout: 1 passed, 0 failed"
