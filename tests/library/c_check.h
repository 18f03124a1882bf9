/* What the C interface's tests share: CHECK counts a failure and says where and what,
   and the test ends by reporting the count. */
#ifndef TULVO_TESTS_LIBRARY_C_CHECK_H
#define TULVO_TESTS_LIBRARY_C_CHECK_H

#include <stdio.h>

static int failures = 0;

#define CHECK(condition, ...)                         \
  do {                                                \
    if (!(condition)) {                               \
      failures++;                                     \
      fprintf(stderr, "%s:%d: ", __FILE__, __LINE__); \
      fprintf(stderr, __VA_ARGS__);                   \
      fputc('\n', stderr);                            \
    }                                                 \
  } while (0)

#endif /* TULVO_TESTS_LIBRARY_C_CHECK_H */
