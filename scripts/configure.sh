# Sourced by the scripts that build. configure_build DIR GUI SANITIZE configures the one standard
# build, so that running, testing and packaging share a build folder.
configure_build() {
    cmake -S "$root" -B "$1" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTRELINK_WERROR=ON \
        -DTRELINK_BUILD_GUI="$2" \
        -DTRELINK_SANITIZE="$3"
}
