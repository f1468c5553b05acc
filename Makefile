# Quick start: `make run` shows the creature, `make test` runs every test.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
# What `make run` builds: the programs and the skins beside them, no tests or benchmarks.
RUN_TARGETS = orbo orbo-skin-check orbo-skin-import orbo_skins

.PHONY: all deps configure build run-deps run-configure run-build run test bench package soak \
	clean format windows test-windows release release-tree

all: build

# CMake says only what goes wrong or is left out (warnings and errors); BUILD_TESTING flips the
# same build folder between the program alone (make run) and everything (make test).
configure_cmd = cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	-DBUILD_TESTING=$(1) --log-level=WARNING $(CMAKE_FLAGS)

# The whole build: the program, its tests and benchmarks, and the tools the tests use.
deps:
	@scripts/install-deps --test

configure: deps
	@$(call configure_cmd,ON)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

# Only what building and running the creature need.
run-deps:
	@scripts/install-deps --run

run-configure: run-deps
	@$(call configure_cmd,OFF)

run-build: run-configure
	@cmake --build $(BUILD) -j $(JOBS) --target $(RUN_TARGETS)

run: run-build
	@scripts/run $(BUILD)

bench: build
	@scripts/bench $(BUILD)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD)

# make soak DURATION=1800: a long run at full speed on a virtual display.
DURATION ?= 1800
soak: build
	@scripts/soak $(DURATION) $(BUILD)

package: build
	@cd $(BUILD) && cpack -G DEB >/dev/null && ls -1 $(CURDIR)/$(BUILD)/*.deb

# Windows: orbo.exe, orbo-skin-check.exe, the zip and the installer, cross-built in
# $(WINDOWS_BUILD) against the static Qt for Windows; test-windows runs the unit, widget and
# end-to-end tests under Wine, the installer's among them. Given SIGN_CERT and SIGN_KEY (a code
# signing certificate and its private key, PEM files), the programs, the installer and its
# uninstaller are signed.
WINDOWS_BUILD ?= build-windows
SIGN_CERT ?=
SIGN_KEY ?=

windows:
	@scripts/install-deps --windows
	@cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DORBO_BENCH=OFF -DCMAKE_UNITY_BUILD=ON \
		-DCMAKE_UNITY_BUILD_BATCH_SIZE=16 --log-level=WARNING \
		-DORBO_SIGN_CERT="$(if $(SIGN_CERT),$(abspath $(SIGN_CERT)))" \
		-DORBO_SIGN_KEY="$(if $(SIGN_KEY),$(abspath $(SIGN_KEY)))" $(CMAKE_FLAGS)
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target orbo_windows_packages

test-windows: windows
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@scripts/test-windows $(WINDOWS_BUILD) $(BUILD) $(JOBS)

# Every download in dist/ with SHA256SUMS (scripts/release): the Debian package, the GNOME Shell
# extension's two zips and the source tarball from $(BUILD) (the programs alone, as make run
# builds them), the Windows zip and installer from $(WINDOWS_BUILD), signed when given SIGN_CERT
# and SIGN_KEY. One commit gives the same bytes wherever and whenever it is built
# (scripts/check-reproducible builds it all again to show it).
release: release-tree windows run-configure
	@cmake --build $(BUILD) -j $(JOBS)
	@scripts/release $(BUILD) $(WINDOWS_BUILD)

# A release is made from a commit: the source tarball holds what was committed, no more.
release-tree:
	@test -z "$$(git status --porcelain)" || { git status --short >&2; \
		echo "make release: commit or stash these changes first" >&2; exit 1; }
