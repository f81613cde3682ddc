# One set of warnings for every target of ours; the test command turns them
# into errors (VREX_WERROR).
option(VREX_WERROR "Treat warnings as errors" OFF)
add_library(vrex_warnings INTERFACE)
target_compile_options(vrex_warnings INTERFACE -Wall -Wextra)
if(VREX_WERROR)
  target_compile_options(vrex_warnings INTERFACE -Werror)
endif()
