# Sourced by the script runners: Korvix32.dll, loaded by Wine's cscript, records the faults of its own code
# (FaultRecorder.h) in the file that KX_FAULT_LOG names, as do the programs the script starts.
# Usage: kx_watch_faults WORKDIR before the script runs; kx_run_cscript WINE SCRIPT prints its output;
# kx_check_faults WORKDIR after it fails the test when the log holds a fault.
kx_watch_faults() {
    export KX_FAULT_LOG="Z:${1//\//\\}\\faults.log"
}

kx_check_faults() {
    [ -s "$1/faults.log" ] || return 0
    tr -d "\r" < "$1/faults.log"
    echo "faults in our code (swallowed or not) while the script ran"
    return 1
}

# Wine now and then fails to start cscript itself while many processes start at once (its start.exe answers
# "ShellExecuteEx failed"); the script has not run then, so it is started again.
kx_run_cscript() {
    local out attempt
    for attempt in 1 2 3; do
        out=$("$1" cscript //nologo "$2" 2>&1 | tr -d "\r" | LC_ALL=C tr -c "\n\040-\176" "?")
        grep -q '^ShellExecuteEx failed' <<<"$out" || break
        sleep 1
    done
    echo "$out"
}
