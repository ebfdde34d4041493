#!/usr/bin/env bash
# Prints the path of the SARIF multitool (the validator code-scanning
# services use), installing it from the npm registry into FOLDER first when
# it is not there. npm blocks the package's install script, so the run bit
# of its binary is set here. Fails, saying why, when it cannot be installed.
set -euo pipefail
folder=${1:?usage: $0 FOLDER}
tool="$folder/node_modules/@microsoft/sarif-multitool-linux/Sarif.Multitool"
if [[ ! -f $tool ]]; then
  command -v npm > /dev/null || { echo "npm is not installed" >&2; exit 1; }
  mkdir -p "$folder"
  npm install --prefix "$folder" --no-audit --no-fund --ignore-scripts \
    @microsoft/sarif-multitool > "$folder/npm.log" 2>&1 ||
    { echo "npm could not install @microsoft/sarif-multitool (see $folder/npm.log)" >&2; exit 1; }
fi
chmod +x "$tool"
echo "$tool"
