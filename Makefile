# Front door: every target installs what it needs first, so a fresh Debian 12 clone works.
BUILD ?= build
SAN_BUILD ?= build-sanitize
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build play server test bench sanitize fuzz contact-sheet format clean

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

play: build
	$(BUILD)/game/glintbreaker

# The score server in the foreground on 127.0.0.1:8642, where the game's links point.
server: build
	$(BUILD)/server/glintbreaker-server

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/glintbreaker_bench

sanitize: deps
	cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DGLINT_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS) -LE e2e

# libFuzzer harnesses for the loaders of outside bytes; needs clang (apt-get install clang).
fuzz: deps
	CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz
	cmake --build build-fuzz -j $(JOBS)

contact-sheet: build
	cmake --build $(BUILD) --target contact-sheet

format:
	find app scene engine gameplay menus online runtime tools tests bench fuzz server \
	  -name '*.cpp' -o -name '*.h' | xargs -r clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
