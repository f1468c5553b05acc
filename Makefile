# Quick start: `make run` shows the creature, `make test` runs every test.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench package soak clean format windows test-windows

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

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
# end-to-end tests under Wine, the installer's among them.
WINDOWS_BUILD ?= build-windows

windows:
	@scripts/install-deps --windows
	@cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DORBO_BENCH=OFF -DCMAKE_UNITY_BUILD=ON \
		-DCMAKE_UNITY_BUILD_BATCH_SIZE=16 $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target orbo_windows_packages

test-windows: windows
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@scripts/test-windows $(WINDOWS_BUILD) $(BUILD) $(JOBS)
