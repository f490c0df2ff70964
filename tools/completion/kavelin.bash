# Bash completion for kavelin and kavelin-device: commands, options, and after --event the
# names of the events the device offers, when a device is named (--url or $KAVELIN_URL).

_kavelin_options() {
    case $1 in
    get-data) echo "--prefix --prefix-map --lines --text --fail-empty" ;;
    set-data) echo "--results-details" ;;
    settable) echo "--lines" ;;
    subscribe) echo "--event --cookie --reliability --filter --fallback --info --filter-doc" ;;
    watch) echo "--event --filter --cookie --reliability --listen --count --duration --check" ;;
    esac
}

_kavelin() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local commands="get-data set-data settable events subscribe unsubscribe watch"
    local global="--url --simulate --playback --timeout --max-time --registry --verbose --quiet
        --repeat --json --trace --help --version"
    local command="" url=${KAVELIN_URL:-} i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
        --url) url=${COMP_WORDS[i + 1]} ;;
        get-data | set-data | settable | events | subscribe | unsubscribe | watch)
            [ -z "$command" ] && command=${COMP_WORDS[i]} ;;
        esac
    done
    COMPREPLY=()
    case $prev in
    --event)
        # Asked of the device itself, with short waits: a device that does not answer
        # offers nothing rather than holding the shell.
        [ -n "$url" ] && COMPREPLY=($(compgen -W "$("${COMP_WORDS[0]}" -q --url "$url" \
            --timeout 2 --max-time 2 events 2>/dev/null)" -- "$cur"))
        return ;;
    --reliability)
        COMPREPLY=($(compgen -W "NoRetry Retry PersistentRetry" -- "$cur"))
        return ;;
    --registry | --prefix-map | --info | --filter-doc)
        COMPREPLY=($(compgen -f -- "$cur"))
        return ;;
    --url | --timeout | --max-time | --repeat | --prefix | --cookie | --filter | --fallback | \
        --listen | --count | --duration | --check)
        return ;;
    esac
    if [ -z "$command" ] && [[ $cur != -* ]]; then
        COMPREPLY=($(compgen -W "$commands" -- "$cur"))
    elif [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$global $(_kavelin_options "$command")" -- "$cur"))
    elif [ "$command" = set-data ]; then
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}

_kavelin_device() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    case $prev in
    --unix | --data) COMPREPLY=($(compgen -f -- "$cur")) ;;
    --port | --duration | --fail | --drip | --oversize | --delay | --simulate-usage) ;;
    *)
        COMPREPLY=($(compgen -W "--port --unix --data --duration --fail --drip --oversize
            --delay --simulate-usage -v --help --version" -- "$cur")) ;;
    esac
}

complete -F _kavelin kavelin
complete -F _kavelin_device kavelin-device
