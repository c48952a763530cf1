#pragma once

// Marks what the shared library exports; the library is built with hidden visibility, so
// everything not marked stays inside it.
#if defined(__GNUC__) || defined(__clang__)
#define QVD_API __attribute__((visibility("default")))
#else
#define QVD_API
#endif
