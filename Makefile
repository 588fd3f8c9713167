# The two commands of the README: `make run` builds and starts the game, `make test` builds and
# runs every test. Both install what is missing first (Debian 12, as root).
.PHONY: deps build run test bench fuzz clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build -j2

run: build
	cd build/bin && ./brevanto

test:
	@bash scripts/run-tests.sh

bench: build
	@bash scripts/run-bench.sh

# Long fuzzing of every reader: FUZZ_MINUTES per target (make fuzz FUZZ_MINUTES=1).
FUZZ_MINUTES ?= 10
fuzz:
	@FUZZ_MINUTES=$(FUZZ_MINUTES) bash scripts/run-fuzz.sh

clean:
	rm -rf build build-asan build-fuzz
