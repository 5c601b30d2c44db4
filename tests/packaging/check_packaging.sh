#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of what `cmake --install` and `cpack` deliver, run against the real
# tools. Usage: check_packaging.sh MODE BUILD_DIR SOURCE_DIR VERSION HAS_GUI APP_ID
# MODE is one of: desktop, metainfo, manual, install, deb.
set -eu

mode=$1 build=$2 source=$3 version=$4 gui=$5 app_id=$6
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

need() {
    command -v "$1" >/dev/null || { echo "FAIL: $1 is not installed ($2)" >&2; exit 1; }
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Runs the installed velnora-cli under ROOT and checks that it answers for itself.
check_cli() {
    cli=$1/usr/bin/velnora-cli
    [ -x "$cli" ] || { fail "$cli is not an executable"; return; }
    answer=$("$cli" --version) || fail "velnora-cli --version exited with $?"
    [ "$answer" = "velnora-cli $version" ] ||
        fail "velnora-cli --version answered \"$answer\", expected \"velnora-cli $version\""
    "$cli" --help >"$work/help" || fail "velnora-cli --help exited with $?"
    head -n 1 "$work/help" | grep -q '^Usage: velnora-cli ' ||
        fail "velnora-cli --help does not begin with its usage line"
}

# The files a desktop needs, where the desktop looks for them, under ROOT/usr.
check_tree() {
    usr=$1/usr
    for f in bin/velnora-cli \
             share/applications/$app_id.desktop \
             share/metainfo/$app_id.metainfo.xml \
             share/icons/hicolor/scalable/apps/velnora.svg \
             share/icons/hicolor/48x48/apps/velnora.png \
             share/icons/hicolor/256x256/apps/velnora.png \
             share/man/man1/velnora-cli.1.gz \
             share/doc/velnora/copyright; do
        [ -f "$usr/$f" ] || fail "missing /usr/$f"
    done
    if [ "$gui" = 1 ]; then
        [ -x "$usr/bin/velnora" ] || fail "missing executable /usr/bin/velnora"
        [ -f "$usr/share/velnora/gazetteer.idx" ] || fail "missing /usr/share/velnora/gazetteer.idx"
        # The installed program finds the installed index beside itself.
        "$usr/bin/velnora-cli" --name RAM --place "Pune Maharashtra India" >"$work/place" 2>&1 ||
            fail "installed velnora-cli --place failed: $(cat "$work/place")"
    fi
    for size in 48 256; do
        png=$usr/share/icons/hicolor/${size}x$size/apps/velnora.png
        [ -f "$png" ] || continue
        file -b "$png" | grep -q "^PNG image data, $size x $size," ||
            fail "$png is not a $size x $size PNG: $(file -b "$png")"
    done

    desktop=$usr/share/applications/$app_id.desktop
    if [ -f "$desktop" ]; then
        desktop-file-validate "$desktop" || fail "installed desktop entry does not validate"
        # The entry and each of its actions ("Open in Hindi": env LANGUAGE=hi velnora)
        # run the installed program.
        for exec_name in $(sed -n 's/^Exec=\(env \([A-Z_]*=[^ ]* \)*\)\{0,1\}\([^ ]*\).*/\3/p' "$desktop"); do
            [ "$gui" = 0 ] || [ -x "$usr/bin/$exec_name" ] ||
                fail "desktop entry runs \"$exec_name\", which is not installed in /usr/bin"
        done
        icon=$(sed -n 's/^Icon=//p' "$desktop")
        [ -f "$usr/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
            fail "desktop entry names icon \"$icon\", which is not in the hicolor theme"
    fi

    metainfo=$usr/share/metainfo/$app_id.metainfo.xml
    if [ -f "$metainfo" ]; then
        grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
            fail "metainfo does not launch $app_id.desktop"
        grep -q "<release version=\"$version\"" "$metainfo" ||
            fail "metainfo does not list release $version"
    fi

    man=$usr/share/man/man1/velnora-cli.1.gz
    if [ -f "$man" ]; then
        gzip -dc "$man" | grep -q "^\.TH VELNORA-CLI 1 .*\"velnora-cli $version\"" ||
            fail "manual page is not a gzipped velnora-cli(1) of version $version"
    fi

    copyright=$usr/share/doc/velnora/copyright
    if [ -f "$copyright" ]; then
        for licence in GPL-3.0-or-later CC-BY-4.0 GeoNames; do
            grep -q "$licence" "$copyright" || fail "copyright does not name $licence"
        done
    fi
    check_cli "$1"
}

case $mode in
desktop)
    need desktop-file-validate "Debian desktop-file-utils"
    desktop-file-validate "$source/packaging/velnora.desktop" >"$work/out" 2>&1 || true
    cat "$work/out"
    # Hints are advice; errors and warnings are faults.
    ! grep -q -e ': error: ' -e ': warning: ' "$work/out" || fail "desktop entry does not validate"
    # The windows' languages name the program in the menu too.
    for lang in hi gu; do
        grep -q "^Name\\[$lang\\]=" "$source/packaging/velnora.desktop" &&
            grep -q "^Comment\\[$lang\\]=" "$source/packaging/velnora.desktop" ||
            fail "desktop entry has no name or comment in $lang"
    done
    ;;
metainfo)
    need appstreamcli "Debian appstream"
    appstreamcli validate --no-net --explain "$build/packaging/$app_id.metainfo.xml" ||
        fail "metainfo does not validate"
    for lang in hi gu; do
        grep -q "<summary xml:lang=\"$lang\">" "$build/packaging/$app_id.metainfo.xml" &&
            grep -q "<lang percentage=\"100\">$lang</lang>" "$build/packaging/$app_id.metainfo.xml" ||
            fail "metainfo has no $lang summary or does not name the $lang translation"
    done
    ;;
