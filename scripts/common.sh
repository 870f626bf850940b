# Shared by the scripts in this folder: the repository root and the build
# folder (KILN_BUILD_DIR, default <repository>/build).
KILN_SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KILN_BUILD_DIR=${KILN_BUILD_DIR:-$KILN_SOURCE_DIR/build}
mkdir -p "$KILN_BUILD_DIR"
KILN_BUILD_DIR=$(cd "$KILN_BUILD_DIR" && pwd)
export KILN_SOURCE_DIR KILN_BUILD_DIR

# Runs a command as root: directly when root already, else through sudo.
as_root() {
    if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi
}
