#!/usr/bin/env bash
# regsvr32 /u removes every key registration writes; regsvr32 writes them again.
# Usage: registration.sh WINE Korvix32.dll
set -u
wine=$1
dll="Z:${2//\//\\}"
failures=0
check() {  # check NAME EXPECTED-STATUS KEY [VALUE-NAME]
    local name=$1 want=$2 key=$3 value=${4:-}
    local out
    if [ -n "$value" ]; then out=$("$wine" reg query "$key" /v "$value" 2>&1); else out=$("$wine" reg query "$key" 2>&1); fi
    local got=$?
    if { [ "$want" = present ] && [ $got -eq 0 ]; } || { [ "$want" = absent ] && [ $got -ne 0 ]; }; then
        echo "ok $name"
    else
        echo "not ok $name: $key $value should be $want"; echo "$out"; failures=$((failures + 1))
    fi
    LAST_OUTPUT=$out
}

clsid='{2249813A-459A-4DFA-90CC-F774691F9DD0}'   # kxRegistry
keys=("HKCR\\Korvix32.kxRegistry" "HKCR\\CLSID\\$clsid" "HKCR\\TypeLib\\{728E9277-8FF8-4688-AF58-B998F44618B6}" "HKCR\\Interface\\{E769605A-DA70-4CEA-94C3-CDF5A35E19E0}")

"$wine" regsvr32 /s /u "$dll"; echo "regsvr32 /u exit $?"
for key in "${keys[@]}"; do check "removed $key" absent "$key"; done

"$wine" regsvr32 /s "$dll"; rc=$?
[ $rc -eq 0 ] && echo "ok regsvr32 exits 0" || { echo "not ok regsvr32 exit $rc"; failures=$((failures + 1)); }
for key in "${keys[@]}"; do check "written $key" present "$key"; done
check "program identity names the class" present "HKCR\\Korvix32.kxRegistry\\CLSID"
grep -qi "$clsid" <<<"$LAST_OUTPUT" || { echo "not ok CLSID value: $LAST_OUTPUT"; failures=$((failures + 1)); }
check "apartment threading" present "HKCR\\CLSID\\$clsid\\InprocServer32" ThreadingModel
grep -q Apartment <<<"$LAST_OUTPUT" || { echo "not ok ThreadingModel: $LAST_OUTPUT"; failures=$((failures + 1)); }
check "server path" present "HKCR\\CLSID\\$clsid\\InprocServer32"
grep -qi 'Korvix32.dll' <<<"$LAST_OUTPUT" || { echo "not ok InprocServer32: $LAST_OUTPUT"; failures=$((failures + 1)); }
[ $failures -eq 0 ]
