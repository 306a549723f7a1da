# bash completion of orvan-cli: its commands, each command's options, the values some options
# take, and folders and files where one is asked for.
_orvan_cli() {
    local cur prev words cword
    _init_completion || return

    local commands="dump search multi fulltext show look define print insert update delete
        export import prepare byte-range fields help"
    local before="-C --personal --verbose --version --help"

    # The command: the first word after the options that come before it.
    local i command=""
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            -C | --personal) ((i++)) ;;
            -*) ;;
            *) command=${words[i]} && break ;;
        esac
    done

    case $prev in
        -C | --personal)
            _filedir -d
            return
            ;;
        --description-file | --pdf)
            _filedir
            return
            ;;
        --mode)
            COMPREPLY=($(compgen -W "START CONTAIN END" -- "$cur"))
            return
            ;;
        --color)
            COMPREPLY=($(compgen -W "never always auto" -- "$cur"))
            return
            ;;
    esac

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$before" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
        fi
        return
    fi

    local options=""
    case $command in
        dump) options="--numbers --json" ;;
        search) options="--mode --field --personal-only --greek-mode --numbers --json" ;;
        multi) options="--field --start --contain --end --numbers --json" ;;
        fulltext) options="--numbers --json" ;;
        show) options="--entry --greek-mode --json" ;;
        look | define) options="--max --color --no-pager --json" ;;
        print) options="--pdf --entry --greek-mode" ;;
        insert) options="--english --greek --field --description --description-file" ;;
        update) options="--entry --expect --english --greek --field --description
            --description-file" ;;
        delete) options="--entry --expect --note" ;;
        export | import)
            if [ "$prev" = --format ]; then
                COMPREPLY=($(compgen -W "tbx tbx2 csv" -- "$cur"))
                return
            fi
            options="--format"
            [ "$command" = export ] && options="$options --notes" || options="$options --dry-run"
            COMPREPLY=($(compgen -W "$options --help" -- "$cur") $(compgen -f -- "$cur"))
            return
            ;;
        help)
            COMPREPLY=($(compgen -W "$commands" -- "$cur"))
            return
            ;;
    esac
    COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
} && complete -F _orvan_cli orvan-cli
