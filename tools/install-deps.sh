#!/usr/bin/env bash
# Installs the Debian 12 packages specdesk builds with, when any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev locales)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
