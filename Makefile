# The front door: every command installs the Debian packages it lacks, then
# configures and builds through the CMake presets. Build trees: build/ (what
# users run), build-sanitize/ (ASan + UBSan tests), build-windows/ (hexling.exe,
# cross-built with MinGW-w64, tested under Wine), build-fuzz/ (libFuzzer).
# With CI set, warnings are errors, in trees of CI's own (build-ci-default/,
# build-ci-sanitize/, build-ci-windows/), so that going between the two never
# rebuilds what did not change.

# Courier New is not free; fontconfig stands Liberation Mono in for it.
PACKAGES            := cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev \
                       qt6-base-dev qt6-qpa-plugins qt6-wayland libxcb1-dev fonts-liberation
TEST_PACKAGES       := xvfb openbox metacity mutter kwin-x11 xfwm4 dbus-daemon weston xdotool x11-utils x11-xserver-utils wmctrl valgrind file dpkg-dev desktop-file-utils appstream appstream-compose \
                       imagemagick lintian wine64 fonts-wine python3 unzip openssl osslsigncode \
                       at-spi2-core python3-gi gir1.2-atspi-2.0 kwin-wayland xwayland
WINDOWS_PACKAGES    := cmake ninja-build g++-mingw-w64-x86-64 libgtest-dev
# Signing the Windows program needs osslsigncode only where a certificate is given.
PACKAGE_PACKAGES    := dpkg-dev file python3 $(if $(HEXLING_SIGNING_CERT),osslsigncode)
SCREENSHOT_PACKAGES := xvfb openbox x11-utils xdotool imagemagick
# The fuzzer's clang, and the sanitizer runtime of the same version.
FUZZ_CLANG          := 14
FUZZ_PACKAGES       := clang-$(FUZZ_CLANG) libclang-rt-$(FUZZ_CLANG)-dev
FUZZ_SECONDS        ?= 120

CI_ := $(if $(CI),ci-)
BUILD_DIR   := $(if $(CI),build-ci-default,build)
WINDOWS_DIR := $(if $(CI),build-ci-windows,build-windows)

.PHONY: run test bench bench-startup fuzz memcheck screenshot install package clean build windows packages

# The program alone, configured once: a build tree that exists is brought up
# to date by the build itself.
run: packages
	@test -f $(BUILD_DIR)/build.ninja || cmake --preset $(CI_)default
	cmake --build --preset $(CI_)default --target hexling
	$(BUILD_DIR)/bin/hexling

# Every tool the tests need is installed first, so none may skip.
test: export HEXLING_NO_SKIP := 1
test: build windows
	@scripts/ensure-packages.sh $(TEST_PACKAGES) $(FUZZ_PACKAGES)
	cmake --preset $(CI_)sanitize
	cmake --build --preset $(CI_)sanitize
	ctest --preset $(CI_)sanitize
	ctest --preset $(CI_)default
	ctest --preset $(CI_)windows

# Medians of BENCH_REPETITIONS runs of at least BENCH_SECONDS each.
BENCH_REPETITIONS ?= 9
BENCH_SECONDS     ?= 0.5
bench: build
	@. scripts/bench-goals.sh && echo "on $$(machine)"
	@echo "(Debian's Google Benchmark is built without NDEBUG: its warning that the library was built as DEBUG is about it, not about Hexling, built optimised)"
	$(BUILD_DIR)/bin/hexling_bench --benchmark_repetitions=$(BENCH_REPETITIONS) --benchmark_min_time=$(BENCH_SECONDS) \
	  --benchmark_report_aggregates_only=true --benchmark_display_aggregates_only=true

# STARTUP_RUNS interleaved runs of each program. STARTUP_FONTS: installed
# (every font installed), few (only those the window and the toolkit use), or
# desktop (installs the Noto families a GNOME or KDE desktop brings, then as
# installed).
STARTUP_RUNS  ?= 31
STARTUP_FONTS ?= installed
DESKTOP_FONTS := fonts-noto-core fonts-noto-extra fonts-noto-ui-core fonts-noto-ui-extra
bench-startup: build windows
	@scripts/ensure-packages.sh $(TEST_PACKAGES) $(if $(filter desktop,$(STARTUP_FONTS)),$(DESKTOP_FONTS))
	STARTUP_FONTS=$(STARTUP_FONTS) scripts/bench-startup.sh $(BUILD_DIR)/bin $(STARTUP_RUNS)
	scripts/wine-desktop.sh --bare $(WINDOWS_DIR)/wine-prefix scripts/bench-startup-wine.sh $(BUILD_DIR)/bin $(WINDOWS_DIR)/bin $(STARTUP_RUNS)

# MEMCHECK_TESTS, a GoogleTest filter, runs only those of the binding's tests.
memcheck: build
	@scripts/ensure-packages.sh valgrind
	tests/memcheck_test.sh $(BUILD_DIR)/bin/window_test $(MEMCHECK_TESTS)

# Beside CMake's list of the files, the folders it makes, deepest first, for
# undoing it (docs/packaging.md).
INSTALL_ROOT = $(DESTDIR)$(or $(PREFIX),$(shell sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' $(BUILD_DIR)/CMakeCache.txt))
install: build
	@find $(INSTALL_ROOT) -type d 2>/dev/null | sort >$(BUILD_DIR)/folders_before_install.txt
	DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) --strip $(if $(PREFIX),--prefix $(PREFIX))
	@find $(INSTALL_ROOT) -type d | sort | comm -13 $(BUILD_DIR)/folders_before_install.txt - | sort -r \
	  >$(BUILD_DIR)/install_folders.txt

package: build windows
	@scripts/ensure-packages.sh $(PACKAGE_PACKAGES)
	cd $(BUILD_DIR) && cpack
	cd $(WINDOWS_DIR) && cpack

fuzz: packages
	@scripts/ensure-packages.sh $(FUZZ_PACKAGES)
	cmake --preset fuzz -DCMAKE_CXX_COMPILER=clang++-$(FUZZ_CLANG)
	cmake --build --preset fuzz
	mkdir -p build-fuzz/corpus
	build-fuzz/bin/hexling_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus

# Into SCREENSHOT_DIR, the README's pictures by default.
SCREENSHOT_DIR ?= docs
screenshot: build windows
	@scripts/ensure-packages.sh $(SCREENSHOT_PACKAGES) wine64 fonts-wine
	scripts/screenshot.sh $(SCREENSHOT_DIR)/hexling.png $(BUILD_DIR)/bin/hexling
	scripts/screenshot.sh $(SCREENSHOT_DIR)/hexling-windows.png $(WINDOWS_DIR)/bin/hexling.exe

build: packages
	cmake --preset $(CI_)default
	cmake --build --preset $(CI_)default

windows:
	@scripts/ensure-packages.sh $(WINDOWS_PACKAGES)
	cmake --preset $(CI_)windows
	cmake --build --preset $(CI_)windows

packages:
	@scripts/ensure-packages.sh $(PACKAGES)

clean:
	rm -rf build build-sanitize build-windows build-fuzz build-ci-default build-ci-sanitize build-ci-windows
