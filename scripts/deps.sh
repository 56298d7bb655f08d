# Installs the Debian packages the project needs when any is missing.
# Sourced by run.sh and test.sh.
vuvivaz_packages=(cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
                  libqt6svg6 libx11-dev ngircd openssl ca-certificates clang
                  libclang-rt-14-dev clang-tidy desktop-file-utils)

ensure_packages() {
    local missing=()
    for package in "${vuvivaz_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
