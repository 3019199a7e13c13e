# Sourced by the scripts that work on a build: sets root (the project folder) and build (the
# build folder, <root>/build unless --build-dir DIR names another). Takes no other option.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
while [ $# -gt 0 ]; do
    case "$1" in
        --build-dir) build=$(realpath -m "$2"); shift ;;
        *) echo "$(basename "$0"): unknown option $1 (known: --build-dir DIR)" >&2; exit 2 ;;
    esac
    shift
done
