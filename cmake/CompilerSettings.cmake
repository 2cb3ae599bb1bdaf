# Warnings and sanitizers shared by every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
                    -Woverloaded-virtual)
if(TALLYFOX_WERROR)
  add_compile_options(-Werror)
endif()

if(TALLYFOX_SANITIZE)
  set(_flags "")
  foreach(_s IN LISTS TALLYFOX_SANITIZE)
    list(APPEND _flags "-fsanitize=${_s}")
  endforeach()
  list(APPEND _flags -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_compile_options(${_flags})
  add_link_options(${_flags})
endif()

# Fuzz targets: every library carries libFuzzer's coverage instrumentation.
if(TALLYFOX_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# ccache, where installed, so rebuilds in several build folders share their objects.
find_program(TALLYFOX_CCACHE ccache)
if(TALLYFOX_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER "${TALLYFOX_CCACHE}")
endif()
