#!/usr/bin/env bash
# Fails, naming each place, when a source includes a header of a layer above its own, or when a
# core source includes Qt. The layers, lowest first (a folder may include its own and lower ones):
#   platform  settings  data  import  opstart  pages  export  htmlview  ui  app
# Runs as a test under ctest and as a step of its own: ontwikkel/lagen_controle.sh
set -euo pipefail
cd "$(dirname "$0")/.."
lagen=(platform settings data import opstart pages export htmlview ui app)
declare -A rang
for i in "${!lagen[@]}"; do rang[${lagen[$i]}]=$i; done
kern=$(( ${rang[export]} ))
fout=0
for map in "${lagen[@]}"; do
    for bestand in "$map"/*.cpp "$map"/*.h; do
        [ -e "$bestand" ] || continue
        while IFS=: read -r regel doel; do
            doelmap=${doel%%/*}
            [ -n "${rang[$doelmap]+x}" ] || continue
            if [ "${rang[$doelmap]}" -gt "${rang[$map]}" ]; then
                echo "$bestand:$regel: $map mag $doel niet gebruiken (een hogere laag)"
                fout=1
            fi
        done < <(grep -n '^#include "[a-z_]*/' "$bestand" | sed 's/^\([0-9]*\):#include "\([^"]*\)".*/\1:\2/')
        if [ "${rang[$map]}" -le "$kern" ] && grep -qn '^#include <Q' "$bestand"; then
            echo "$bestand: de kern gebruikt geen Qt: $(grep -m1 '^#include <Q' "$bestand")"
            fout=1
        fi
    done
done
exit $fout
