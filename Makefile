# Thin driver over CMake. `make run` and `make test` are the two set-up
# commands of the README; both install what is missing first.
BUILD    ?= build
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test asan bench format clean

all: build

deps:
	scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/korvan-editor

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# AddressSanitizer + UndefinedBehaviorSanitizer build and test run.
asan:
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS="-DKORVAN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug"

# Benchmarks print their figures; build with optimisation.
bench: configure
	cmake --build $(BUILD) --target bench -j $(JOBS)
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && echo "== $$b" && "$$b"; done; true

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-asan
