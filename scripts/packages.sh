# Debian packages, by purpose. Sourced by the other scripts.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgeonames-dev tzdata fonts-dejavu-core)
TEST_PACKAGES=(desktop-file-utils appstream shared-mime-info python3 xvfb xauth poppler-utils
    at-spi2-core dbus-daemon python3-dbus)
PACKAGE_PACKAGES=(dpkg-dev file)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
BENCH_PACKAGES=(libbenchmark-dev valgrind)
