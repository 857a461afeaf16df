#pragma once
// `constinit` for module-level strings, where the compiler can honour it: clang before version 15
// cannot run libstdc++'s std::string constructor at compile time (it rejects the constructor's
// write to its small-string buffer), so there such strings get ordinary initialisation, which
// within their own file still happens before any later variable's.

#if defined(__clang__) && __clang_major__ < 15
#define TESSILAR_CONSTINIT_STRING
#else
#define TESSILAR_CONSTINIT_STRING constinit
#endif
