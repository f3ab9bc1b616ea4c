#!/usr/bin/env bash
# The Windows download: builds the ZIP into a temporary folder, unsigned and
# then signed with a throwaway certificate made here, and checks what a user
# gets: hexling.exe with a README and licence in Windows' line ends, the
# version resource and manifest, and a signature that verifies against that
# certificate.
#   windows_package_test.sh BUILD_DIR
set -uo pipefail
source "$(dirname "$0")/checks.sh"
build=$1
needs cpack unzip strings openssl osslsigncode
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

package() {  # into $work/$1, with the environment given after it
  local into=$work/$1
  shift
  mkdir -p "$into/files"
  (cd "$into" && env "$@" cpack --config "$build/CPackConfig.cmake" -B "$into" >cpack.log 2>&1) ||
    { cat "$into/cpack.log"; echo "FAILED: cpack"; exit 1; }
  unzip -q -d "$into/files" "$(find "$into" -maxdepth 1 -name 'hexling-*-win64.zip')"
}
windows_line_ends() { [[ $(grep -c $'\r$' "$1") -eq $(wc -l <"$1") && $(wc -l <"$1") -gt 10 ]]; }

package unsigned
folder=$(ls "$work/unsigned/files")
files=$work/unsigned/files/$folder
check "it unpacks into a folder of its own, hexling-<version> (is $folder)" bash -c '[[ $0 =~ ^hexling-[0-9]+\.[0-9]+\.[0-9]+$ ]]' "$folder"
check "it says the program is unsigned" grep -q "hexling.exe is not signed" "$work/unsigned/cpack.log"
check "it holds hexling.exe, README.txt and LICENSE.txt: $(ls "$files" | tr '\n' ' ')" \
  test "$(ls "$files" | tr '\n' ' ')" = "LICENSE.txt README.txt hexling.exe "
for text in README.txt LICENSE.txt; do
  check "$text has Windows line ends" windows_line_ends "$files/$text"
done
check "the version resource names the company" grep -q -x "The Hexling developers" <(strings -el "$files/hexling.exe")
check "and the original file name" grep -q -x "hexling.exe" <(strings -el "$files/hexling.exe")
check "the manifest runs it with the rights of whoever starts it" \
  grep -q 'requestedExecutionLevel level="asInvoker"' <(strings "$files/hexling.exe")

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Hexling test signing" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
package signed HEXLING_SIGNING_CERT="$work/cert.pem" HEXLING_SIGNING_KEY="$work/key.pem"
check "unsigned, hexling.exe carries no signature" \
  bash -c '! osslsigncode verify -CAfile "$0" -in "$1" >/dev/null 2>&1' "$work/cert.pem" "$files/hexling.exe"
check "signed, its SHA-256 Authenticode signature verifies against the certificate" \
  osslsigncode verify -CAfile "$work/cert.pem" -in "$work/signed/files/$folder/hexling.exe"
osslsigncode remove-signature -in "$work/signed/files/$folder/hexling.exe" -out "$work/removed.exe" >/dev/null
check "and without it, the signed hexling.exe is the unsigned one, byte for byte" cmp "$work/removed.exe" "$files/hexling.exe"
finish_checks
