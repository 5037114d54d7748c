# Shared by run.sh and test.sh: install the Debian packages that are missing.
calorix_install_packages() {
    local wanted=(g++ cmake make qt6-base-dev qt6-charts-dev libgtest-dev libbenchmark-dev
                  libeigen3-dev fonts-dejavu-core desktop-file-utils appstream libxml2-utils
                  shared-mime-info dpkg-dev qt6-svg-dev "$@")
    local missing=()
    local p
    for p in "${wanted[@]}"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
    fi
}

# The number tests run under a comma-decimal locale (students use de_DE and
# fr_FR desktops): generate de_DE.UTF-8 from Debian's locales package when the
# machine lacks it.
calorix_provide_comma_locale() {
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if ! locale -a 2>/dev/null | grep -iE '^de_DE\.utf-?8$' >/dev/null; then
        echo "Generating the de_DE.UTF-8 locale"
        $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
    fi
}
