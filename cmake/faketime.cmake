# libfaketime, preloaded into a program to freeze the clock that seeds its random
# source, so that a run repeats exactly. This is the one place that looks for it: the
# tests take the path from TULVO_FAKETIME_LIBRARY, scripts and readers from the file
# faketime-library in the build folder (empty when the library is not installed).
# The thread-safe variant serves single- and multi-threaded programs alike.
find_library(TULVO_FAKETIME_LIBRARY NAMES libfaketimeMT.so.1 PATH_SUFFIXES faketime
  DOC "libfaketime, preloaded to freeze the clock")
if(TULVO_FAKETIME_LIBRARY)
  set(TULVO_FAKETIME_PATH "${TULVO_FAKETIME_LIBRARY}")
else()
  set(TULVO_FAKETIME_PATH "")
endif()
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/faketime-library CONTENT "${TULVO_FAKETIME_PATH}\n")
