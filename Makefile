# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README: `make run` builds and starts the game, `make test` builds and
# runs every test. Both install what is missing first (Debian 12, as root).
# `make install` puts the game under PREFIX (DESTDIR honoured), `make uninstall` removes exactly
# the files that install listed, `make package` builds brevanto_<version>_<arch>.deb here.
.PHONY: deps build run test bench fuzz clean install uninstall package

PREFIX ?= /usr/local

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

# CMake's install_manifest.txt lists the installed files without DESTDIR, and every later
# install from the build (cpack, the install checks) rewrites it; `make install` keeps its own
# copy, which `make uninstall` (given the same DESTDIR) removes file by file.
install: build
	DESTDIR="$(DESTDIR)" cmake --install build --prefix "$(PREFIX)"
	cp build/install_manifest.txt build/make-install-manifest.txt

uninstall:
	@[ -f build/make-install-manifest.txt ] || { echo "nothing to uninstall: no build/make-install-manifest.txt" >&2; exit 1; }
	@while IFS= read -r file || [ -n "$$file" ]; do rm -fv -- "$(DESTDIR)$$file"; done < build/make-install-manifest.txt
	rm -f build/make-install-manifest.txt

package: build
	rm -rf build/package
	cd build && cpack -G DEB -B package
	cp build/package/brevanto_*.deb .

# Long fuzzing of every reader: FUZZ_MINUTES per target (make fuzz FUZZ_MINUTES=1).
FUZZ_MINUTES ?= 10
fuzz:
	@FUZZ_MINUTES=$(FUZZ_MINUTES) bash scripts/run-fuzz.sh

clean:
	rm -rf build build-asan build-fuzz
