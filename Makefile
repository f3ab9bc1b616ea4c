# The front door: every command installs the Debian packages it lacks, then
# configures and builds through the CMake presets. Build trees: build/ (what
# users run), build-sanitize/ (ASan + UBSan tests), build-windows/ (hexling.exe,
# cross-built with MinGW-w64, tested under Wine), build-fuzz/ (libFuzzer).

# Courier New is not free; fontconfig stands Liberation Mono in for it.
PACKAGES            := cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev \
                       qt6-base-dev qt6-qpa-plugins qt6-wayland libxcb1-dev libfontconfig-dev fonts-liberation
TEST_PACKAGES       := xvfb openbox metacity weston xdotool x11-utils x11-xserver-utils wmctrl valgrind file dpkg-dev desktop-file-utils appstream \
                       wine64 fonts-wine python3
WINDOWS_PACKAGES    := cmake ninja-build g++-mingw-w64-x86-64 libgtest-dev
PACKAGE_PACKAGES    := dpkg-dev file
SCREENSHOT_PACKAGES := xvfb openbox x11-utils xdotool imagemagick
FUZZ_PACKAGES       := clang libclang-rt-14-dev
FUZZ_SECONDS        ?= 120

# CI builds with warnings as errors.
CONFIGURE := -DCMAKE_COMPILE_WARNING_AS_ERROR=$(if $(CI),ON,OFF)

.PHONY: run test bench bench-startup fuzz memcheck screenshot install package clean build windows packages

run: build
	build/bin/hexling

test: build windows
	@scripts/ensure-packages.sh $(TEST_PACKAGES)
	cmake --preset sanitize $(CONFIGURE)
	cmake --build --preset sanitize
	ctest --preset sanitize
	ctest --preset default
	scripts/wine-desktop.sh build-windows/wine-prefix ctest --preset windows

bench: build
	build/bin/hexling_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
	  --benchmark_display_aggregates_only=true

bench-startup: build windows
	@scripts/ensure-packages.sh $(TEST_PACKAGES)
	scripts/bench-startup.sh build/bin 21
	scripts/wine-desktop.sh --bare build-windows/wine-prefix scripts/bench-startup-wine.sh build/bin build-windows/bin 21

memcheck: build
	@scripts/ensure-packages.sh valgrind
	tests/memcheck_test.sh build/bin/window_test

install: build
	DESTDIR=$(DESTDIR) cmake --install build $(if $(PREFIX),--prefix $(PREFIX))

package: build windows
	@scripts/ensure-packages.sh $(PACKAGE_PACKAGES)
	cd build && cpack
	cd build-windows && cpack

fuzz: packages
	@scripts/ensure-packages.sh $(FUZZ_PACKAGES)
	cmake --preset fuzz $(CONFIGURE)
	cmake --build --preset fuzz
	mkdir -p build-fuzz/corpus
	build-fuzz/bin/hexling_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus

screenshot: build windows
	@scripts/ensure-packages.sh $(SCREENSHOT_PACKAGES) wine64 fonts-wine
	scripts/screenshot.sh docs/hexling.png build/bin/hexling
	scripts/screenshot.sh docs/hexling-windows.png build-windows/bin/hexling.exe

build: packages
	cmake --preset default $(CONFIGURE)
	cmake --build --preset default

windows:
	@scripts/ensure-packages.sh $(WINDOWS_PACKAGES)
	cmake --preset windows $(CONFIGURE)
	cmake --build --preset windows

packages:
	@scripts/ensure-packages.sh $(PACKAGES)

clean:
	rm -rf build build-sanitize build-windows build-fuzz
