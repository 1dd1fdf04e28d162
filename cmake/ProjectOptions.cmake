# Warnings and sanitizers as interface targets, linked PRIVATE by every
# target of the project, so no flag leaks into the toolkit or into users.
option(QUIZ_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)
option(QUIZ_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_library(quiz_warnings INTERFACE)
target_compile_options(quiz_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual
  $<$<BOOL:${QUIZ_WARNINGS_AS_ERRORS}>:-Werror>)

add_library(quiz_sanitizers INTERFACE)
if(QUIZ_SANITIZE)
  target_compile_options(quiz_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(quiz_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

add_library(quiz_options INTERFACE)
target_link_libraries(quiz_options INTERFACE quiz_warnings quiz_sanitizers)
