# Installs the Debian packages the program, its tests and its tools need,
# when any of them is missing. Sourced by the run and test scripts.
PHONEBOOK_PACKAGES="g++ cmake make pkg-config qt6-base-dev qt6-translations-l10n libsqlite3-dev libicu-dev
libx11-dev mdbtools-dev fonts-farsiweb fonts-freefarsi fonts-dejavu-core"

install_missing_packages() {
    missing=""
    for package in $PHONEBOOK_PACKAGES; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
    done
    if [ -n "$missing" ]; then
        echo "Installing:$missing"
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
    fi
}
