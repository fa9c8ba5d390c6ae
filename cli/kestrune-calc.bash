# SPDX-FileCopyrightText: 2026 Kestrune developers
# SPDX-License-Identifier: MIT
# bash completion for kestrune-calc

_kestrune_calc() {
    local cur prev command
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    command=${COMP_WORDS[1]}
    if [[ $COMP_CWORD -eq 1 ]]; then
        COMPREPLY=($(compgen -W "turns torque weight card batches energy --help --version" -- "$cur"))
        return
    fi
    local IFS=$'\n'
    case $prev in
        --type) COMPREPLY=($(compgen -W $'Tan\\ II\nTan\\ Super\\ Sport\nTan\\ Sport' -- "$cur")); return ;;
        --width) COMPREPLY=($(compgen -W $'1/16\n3/32\n1/8\n3/16\n1/4' -- "$cur")); return ;;
        --strands) COMPREPLY=($(compgen -W "$(seq 2 2 36)" -- "$cur")); return ;;
        --limit) COMPREPLY=($(compgen -W "$(seq 100 -5 50)" -- "$cur")); return ;;
        --class) COMPREPLY=($(compgen -W $'None\nF1B\nF1G\nP-30\nF1M\nF1D' -- "$cur")); return ;;
        --units) COMPREPLY=($(compgen -W $'inch\nmm' -- "$cur")); return ;;
        --format) COMPREPLY=($(compgen -W $'text\ncsv\njson' -- "$cur")); return ;;
        --input|--constants) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --length|--weight|--thickness|--density|--ratio|--stretch|--turns-constant|--torque-constant) return ;;
        --total-turns|--at-torque) return ;;
    esac
    local options="--format --input --constants --turns-constant --torque-constant"
    case $command in
        turns) options+=" --type --width --strands --length --limit --vorlick" ;;
        torque) options+=" --type --width --strands --limit --vorlick" ;;
        weight) options+=" --type --width --strands --length --weight --class --limit --units --thickness --density" ;;
        card) options+=" --type --width --strands --length --vorlick --ratio --stretch --units" ;;
        batches) COMPREPLY=($(compgen -f -W "--format --constants" -- "$cur")); return ;;
        energy) COMPREPLY=($(compgen -f -W "--format --weight --total-turns --at-torque" -- "$cur")); return ;;
    esac
    IFS=' '
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
}
complete -F _kestrune_calc kestrune-calc
