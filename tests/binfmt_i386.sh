#!/bin/sh
# binfmt_i386.sh <interpreter> <folder> <command> [<argument>...]
# Runs the command where the kernel hands each 32-bit x86 program to the
# interpreter: qemu-i386, for Wine's 32-bit loader and server on a kernel that
# refuses such programs.
#
# Nothing outside changes. In a user namespace of its own, where the user is
# root, a binfmt_misc private to that namespace (Linux 6.7 and newer) is
# mounted on the folder, and the interpreter registered in it with qemu's
# magic and mask for i386 ELF files; the kernel opens the interpreter there and
# then (flag F). The command runs in a namespace nested in that one, as the
# user who started it, so that Wine finds its prefix and the test run's one
# server as that user's.
set -eu
interpreter=$(command -v "$1") || { echo "binfmt_i386.sh: $1 not found" >&2; exit 127; }
folder=$2
shift 2
mkdir -p "$folder"
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
# shellcheck disable=SC2016 # the inner shell expands its arguments
exec unshare --user --map-root-user --mount sh -c '
    mount -t binfmt_misc binfmt_misc "$1" 2>/dev/null || {
        echo "binfmt_i386.sh: cannot mount a binfmt_misc in a user namespace (Linux 6.7 and newer can)" >&2
        exit 1
    }
    printf ":i386:M::%s:%s:%s:F" "$2" "$3" "$4" >"$1/register"
    user=$5 group=$6
    shift 6
    exec unshare --user --map-user="$user" --map-group="$group" "$@"' \
    sh "$folder" "$magic" "$mask" "$interpreter" "$(id -u)" "$(id -g)" "$@"
