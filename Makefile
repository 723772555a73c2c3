# The two set-up commands of the README: `make run` opens the board, `make test` runs every test.
# Both install what is missing first, then configure and build incrementally.

PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: all deps configure build run gallery test test-windows test-arm64 bench fuzz soak clean \
        install package package-windows package-arm64

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake --preset $(PRESET)

build: configure
	@cmake --build --preset $(PRESET)

run: build
	./$(BUILD)/app/poterinko

gallery: build
	./$(BUILD)/tools/gallery/poterinko-gallery

test: build
	ctest --preset $(PRESET) -j2

# The 32-bit Windows programs (mingw-w64) and their tests under Wine: installs the cross compiler
# and Wine, builds the third-party libraries from Debian's sources once, then builds
# incrementally. Where the 32-bit Wine cannot run (a kernel without 32-bit support, or a package
# index that cannot serve it) the tests run as x86_64 programs under the 64-bit Wine
# (scripts/test-windows.sh says which way it takes and why).
test-windows:
	@./scripts/test-windows.sh

# The Linux programs for 64-bit ARM (Raspberry Pi and the like) in build/arm64: cross-built with
# Debian's aarch64 compiler against Debian's arm64 libraries; every Linux test runs under qemu-user.
test-arm64: deps
	@./scripts/arm64.sh test

# Installs under PREFIX (staged under DESTDIR when given), e.g. make install PREFIX=$$HOME/.local
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# build/default/poterinko_<version>_amd64.deb
package: build
	cmake --build $(BUILD) --target package

# build/arm64/poterinko_<version>_arm64.deb
package-arm64: deps
	@./scripts/arm64.sh package

# build/default/poterinko-<version>-win32.zip, from the Windows programs built first.
package-windows: build
	@./scripts/build-windows-programs.sh
	cmake --build $(BUILD) --target package-windows

bench: build
	./scripts/run-benchmarks.sh $(BUILD)

# Builds only the fuzz targets (clang, ASan + UBSan) and runs each for FUZZ_SECONDS.
FUZZ_SECONDS ?= 180
fuzz:
	@./scripts/install-deps.sh fuzz
	./fuzz/run-fuzzers.sh $(FUZZ_SECONDS)

# A long run of the board under the address, leak and undefined-behaviour sanitizers, kept out of
# `make test`: 10,000 drops (DROPS=N for another number) through the debug build's scenario driver.
soak: deps
	@[ -f build/debug/build.ninja ] || cmake --preset debug
	cmake --build --preset debug --target poterinko-scenario
	python3 scripts/soak/soak.py build/debug/tools/scenario/poterinko-scenario --drops $(or $(DROPS),10000)

clean:
	rm -rf build
