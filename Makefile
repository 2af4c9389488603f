# The two commands of the README: `make run` and `make test`.
.PHONY: all setup build build-asan run test test-default test-asan clean

all: build

setup:
	@bash scripts/setup.sh

build: setup
	cmake --preset default
	cmake --build --preset default

build-asan: setup
	cmake --preset asan
	cmake --build --preset asan

run: build
	cd build && ./zorban

test-default: build
	ctest --preset default

test-asan: build-asan
	ctest --preset asan

test: test-default test-asan

clean:
	rm -rf build build-asan
