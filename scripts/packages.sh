# Debian packages, by purpose. Sourced by the other scripts.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev fonts-dejavu-core)
TEST_PACKAGES=(desktop-file-utils appstream xvfb xauth at-spi2-core dbus-daemon python3-dbus)
PACKAGE_PACKAGES=(dpkg-dev file)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
BENCH_PACKAGES=(libbenchmark-dev valgrind)
