#!/usr/bin/env bash
# installed_game.sh KIND BUILD CMAKE CPACK
#
# Installs the game out of the build folder into a scratch root and plays a short scripted
# game with the installed driver, run from elsewhere, so that it can only find its files
# beside itself.
#   KIND tree: cmake --install BUILD --prefix ROOT/usr
#   KIND deb:  cpack -G DEB, then dpkg-deb -x of the package into ROOT
# Exits 77 (skipped) when the tools the kind needs are missing.
set -euo pipefail

kind=$1 build=$2 cmake=$3 cpack=${4:-}
skip() { echo "skipped: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root

case $kind in
    tree)
        "$cmake" --install "$build" --prefix "$root/usr" > "$scratch/install.log" || {
            cat "$scratch/install.log"; fail "cmake --install"; }
        ;;
    deb)
        [[ -n $cpack && -x $cpack ]] || skip "no cpack"
        command -v dpkg-deb > /dev/null || skip "no dpkg-deb"
        (cd "$scratch" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg") \
            > "$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
        debs=("$scratch"/pkg/*.deb)
        [[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made no single .deb"
        deb=${debs[0]}
        echo "package: $(basename "$deb"), $(du -h "$deb" | cut -f1)"
        [[ $(dpkg-deb -f "$deb" Package) == quelmor ]] || fail "package name"
        [[ $(dpkg-deb -f "$deb" Section) == games ]] || fail "section"
        [[ -n $(dpkg-deb -f "$deb" Depends) ]] || fail "no dependencies"
        # The sound library is opened at run time: only the package's own list can name it.
        dpkg-deb -f "$deb" Depends | grep -q 'libsdl2-mixer-2\.0-0' || fail "the sound library is not a dependency"
        dpkg-deb -f "$deb" Depends
        dpkg-deb -x "$deb" "$root"
        # The package carries its copyright file and changelog where Debian looks for them.
        listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
        for doc in copyright changelog.gz; do
            grep -qx "\./usr/share/doc/quelmor/$doc" <<< "$listing" || fail "the package lacks /usr/share/doc/quelmor/$doc"
        done
        version=$(dpkg-deb -f "$deb" Version)
        # Every file of the package lies under /usr.
        if dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -v '^\./$'; then
            fail "files outside /usr"
        fi
        ;;
    *) fail "unknown kind $kind" ;;
esac

usr=$root/usr
lib=$usr/lib/quelmor

# The executables, and the launcher that leads to the game in its folder.
[[ -x $lib/quelmor && -x $lib/quelmor-driver ]] || fail "executables missing in lib/quelmor"
[[ -L $usr/games/quelmor ]] || fail "games/quelmor is not a link"
[[ $(readlink -f "$usr/games/quelmor") == "$(readlink -f "$lib/quelmor")" ]] || fail "launcher leads elsewhere"

# Every file the asset generator wrote is there, unchanged; nothing else is.
count=0
for f in "$build"/bin/*; do
    [[ -f $f && ! -x $f ]] || continue
    cmp -s "$f" "$lib/$(basename "$f")" || fail "missing or changed: $(basename "$f")"
    count=$((count + 1))
done
(( count > 100 )) || fail "only $count generated files"
for f in "$lib"/*; do
    name=$(basename "$f")
    [[ $name == quelmor || $name == quelmor-driver || -f $build/bin/$name ]] || fail "stray file $name"
    if [[ -x $f && $name != quelmor* ]]; then fail "test or tool installed: $name"; fi
done
[[ ! -e $lib/quelmor-randomplay ]] || fail "quelmor-randomplay installed"
echo "generated files: $count"

# The menu entry and its icon.
desktop=$usr/share/applications/quelmor.desktop
[[ -f $desktop ]] || fail "no desktop entry"
[[ $(head -n1 "$desktop") == "[Desktop Entry]" ]] || fail "desktop entry header"
for line in Type=Application Name=Quelmor Exec=quelmor Icon=quelmor Terminal=false; do
    grep -qx "$line" "$desktop" || fail "desktop entry lacks $line"
done
grep -q '^Categories=.*Game;' "$desktop" || fail "desktop entry not in the games"
icon=$usr/share/icons/hicolor/32x32/apps/quelmor.png
[[ -f $icon ]] || fail "no icon"
# A PNG whose header says 32 x 32.
[[ $(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "icon is not a PNG"
[[ $(od -An -j16 -N8 -tx1 "$icon" | tr -d ' \n') == 0000002000000020 ]] || fail "icon is not 32 x 32"

# The manual page.
man=$usr/share/man/man6/quelmor.6.gz
[[ -f $man ]] || fail "no manual page"
gzip -t "$man" || fail "manual page is not gzip"
zcat "$man" | grep -q '^\.TH QUELMOR 6' || fail "manual page header"
if command -v groff > /dev/null; then
    warnings=$(zcat "$man" | groff -man -Tutf8 -ww -z 2>&1)
    [[ -z $warnings ]] || fail "manual page: $warnings"
fi

# The copyright file, in the machine-readable format: a header, a paragraph for every file,
# and the licence it names spelt out.
doc=$usr/share/doc/quelmor
copyright=$doc/copyright
[[ -f $copyright ]] || fail "no copyright file"
[[ $(head -n1 "$copyright") == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
    fail "copyright file: not the machine-readable format"
grep -qx "Files: \*" "$copyright" || fail "copyright file: no paragraph for every file"
grep -q "^Copyright: .*The Quelmor developers" "$copyright" || fail "copyright file: no holder"
licence=$(sed -n 's/^License: //p' "$copyright" | head -n1)
[[ -n $licence ]] || fail "copyright file: no licence"
grep -qx "License: $licence" <(awk 'BEGIN{RS=""} /^License: /' "$copyright") || fail "copyright file: licence $licence not spelt out"
[[ $(awk 'BEGIN{RS=""} /^License: /{print $0}' "$copyright" | wc -l) -gt 1 ]] || fail "copyright file: licence without its text"
# The changelog, compressed, in the Debian format, its newest entry for the packaged version.
changelog=$doc/changelog.gz
[[ -f $changelog ]] || fail "no changelog"
gzip -t "$changelog" || fail "changelog is not gzip"
head=$(zcat "$changelog" | head -n1)
[[ $head =~ ^quelmor\ \(([^\)]+)\)\ [a-z]+\;\ urgency= ]] || fail "changelog header: $head"
[[ -z ${version:-} || ${BASH_REMATCH[1]} == "$version" ]] || fail "changelog is for ${BASH_REMATCH[1]}, the package for $version"
zcat "$changelog" | grep -Eq '^ -- .+ <.+>  [A-Z][a-z]{2}, [0-9]{2} [A-Z][a-z]{2} [0-9]{4} [0-9:]{8} [+-][0-9]{4}$' ||
    fail "changelog has no signature line"
echo "doc files: copyright ($licence), changelog for ${BASH_REMATCH[1]}"

# A short game with the installed driver, run from an unrelated folder.
script='newgame "Ann" 1,2,3,4,5,6 "Bob" 7,8,9,10,11,12
rnd 0.99
click frmJeu.EndTurn
click frmJeu.EndTurn
click frmJeu.EndTurn
snap board
dump
'
mkdir -p "$scratch/elsewhere"
cd "$scratch/elsewhere"
status=0
"$lib/quelmor-driver" --seed 7 --snap "$scratch/shots" <<< "$script" > "$scratch/out.txt" 2> "$scratch/err.txt" || status=$?
[[ $status -eq 0 ]] || { cat "$scratch/err.txt"; fail "installed driver exited $status"; }
dump=$(tail -n1 "$scratch/out.txt")
[[ $dump == *'"frmJeu": {'* ]] || fail "the dump shows no board"
[[ $dump == *'"Perso1(1)": {'* && $dump == *'"Carte(1)": {'* ]] || fail "the dump lacks the map"
[[ $dump == *'"HourCounter": '* ]] || fail "the dump lacks the clock"
# The same game with the build's own driver paints the same board: the installed one found
# every picture it needed beside itself.
"$build/bin/quelmor-driver" --seed 7 --snap "$scratch/reference" <<< "$script" > /dev/null
cmp -s "$scratch/shots/board.png" "$scratch/reference/board.png" || fail "the installed board looks different"
echo "installed driver: a scripted game played, the board drawn as in the build"

# The launcher starts the game, which runs until it is told to stop (124: still running when
# timeout sent SIGTERM, and ended by it; 137 would mean it ignored SIGTERM and was killed).
# It is started as the menu would: the entry's command, found on a PATH with the games.
command=$(sed -n 's/^Exec=//p' "$desktop")
status=0
PATH="$usr/games:$PATH" timeout -k 3 4 $command > "$scratch/game.log" 2>&1 || status=$?
[[ $status -eq 124 ]] || { cat "$scratch/game.log"; fail "the game ended with status $status (124 expected)"; }
echo "installed game: started by the menu entry's command, ended by SIGTERM"
