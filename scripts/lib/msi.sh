# shellcheck shell=bash
# What the Windows Installer packages, their signing and their winget manifests share: the
# fixed codes of each architecture's packages, signing a file with osslsigncode, and the
# manifests. Sourced by scripts/build-msi, scripts/release, scripts/check-msi and
# scripts/check-release.

msi_lib=$(dirname "${BASH_SOURCE[0]}")

# The UpgradeCode of each architecture, from packaging/windows/upgrade-codes.txt.
declare -A msi_upgrade_codes=()
while read -r msi_arch msi_upgrade_code; do
    if [[ $msi_arch == x* ]]; then
        msi_upgrade_codes[$msi_arch]=$msi_upgrade_code
    fi
done <"$msi_lib/../../packaging/windows/upgrade-codes.txt"

# A name-based UUID within an architecture's UpgradeCode: the ProductCode of a version is the
# UUID of that version ("1.00"), so every build of it carries the same code.
#   msi_code ARCH NAME
msi_code() {
    python3 "$msi_lib/reproducible_msi.py" --name-uuid "${msi_upgrade_codes[$1]}" "$2"
}

# Whether the builder asked for signing: a certificate chain and a key (a PEM file, or a
# PKCS#11 URI) both named.
signing_wanted() {
    [[ -n ${TARVIK_SIGN_CERT:-} && -n ${TARVIK_SIGN_KEY:-} ]]
}

# Signs a Windows program or package in place with Authenticode, SHA-256. The signing time is
# SOURCE_DATE_EPOCH, so that a signature with an RSA key is the same bytes at every build;
# a timestamp from TARVIK_SIGN_TIMESTAMP_URL is the time of signing and makes them differ.
# A key named by a PKCS#11 URI (a hardware token) is used through the module in
# TARVIK_SIGN_PKCS11_MODULE.
#   sign_file FILE DESCRIPTION
sign_file() {
    local file=$1 description=$2
    local options=(-h sha256 -n "$description" -certs "$TARVIK_SIGN_CERT" -time "$SOURCE_DATE_EPOCH")
    if [[ $TARVIK_SIGN_KEY == pkcs11:* ]]; then
        options+=(-pkcs11module "${TARVIK_SIGN_PKCS11_MODULE:?a PKCS#11 key needs TARVIK_SIGN_PKCS11_MODULE}")
    fi
    options+=(-key "$TARVIK_SIGN_KEY")
    if [[ -n ${TARVIK_SIGN_PASSWORD_FILE:-} ]]; then
        options+=(-readpass "$TARVIK_SIGN_PASSWORD_FILE")
    fi
    if [[ -n ${TARVIK_SIGN_TIMESTAMP_URL:-} ]]; then
        options+=(-ts "$TARVIK_SIGN_TIMESTAMP_URL")
    fi
    if [[ -n ${TARVIK_HOMEPAGE:-} ]]; then
        options+=(-i "$TARVIK_HOMEPAGE")
    fi
    rm -f "$file.signed"
    osslsigncode sign "${options[@]}" -in "$file" -out "$file.signed" >/dev/null
    mv "$file.signed" "$file"
}

# The winget manifests of a release whose files will be downloaded from URL: the version,
# the default locale (Japanese, the window's language) and the installers, both MSIs with
# their SHA-256 and codes, installed for the whole machine.
#   write_winget DIST VERSION URL
write_winget() {
    local dist=$1 version=$2 url=${3%/}
    local id=TARVIK.TARVIK folder=$1/winget
    mkdir -p "$folder"
    printf '%s\n' "PackageIdentifier: $id" "PackageVersion: \"$version\"" \
        "DefaultLocale: ja-JP" "ManifestType: version" "ManifestVersion: 1.6.0" \
        >"$folder/$id.yaml"
    {
        printf '%s\n' "PackageIdentifier: $id" "PackageVersion: \"$version\"" \
            "InstallerType: msi" "Scope: machine" "UpgradeBehavior: install" \
            "InstallModes:" "  - silent" "  - silentWithProgress" "Installers:"
        local arch msi
        for arch in x64 x86; do
            msi=TARVIK-$version-$arch.msi
            printf '%s\n' "  - Architecture: $arch" \
                "    InstallerUrl: $url/$msi" \
                "    InstallerSha256: $(sha256sum "$dist/$msi" | cut -c1-64 | tr a-f A-F)" \
                "    ProductCode: \"{$(msi_code "$arch" "$version")}\"" \
                "    AppsAndFeaturesEntries:" \
                "      - DisplayName: TARVIK" \
                "        Publisher: The TARVIK developers" \
                "        DisplayVersion: \"$version\"" \
                "        ProductCode: \"{$(msi_code "$arch" "$version")}\"" \
                "        UpgradeCode: \"{${msi_upgrade_codes[$arch]}}\""
        done
        printf '%s\n' "ManifestType: installer" "ManifestVersion: 1.6.0"
    } >"$folder/$id.installer.yaml"
    {
        printf '%s\n' "PackageIdentifier: $id" "PackageVersion: \"$version\"" \
            "PackageLocale: ja-JP" "Publisher: The TARVIK developers" "PackageName: TARVIK"
        if [[ -n ${TARVIK_HOMEPAGE:-} ]]; then
            printf '%s\n' "PackageUrl: $TARVIK_HOMEPAGE"
        fi
        printf '%s\n' "License: MIT" "Copyright: Copyright the TARVIK developers" \
            "ShortDescription: 流量から90°三角堰（Vノッチ堰）の越流高さを求める計算機" \
            "Moniker: tarvik" "ManifestType: defaultLocale" "ManifestVersion: 1.6.0"
    } >"$folder/$id.locale.ja-JP.yaml"
}
