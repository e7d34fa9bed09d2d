# Thin driver over CMake. `make run` and `make test` are the two set-up
# commands of the README; both install what is missing first.
BUILD    ?= build
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?=
TEST_ENV ?=
# The test programs read a precompiled header: ccache caches their sources
# only when told to accept one.
export CCACHE_SLOPPINESS ?= pch_defines,time_macros,include_file_mtime,include_file_ctime

.PHONY: all deps configure build run test asan asan-ci tsan bench format format-check clean

all: build

deps:
	scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The editor started from here talks to loopback unless told otherwise
# (`make run KORVAN_UNIT_ADDRESS=<unit address>`), so a development machine
# never dials the unit's factory address.
KORVAN_UNIT_ADDRESS ?= 127.0.0.1
run: build
	KORVAN_UNIT_ADDRESS=$(KORVAN_UNIT_ADDRESS) $(BUILD)/app/korvan-editor

test: build
	cd $(BUILD) && env $(TEST_ENV) ctest --output-on-failure -j $(JOBS)

# AddressSanitizer + UndefinedBehaviorSanitizer build and test run. Every
# finding fails its test; third-party leaks are suppressed one by one.
SANITIZER_DIR := $(CURDIR)/scripts/sanitizers
ASAN_TEST_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1 \
	LSAN_OPTIONS=suppressions=$(SANITIZER_DIR)/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Line tables (-g1) are all a sanitizer's report needs, at a sixth less
# compile time than full debug information.
ASAN_CMAKE_FLAGS := -DKORVAN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_C_FLAGS_DEBUG=-g1
asan:
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS="$(ASAN_CMAKE_FLAGS) -DKORVAN_TESTS_PER_PROGRAM=OFF" TEST_ENV="$(ASAN_TEST_ENV)"

# The same, for the test programs of the lower layers only (what CI runs;
# tests are labelled by their folder's first part). Each program runs as one
# test: a sanitized program's start costs more than most of its cases, and
# `make test` already runs every case in a process of its own.
ASAN_CI_LABELS := platform device controls
empty :=
space := $(empty) $(empty)
asan-ci:
	$(MAKE) configure BUILD=build-asan CMAKE_FLAGS="$(ASAN_CMAKE_FLAGS) -DKORVAN_TESTS_PER_PROGRAM=ON"
	cmake --build build-asan -j $(JOBS) --target $(ASAN_CI_LABELS:%=korvan_tests_%)
	cd build-asan && env $(ASAN_TEST_ENV) ctest --output-on-failure --no-tests=error -j $(JOBS) \
		-L '^($(subst $(space),|,$(ASAN_CI_LABELS)))$$'

# ThreadSanitizer run of the test programs that start threads of their own.
TSAN_TESTS := test_platform_sys test_device test_ui_main
tsan: deps
	cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		"-DCMAKE_C_FLAGS=-fsanitize=thread -fno-omit-frame-pointer" \
		"-DCMAKE_CXX_FLAGS=-fsanitize=thread -fno-omit-frame-pointer" \
		-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread
	cmake --build build-tsan -j $(JOBS) --target $(TSAN_TESTS)
	@for t in $(TSAN_TESTS); do \
		QT_QPA_PLATFORM=offscreen KORVAN_UNIT_ADDRESS=127.0.0.1 \
		TSAN_OPTIONS=halt_on_error=1:suppressions=$(SANITIZER_DIR)/tsan.supp \
			build-tsan/tests/$$t --gtest_brief=1 || exit 1; \
	done

# Benchmarks print their figures; build with optimisation.
bench: configure
	cmake --build $(BUILD) --target bench -j $(JOBS)
	@for b in $(BUILD)/bench/bench_*; do [ -f "$$b" ] && [ -x "$$b" ] && echo "== $$b" && "$$b"; done; true

# Formatting with the root .clang-format; format-check changes nothing, lists
# every line that `make format` would change and fails if there is one.
CLANG_FORMAT ?= clang-format-14
format:
	git ls-files '*.cpp' '*.h' | xargs $(CLANG_FORMAT) -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs $(CLANG_FORMAT) --dry-run --Werror

clean:
	rm -rf $(BUILD) build-asan build-tsan

# Fuzzing with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
# `make fuzz-build` builds build-fuzz/fuzz/fuzz_<parser>, one per harness in
# fuzz/; `make fuzz` runs each for FUZZ_SECONDS (FUZZ=<parser> for one only),
# starting from its checked-in corpus. New inputs go to build-fuzz/corpus/,
# failing ones to build-fuzz/findings/. `make test` replays fuzz/corpus/
# through plain builds of the same harnesses.
FUZZ_SECONDS ?= 60
FUZZ ?= $(notdir $(wildcard fuzz/corpus/*))
.PHONY: fuzz-build fuzz
fuzz-build:
	scripts/install-deps.sh fuzz
	# Warnings as errors hold for the project's compiler (g++); clang's
	# -Wconversion takes in sign conversions as well, so here they warn.
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVAN_FUZZ=ON \
		-DKORVAN_BUILD_TESTS=OFF -DKORVAN_WARNINGS_AS_ERRORS=OFF \
		-DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
fuzz: fuzz-build
	@mkdir -p build-fuzz/findings; status=0; \
	for p in $(FUZZ); do \
		echo "== fuzz_$$p for $(FUZZ_SECONDS) s"; mkdir -p build-fuzz/corpus/$$p; \
		LSAN_OPTIONS=suppressions=$(SANITIZER_DIR)/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1 build-fuzz/fuzz/fuzz_$$p -max_total_time=$(FUZZ_SECONDS) -timeout=20 -rss_limit_mb=3072 \
			-print_final_stats=1 -artifact_prefix=build-fuzz/findings/$$p- \
			build-fuzz/corpus/$$p fuzz/corpus/$$p || status=1; \
	done; exit $$status
