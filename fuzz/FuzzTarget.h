#pragma once
// What every harness in this folder defines: libFuzzer's entry point, fed
// the raw bytes of one stream or file. A harness returns 0 for any input it
// survives; a fault it finds in a parser's promises stops the program
// (FuzzCheck), as a sanitizer finding does.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Optional: set-up run once before the first input.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);

#define FuzzCheck(condition)                                                                                 \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: promise broken: %s\n", __FILE__, __LINE__, #condition);             \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
