# OLVEX_SANITIZE=ON builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, and
# any report ends the process. `scripts/run-tests --sanitize` makes such a build in a folder of
# its own and runs every test with the sanitizers' options.
option(OLVEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(OLVEX_SANITIZE)
  set(sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  # The instrumentation misleads GCC's maybe-uninitialized analysis inside the standard library
  # (std::regex's states); the ordinary build keeps the warning for the project's own code.
  add_compile_options(${sanitize_flags} -Wno-maybe-uninitialized)
  add_link_options(${sanitize_flags})
endif()
