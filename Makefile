# The two set-up commands: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test deps configure build demo bench clean

run: build
	cd $(BUILD)/bin && ./remont

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

bench: build
	./bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD)
