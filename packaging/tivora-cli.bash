# bash completion for tivora-cli: its commands, each command's options, the
# values of --fold, the zone ids of --tz and the files the commands read.

_tivora_cli_zones() {
    local data=/usr/share/zoneinfo/tzdata.zi
    [[ -r $data ]] || return
    # "Z name ..." are zones, "L target name" their other names.
    awk '$1 == "Z" { print $2 } $1 == "L" { print $3 }' "$data"
}

_tivora_cli() {
    local cur prev words cword
    _init_completion || return

    # "--lang en|hi" may stand before the command.
    local first=1 lang='--lang'
    [[ ${words[1]} == --lang ]] && first=3 lang=''
    if ((cword == first)); then
        mapfile -t COMPREPLY < <(compgen -W "reading places batch open save report --help $lang" \
            -- "$cur")
        return
    fi

    case $prev in
        --lang)
            ((cword == 2)) && mapfile -t COMPREPLY < <(compgen -W 'en hi' -- "$cur")
            return
            ;;
        --fold)
            mapfile -t COMPREPLY < <(compgen -W 'earlier later' -- "$cur")
            return
            ;;
        --tz)
            mapfile -t COMPREPLY < <(compgen -W "$(_tivora_cli_zones)" -- "$cur")
            return
            ;;
        --name | --date | --time | --lon | --lat | --zone | --place | --limit)
            return # a value of the person's own
            ;;
    esac

    local command=${words[first]} options=''
    local reading='--name --date --time --lon --lat --zone --dst --place --tz --fold --json'
    case $command in
        reading) options=$reading ;;
        save | report)
            if ((cword == first + 1)); then
                if [[ $command == save ]]; then _filedir tvr; else _filedir pdf; fi
                return
            fi
            options=$reading
            ;;
        open)
            if ((cword == first + 1)); then
                _filedir tvr
                return
            fi
            options='--json'
            ;;
        places)
            [[ $cur == -* ]] || return # the query is the person's own
            options='--limit --json'
            ;;
        batch)
            if ((cword == first + 1)); then
                _filedir csv
                [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)
            fi
            return
            ;;
        *) return ;;
    esac

    # Each option once.
    local word given=' '
    for word in "${words[@]:first+1:cword-first-1}"; do
        [[ $word == --* ]] && given+="$word "
    done
    local option left=()
    for option in $options; do
        [[ $given == *" $option "* ]] || left+=("$option")
    done
    mapfile -t COMPREPLY < <(compgen -W "${left[*]}" -- "$cur")
} && complete -F _tivora_cli tivora-cli
