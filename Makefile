# The two commands of the README: `make run` and `make test`; `make package` writes the Debian package.
.PHONY: all setup build build-asan build-tsan run test test-default test-asan test-tsan package clean

all: build

setup:
	@bash scripts/setup.sh

build: setup
	cmake --preset default
	cmake --build --preset default

build-asan: setup
	cmake --preset asan
	cmake --build --preset asan

build-tsan: setup
	cmake --preset tsan
	cmake --build --preset tsan

run: build
	cd build && ./zorban

test-default: build
	ctest --preset default

test-asan: build-asan
	ctest --preset asan

test-tsan: build-tsan
	ctest --preset tsan

test: test-default test-asan test-tsan

# The Debian package of the install: build/zorban_<version>_<arch>.deb.
package: build
	cd build && cpack -G DEB

clean:
	rm -rf build build-asan build-tsan
