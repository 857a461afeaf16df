#!/usr/bin/env bash
# Checks a Debian package with lintian, as a distribution would: fails on any error or warning.
# Info-level tags are shown too, as advice. Overrides, each with its reason, are in
# packaging/lintian-overrides.
#   scripts/lint-package.sh PACKAGE.deb
set -euo pipefail
package=${1:?usage: $0 PACKAGE.deb}
[[ -f $package ]] || { echo "no package at $package: run scripts/package.sh first" >&2; exit 2; }
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$package"
echo "lintian: no error or warning in $(basename "$package")"