manual)
    need groff "Debian groff-base"
    page=$build/packaging/velnora-cli.1
    LC_ALL=C.UTF-8 groff -man -ww -z "$page" 2>"$work/warnings" || fail "groff exited with $?"
    [ ! -s "$work/warnings" ] || { cat "$work/warnings" >&2; fail "groff warns about the manual page"; }
    LC_ALL=C.UTF-8 groff -man -rHY=0 -Tascii -P-cbou "$page" >"$work/page"
    cli=$build/bin/velnora-cli
    # Every option of the usage text is documented, and every documented option exists.
    for option in $("$cli" --help | grep -o -e '--[a-z][a-z-]*' | sort -u); do
        grep -q -e "$option\\b" "$work/page" || fail "manual page does not document $option"
    done
    for option in $(grep -o -e '--[a-z][a-z-]*' "$work/page" | sort -u); do
        if "$cli" "$option" 2>&1 | grep -q 'unknown option'; then
            fail "manual page documents $option, which velnora-cli does not know"
        fi
    done
    ;;
install)
    DESTDIR=$work/root cmake --install "$build" --prefix /usr >"$work/log" ||
        { cat "$work/log"; fail "cmake --install failed"; }
    check_tree "$work/root"
    # Installing again renames a new index into place: a running program's
    # mapping of the old file stays whole.
    index=$work/root/usr/share/velnora/gazetteer.idx
    if [ "$gui" = 1 ] && [ -f "$index" ]; then
        before=$(stat -c %i "$index")
        DESTDIR=$work/root cmake --install "$build" --prefix /usr >"$work/log" ||
            { cat "$work/log"; fail "second cmake --install failed"; }
        [ "$(stat -c %i "$index")" != "$before" ] ||
            fail "cmake --install rewrote gazetteer.idx in place instead of renaming a new file over it"
        [ -z "$(find "$work/root/usr/share/velnora" -name '*.new')" ] ||
            fail "cmake --install left a temporary index behind"
    fi
    ;;
deb)
    need dpkg-shlibdeps "Debian dpkg-dev"
    cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/log" 2>&1 ||
        { cat "$work/log"; fail "cpack failed"; exit 1; }
    deb=$work/out/velnora_${version}_$(dpkg --print-architecture).deb
    [ -f "$deb" ] || { ls "$work/out"; fail "cpack did not leave $(basename "$deb")"; exit 1; }
    dpkg-deb --info "$deb"
    [ "$(dpkg-deb -f "$deb" Package)" = velnora ] || fail "package is not named velnora"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
    dpkg-deb -f "$deb" Recommends | grep -q 'fonts-lohit-deva, fonts-lohit-gujr' ||
        fail "package does not recommend the fonts of the translations' scripts"
    depends=$(dpkg-deb -f "$deb" Depends)
    libs="libc6 libstdc\\+\\+6"
    [ "$gui" = 0 ] || libs="$libs libqt6widgets6"
    for lib in $libs; do
        echo "$depends" | grep -Eq "(^|, )$lib( |,|$)" ||
            fail "Depends lacks $lib (dpkg-shlibdeps not run?): $depends"
    done

    # A fresh root with an empty dpkg database; its dependencies live on the host.
    root=$work/root
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
    : >"$root/var/lib/dpkg/status"
    dpkg --root="$root" --force-not-root --force-depends --log=/dev/null -i "$deb" ||
        fail "dpkg -i into a fresh root failed"
    dpkg --root="$root" -s velnora | grep -q '^Status: install ok installed' ||
        fail "dpkg does not report velnora installed in the fresh root"
    check_tree "$root"
    dpkg --root="$root" -L velnora | grep -q '^/usr/share/doc/velnora/copyright$' ||
        fail "package does not own /usr/share/doc/velnora/copyright"
    ;;
*)
    echo "unknown mode $mode" >&2
    exit 64
    ;;
esac

[ "$failures" = 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "packaging $mode: all checks passed"
