#pragma once

// QUANDEL_MIT_ASAN is defined in a build with AddressSanitizer: GCC names it by a macro of its
// own, clang by a feature test.
#if defined(__SANITIZE_ADDRESS__)
#define QUANDEL_MIT_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUANDEL_MIT_ASAN 1
#endif
#endif
