# Shared by the build scripts: compile through ccache when it is installed.
# Source it, then pass "${ccache_args[@]}" to CMake's configure step. Cached
# objects are found again from any clone of the project.
ccache_args=()
if command -v ccache >/dev/null 2>&1; then
  ccache_args=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
  export CCACHE_NOHASHDIR=1
fi
