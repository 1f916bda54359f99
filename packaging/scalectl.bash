# bash completion for scalectl                                   -*- shell-script -*-
# The commands, their words and options, and the options before the command. Kept beside the
# usage text of scalectl --help; a test checks that every command listed
# there is offered here.

_scalectl()
{
    local cur prev words cword
    _init_completion || return

    case $prev in
        --port)
            COMPREPLY=($(compgen -W 'COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8 socket:// rfc2217://' -- "$cur"))
            compopt -o nospace 2>/dev/null
            [[ $cur == /* ]] && _filedir
            return
            ;;
        --baud)
            COMPREPLY=($(compgen -W '1200 2400 4800 9600 14400 19200 28800 38400 57600 115200' -- "$cur"))
            return
            ;;
        --jobs | --from | --to | --password | --brightness | --contrast | --rate | --time | --scale | --site)
            return
            ;;
        --records | --archive | --password-file)
            _filedir
            return
            ;;
        --verify)
            COMPREPLY=($(compgen -W 'none written all' -- "$cur"))
            return
            ;;
        --format)
            COMPREPLY=($(compgen -W 'text json csv' -- "$cur"))
            return
            ;;
        -o | --preview)
            # A file, or "-" for standard output.
            _filedir
            [[ -z $cur || $cur == - ]] && COMPREPLY+=(-)
            return
            ;;
        --preset)
            COMPREPLY=($(compgen -W 'single-6 single-15 single-30 dual-6 dual-15 dual-30' -- "$cur"))
            return
            ;;
    esac

    # The command: the first word after the global options and their values.
    local i command='' at=0
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --port | --baud | --jobs | --records | --archive | --site | --format) ((i++)) ;;
            -*) ;;
            *)
                command=${words[i]}
                at=$i
                break
                ;;
        esac
    done

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W '--port --jobs --baud --trace --records --archive --site --format --help --version' -- "$cur"))
        else
            COMPREPLY=($(compgen -W 'raw plu display key calibration report history logo settings clock find info' -- "$cur"))
        fi
        return
    fi

    local sub=''
    ((at + 1 < cword)) && sub=${words[at + 1]}
    if ((at + 1 == cword)); then
        case $command in
            plu) COMPREPLY=($(compgen -W 'pull push diff' -- "$cur")) ;;
            settings) COMPREPLY=($(compgen -W 'pull push diff' -- "$cur")) ;;
            history) COMPREPLY=($(compgen -W '--scale --from --to --format --help' -- "$cur")) ;;
            find) COMPREPLY=($(compgen -W '--port --baud --help' -- "$cur")) ;;
            logo) COMPREPLY=($(compgen -W 'send preview' -- "$cur")) ;;
            calibration) COMPREPLY=($(compgen -W 'send' -- "$cur")) ;;
            clock) COMPREPLY=($(compgen -W 'get set' -- "$cur")) ;;
            report) COMPREPLY=($(compgen -W '--z --password-file --password --force --dry-run -o --help' -- "$cur")) ;;
        esac
        return
    fi

    local options=''
    case "$command $sub" in
        'plu pull') options='--from --to -o' ;;
        'plu push' | 'plu diff' | 'logo send' | 'logo preview' | 'settings push')
            if [[ $cur != -* ]]; then
                _filedir
                return
            fi
            case $sub in
                send) options='--brightness --contrast --threshold --preview' ;;
                preview) options='--brightness --contrast --threshold' ;;
                push) [[ $command == settings ]] && options='--rate' || options='--changed --verify --dry-run' ;;
                diff) options='--from --to' ;;
            esac
            ;;
        'settings pull') options='-o' ;;
        'clock set') options='--time' ;;
        'calibration send') options='--preset' ;;
        report*) options='--z --password-file --password --force --dry-run -o' ;;
        history*) options='--scale --from --to --format' ;;
        find*) options='--port --baud' ;;
    esac
    COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
} &&
    complete -F _scalectl scalectl

# ex: filetype=sh
