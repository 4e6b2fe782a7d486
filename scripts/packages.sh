# Debian packages, by purpose. Sourced by the other scripts.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev fonts-dejavu-core)
BENCH_PACKAGES=(libbenchmark-dev valgrind)
