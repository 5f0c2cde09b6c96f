#!/usr/bin/env bash
# Builds Pelmora, makes a messy demo folder under build/demo and runs the
# program there under Wine: in a window on your display when there is one
# (tidy it yourself, then close the window), otherwise headless, driven
# through a type sort and a gather. Prints the folder's tree before and after.
#   tools/demo.sh             window on $DISPLAY if set, else headless
#   tools/demo.sh --headless  always headless
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64

demo=$root/build/demo
rm -rf "$demo"
mkdir -p "$demo"
# A few dozen files of varied kinds and dates, some already in folders.
i=0
for name in raport.pdf faktura.pdf umowa.docx notatki.txt lista.txt README \
    .profile .config.json zdjecie.JPG wakacje.jpg plaza.jpg film.mp4 piosenka.mp3 \
    archiwum.tar.gz kopia.zip dane.csv tabela.xlsx skrypt.py strona.html styl.css \
    "plan podrozy.txt" wykres.png ikona.ico dziennik.log instalator.msi; do
  i=$((i + 1))
  echo "demo file $name" >"$demo/$name"
  touch -d "$((2015 + i % 9))-$(printf %02d $((1 + i % 12)))-$(printf %02d $((1 + i % 28))) 12:00 UTC" "$demo/$name"
done
mkdir -p "$demo/stare/2019" "$demo/pusty"
for name in stary.doc zapomniany.txt; do echo "old $name" >"$demo/stare/$name"; done
echo "deep" >"$demo/stare/2019/gleboki.bmp"
cp build/win64/Pelmora.exe "$demo/"

tree() { (cd "$demo" && find . -mindepth 1 | sort | sed 's|^\./|    |'); }
echo "Demo folder $demo before:"
tree

export WINEPREFIX=$root/build/win64/wineprefix
windows_path="Z:${demo//\//\\}\\Pelmora.exe"
if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--headless" ]; then
  echo
  echo "Pelmora is open on your display; close its window to see the result."
  tools/wine-run.sh "$WINEPREFIX" wine64 "$demo/Pelmora.exe"
else
  # The demo speaks Windows-1250, as the program does.
  tools/wine-run.sh "$WINEPREFIX" wine64 build/win64/pelmora_demo.exe "$windows_path" | iconv -f CP1250 -t UTF-8
fi
echo
echo "Demo folder $demo after:"
tree
