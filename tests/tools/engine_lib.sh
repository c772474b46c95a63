# The protocol tests' common part: feeding an engine a script, and judging
# its output. The caller sets ENGINE, failures=0 and, to see the engine's
# standard error joined to its output as GUIs run engines, JOIN_STDERR=1.

# Runs the engine on the script given as arguments; "sleep N" lines wait.
run() {
    local line
    for line in "$@"; do
        case "$line" in
            sleep\ *) sleep "${line#sleep }" ;;
            *) printf '%s\n' "$line" ;;
        esac
    done | if [ "${JOIN_STDERR:-0}" = 1 ]; then timeout 60 "$ENGINE" 2>&1; else timeout 60 "$ENGINE" 2>/dev/null; fi
}

fail() {  # fail MESSAGE [OUTPUT]
    echo "FAIL $1"
    [ -z "${2:-}" ] || sed 's/^/    /' <<<"$2"
    failures=$((failures + 1))
}

expect() {  # expect NAME OUTPUT REGEX...
    local name=$1 out=$2
    shift 2
    local re
    for re in "$@"; do
        if ! grep -Eq -- "$re" <<<"$out"; then
            fail "$name: no line matches /$re/ in:" "$out"
            return
        fi
    done
    echo "ok   $name"
}
