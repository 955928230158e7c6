# seconds COMMAND...: the CPU seconds (user + system) of a command, best of three. The
# machine is shared, so wall-clock time would mostly measure the other programs.
# Sourced by the comparison scripts.
seconds() {
    local best="" t
    for _ in 1 2 3; do
        t=$( { TIMEFORMAT='%U %S'; time "$@" > /dev/null; } 2>&1 | awk '{print $1 + $2}')
        if [ -z "$best" ] || [ "$(echo "$t < $best" | bc -l)" = 1 ]; then best=$t; fi
    done
    echo "$best"
}
