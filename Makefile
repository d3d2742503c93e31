# Front door: every target installs what it needs first, so a fresh Debian 12 clone works.
BUILD ?= build
SAN_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build play server test install uninstall bench bench-server sanitize soak fuzz \
	contact-sheet demos format clean deps-windows windows test-windows

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# The game, with the local score server beside it when none listens on its port.
play: build
	bash scripts/play.sh $(BUILD)

# The score server in the foreground on 127.0.0.1:8642, where the game's links point.
server: build
	$(BUILD)/server/glintbreaker-server

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Windows: the 32-bit and 64-bit games cross-built into build-win32/ and build-win64/, each with
# its zip; the assets come from the Linux build. test-windows runs them under Wine.
deps-windows:
	@bash scripts/install-deps.sh --windows

windows: deps-windows $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target assets glintbreaker
	bash scripts/build-windows.sh win32 $(BUILD)
	bash scripts/build-windows.sh win64 $(BUILD)

test-windows: windows
	bash scripts/test-windows.sh $(BUILD)

# The attract demos recorded again from their scripts (after a change of the rules or levels).
demos: build
	bash scripts/record-demos.sh $(BUILD)
	cmake --build $(BUILD) -j $(JOBS) --target assets

# The game installed under PREFIX: the program in bin/, its data in share/glintbreaker, its desktop
# entry, icons and metainfo; DESTDIR stages the tree for a package. The list of what went where
# (under DESTDIR, which the build's own install_manifest.txt leaves out) is kept for
# `make uninstall`: install_manifest.txt is rewritten by each install, the tests' among them.
PREFIX ?= /usr/local
INSTALLED = $(BUILD)/installed-files.txt
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(abspath $(PREFIX))
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt >$(INSTALLED)

uninstall:
	@test -f $(INSTALLED) || { echo "make uninstall: nothing installed from $(BUILD)" >&2; exit 1; }
	bash scripts/uninstall.sh $(INSTALLED)

# Micro-benchmarks, then the table of figures beside their budgets (real windows on an Xvfb
# server the figures start for themselves).
bench: build
	$(BUILD)/bench/glintbreaker_bench
	$(BUILD)/bench/glintbreaker_figures

# The score server under the load of 500 players: records per second and a player's wait, on
# SQLite and on PostgreSQL with two servers.
bench-server: build
	$(BUILD)/bench/glintbreaker_server_bench

$(SAN_BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DGLINT_SANITIZE=ON

sanitize: deps $(SAN_BUILD)/CMakeCache.txt
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS) -LE e2e

# The monkey plays an hour of game time under the sanitizers; SOAK_MINUTES sets another length.
SOAK_MINUTES ?= 60
soak: deps $(SAN_BUILD)/CMakeCache.txt
	cmake --build $(SAN_BUILD) -j $(JOBS) --target glint_soak_tests
	GLINT_SOAK_MINUTES=$(SOAK_MINUTES) $(SAN_BUILD)/tests/glint_soak_tests

# libFuzzer harnesses for the loaders of outside bytes (clang): built into FUZZ_BUILD, then each
# run for FUZZ_SECONDS on a scratch copy of its seeds, FUZZ_JOBS at once; a crash fails.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_JOBS ?= $(JOBS)
fuzz: deps
	CC=clang CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_JOBS)

contact-sheet: build
	cmake --build $(BUILD) --target contact-sheet

format:
	find app scene engine gameplay menus online runtime tools tests bench fuzz server \
	  -name '*.cpp' -o -name '*.h' | xargs -r clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) build-win32 build-win64
